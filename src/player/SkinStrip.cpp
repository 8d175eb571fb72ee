#include "player/SkinStrip.h"

namespace vx {

namespace {

constexpr std::uint32_t Light = 0xFFFFFF;
constexpr std::uint32_t Shadow = 0x606060;

struct Canvas {
    std::vector<std::uint32_t> px = std::vector<std::uint32_t>(skin::Width * skin::Height, skin::Background);
    void set(int x, int y, std::uint32_t c) {
        if (x >= 0 && x < skin::Width && y >= 0 && y < skin::Height)
            px[std::size_t(y * skin::Width + x)] = c;
    }
    void fill(int x0, int y0, int x1, int y1, std::uint32_t c) { // inclusive corners
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, c);
    }
    // A raised plate: light top and left edges, shadowed bottom and right edges.
    void plate(int x0, int x1) {
        fill(x0, 0, x1, skin::Height - 1, skin::Plate);
        fill(x0, 0, x1, 0, Light);
        fill(x0, 0, x0, skin::Height - 1, Light);
        fill(x0, skin::Height - 1, x1, skin::Height - 1, Shadow);
        fill(x1, 0, x1, skin::Height - 1, Shadow);
    }
    // A triangle 5 wide and 9 tall pointing right (or left), its flat side at x.
    void triangle(int x, bool right) {
        for (int c = 0; c < 5; ++c) {
            const int column = right ? x + c : x - c;
            fill(column, 4 + c, column, 12 - c, skin::Symbol);
        }
    }
};

// 4 x 5 letters, one row a line, bit 3 the leftmost column.
constexpr int LetterO[5] = {0b0110, 0b1001, 0b1001, 0b1001, 0b0110};
constexpr int LetterP[5] = {0b1110, 0b1001, 0b1110, 0b1000, 0b1000};
constexpr int LetterE[5] = {0b1111, 0b1000, 0b1110, 0b1000, 0b1111};
constexpr int LetterN[5] = {0b1001, 0b1101, 0b1011, 0b1001, 0b1001};

} // namespace

std::vector<std::uint32_t> drawSkinStrip() {
    Canvas c;
    c.plate(0, 115);
    // Grooves between the five buttons of the grey plate.
    for (int edge : {24, 47, 70, 93}) {
        c.fill(edge, 2, edge, skin::Height - 3, Shadow);
        c.fill(edge + 1, 2, edge + 1, skin::Height - 3, Light);
    }
    // previous: a bar and a triangle pointing left
    c.fill(8, 4, 9, 12, skin::Symbol);
    c.triangle(15, false);
    // play
    c.triangle(34, true);
    // pause
    c.fill(55, 4, 57, 12, skin::Symbol);
    c.fill(61, 4, 63, 12, skin::Symbol);
    // stop
    c.fill(78, 5, 85, 12, skin::Symbol);
    // next: a triangle pointing right and a bar
    c.triangle(101, true);
    c.fill(107, 4, 108, 12, skin::Symbol);

    c.plate(118, 148);
    const int* letters[] = {LetterO, LetterP, LetterE, LetterN};
    for (int i = 0; i < 4; ++i)
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 4; ++col)
                if (letters[i][row] & (8 >> col))
                    c.set(124 + i * 5 + col, 6 + row, skin::Symbol);
    return std::move(c.px);
}

} // namespace vx

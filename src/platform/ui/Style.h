#pragma once
#include <cstdint>
#include <string>

namespace vx::ui {

// A colour: either a system colour (by the system's index) or an RGB value.
struct Colour {
    bool isSystem = true;
    int systemIndex = 15; // button face
    std::uint32_t rgbValue = 0;

    static constexpr Colour system(int index) { return Colour{true, index, 0}; }
    static constexpr Colour rgb(int r, int g, int b) {
        return Colour{false, 0, std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16)};
    }
    friend bool operator==(const Colour&, const Colour&) = default;
};

// The system colour indices the windows use.
namespace syscolour {
constexpr int ActiveCaption = 2;
constexpr int Window = 5;
constexpr int ActiveBorder = 10;
constexpr int ButtonFace = 15;
constexpr int WindowText = 8;
constexpr int InfoBackground = 24;
} // namespace syscolour

struct Font {
    std::wstring face = L"MS Sans Serif";
    int height = 11; // character height in pixels
    bool bold = false;
    Colour colour = Colour::rgb(0, 0, 0);
};

// The pictures the program draws on its buttons.
enum class Glyph {
    None,
    ArrowUp,   // unfold the tool panel
    ArrowDown, // fold it
    StartFlag, // the four-coloured flag of the Start button
    Key,
    CloseDisc,
    DiskDrive,
    CompactDisc,
    Landscape,
    Folder,
    StackedWindows,
    PlayTriangle,
    Yes,
    No,
};

enum class MouseButton { Left, Right, Middle };

} // namespace vx::ui

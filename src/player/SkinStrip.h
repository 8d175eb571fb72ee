#pragma once
#include <cstdint>
#include <vector>

namespace vx {

// The player's button strip, drawn here rather than loaded: 149 x 18 pixels, 0x00RRGGBB, rows
// from the top. One grey plate holds previous (x 0-24), play (25-47), pause (48-70), stop
// (71-93) and next (94-115); a separate small plate (118-148) carries the word OPEN.
namespace skin {
inline constexpr int Width = 149;
inline constexpr int Height = 18;
inline constexpr std::uint32_t Background = 0x000000;
inline constexpr std::uint32_t Plate = 0xC0C0C0;
inline constexpr std::uint32_t Symbol = 0x202020;

// The strip's buttons from left to right, with the names that assistive technology reads.
struct Button {
    int left;
    int width;
    const wchar_t* name;
};
inline constexpr Button Buttons[] = {{0, 25, L"Предыдущий"}, {25, 23, L"Воспроизвести"}, {48, 23, L"Пауза"},
                                     {71, 23, L"Стоп"},      {94, 22, L"Следующий"},      {118, 31, L"Открыть"}};
} // namespace skin

std::vector<std::uint32_t> drawSkinStrip();

} // namespace vx

#pragma once
#include "platform/ui/Style.h"
#include <array>
#include <cstdint>
#include <string_view>

namespace vx::res {

// A small picture as rows of characters; each character names a colour of the palette and
// '.' is transparent. Kept as text so the pictures can be read and edited in the source.
struct GlyphArt {
    int width = 0;
    int height = 0;
    const std::string_view* rows = nullptr;
    // Maps a character to 0xRRGGBB; returns false for a transparent pixel.
    static bool colourOf(char c, std::uint32_t& rgb);
};

const GlyphArt& glyphArt(ui::Glyph glyph);

} // namespace vx::res

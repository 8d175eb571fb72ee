#include "res/GlyphArt.h"

namespace vx::res {

bool GlyphArt::colourOf(char c, std::uint32_t& rgb) {
    switch (c) {
    case 'k': rgb = 0x000000; return true; // black
    case 'w': rgb = 0xFFFFFF; return true; // white
    case 'g': rgb = 0x1E9E3A; return true; // green
    case 'G': rgb = 0x0E6B24; return true; // dark green
    case 'l': rgb = 0x7FD98F; return true; // light green
    case 'r': rgb = 0xE0301E; return true; // red
    case 'b': rgb = 0x1F5FD0; return true; // blue
    case 'c': rgb = 0x8CC8F0; return true; // sky
    case 'y': rgb = 0xF2C230; return true; // yellow
    case 'Y': rgb = 0xC08A10; return true; // dark yellow
    case 's': rgb = 0xC0C0C0; return true; // silver
    case 'd': rgb = 0x808080; return true; // grey
    case 'D': rgb = 0x404040; return true; // dark grey
    case 'o': rgb = 0xE08A20; return true; // orange
    case 'p': rgb = 0xB070E0; return true; // violet
    default: return false;
    }
}

namespace {

constexpr std::string_view ArrowUp[] = {
    "................", "................", ".......G........", "......GgG.......",
    ".....GglgG......", "....GgglggG.....", "...GggglgggG....", "..GGGgglggGGG...",
    "....GgglggG.....", "....GgglggG.....", "....GgglggG.....", "....GgglggG.....",
    "....GggggggG....", "....GGGGGGG.....", "................", "................"};

constexpr std::string_view ArrowDown[] = {
    "................", "................", "....GGGGGGG.....", "....GggggggG....",
    "....GgglggG.....", "....GgglggG.....", "....GgglggG.....", "....GgglggG.....",
    "..GGGgglggGGG...", "...GggglgggG....", "....GgglggG.....", ".....GglgG......",
    "......GgG.......", ".......G........", "................", "................"};

constexpr std::string_view StartFlag[] = {
    "................", ".D..............", ".Drrrr..gggg....", ".Drrrrr.ggggg...",
    ".Drrrrr.ggggg...", ".Drrrrr.ggggg...", ".Drrrr..gggg....", ".D..............",
    ".Dbbbb..yyyy....", ".Dbbbbb.yyyyy...", ".Dbbbbb.yyyyy...", ".Dbbbbb.yyyyy...",
    ".Dbbbb..yyyy....", ".D..............", ".D..............", "................"};

constexpr std::string_view Key[] = {
    "................", "....YYYY........", "...YyyyyY.......", "..Yyy..yyY......",
    "..Yy....yY......", "..Yy....yY......", "..Yyy..yyY......", "...YyyyyyY......",
    "....YYYyyY......", ".......YyyY.....", "........YyyY....", ".........YyyYY..",
    "..........YyyyY.", "...........YyY..", "............YyY.", ".............Y.."};

constexpr std::string_view CloseDisc[] = {
    "................", ".....GGGGGG.....", "...GGggggggGG...", "..GggggggggggG..",
    "..Ggkkggggkkgg..", ".Gggkkkggkkkggg.", ".Ggggkkkkkkgggg.", ".Gggggkkkkggggg.",
    ".Gggggkkkkggggg.", ".Ggggkkkkkkgggg.", ".Gggkkkggkkkggg.", "..Ggkkggggkkgg..",
    "..GggggggggggG..", "...GGggggggGG...", ".....GGGGGG.....", "................"};

constexpr std::string_view DiskDrive[] = {
    "................", "................", "................", "................",
    "..DDDDDDDDDDDD..", ".DsswwwwwwwwssD.", ".DssssssssssssD.", ".DssssssssssssD.",
    ".DsDDDDDDDDDDsD.", ".DssssssssssssD.", ".DsssssssssgGsD.", ".DddddddddddddD.",
    "..DDDDDDDDDDDD..", "................", "................", "................"};

constexpr std::string_view CompactDisc[] = {
    "................", ".....dddddd.....", "...ddsswccssdd..", "..dsswwcccsssd..",
    "..dswwccpssssd..", ".dsswcccpsssssd.", ".dswccppDDssssd.", ".dscccpD..Dsssd.",
    ".dsccppD..Dsssd.", ".dsscppsDDssssd.", ".dssccppsssssd..", "..dsscppsssssd..",
    "..ddsssssssdd...", "...ddsssssdd....", ".....dddddd.....", "................"};

constexpr std::string_view Landscape[] = {
    "................", "................", "DDDDDDDDDDDDDDDD", "DccccccccccyyccD",
    "DcccccccccyyyycD", "DccccccccccyyccD", "DccccccccccccccD", "DcccccGccccccccD",
    "DccccGgGcccccccD", "DcccGgggGccGcccD", "DccGgggggGGgGccD", "DcGgggggggggggGD",
    "DGggggggggggggGD", "DDDDDDDDDDDDDDDD", "................", "................"};

constexpr std::string_view Folder[] = {
    "................", "................", "..YYYYY.........", ".YyyyyyY........",
    ".YyyyyyyYYYYYYY.", ".YyyyyyyyyyyyyY.", ".YwwwwwwwwwwwwY.", ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.", ".YyyyyyyyyyyyyY.", ".YyyyyyyyyyyyyY.", ".YyyyyyyyyyyyyY.",
    ".YyyyyyyyyyyyyY.", ".YYYYYYYYYYYYYY.", "................", "................"};

constexpr std::string_view StackedWindows[] = {
    "................", "......DDDDDDDDD.", "......bbbbbbbbD.", "......DwwwwwwwD.",
    "...DDDDDDDDDwwD.", "...bbbbbbbbDwwD.", "...DwwwwwwwDwwD.", "DDDDDDDDDwwDDDD.",
    "bbbbbbbbDwwD....", "DwwwwwwwDwwD....", "DwwwwwwwDDDD....", "DwwwwwwwD.......",
    "DwwwwwwwD.......", "DwwwwwwwD.......", "DDDDDDDDD.......", "................"};

constexpr std::string_view PlayTriangle[] = {
    "................", "...GG...........", "...GlGG.........", "...GllgGG.......",
    "...GlgggggG.....", "...GlggggggGG...", "...GlgggggggggG.", "...Glggggggggggg",
    "...Glgggggggggg.", "...GlgggggggGG..", "...GlggggggG....", "...GlgggGG......",
    "...GlgGG........", "...GGG..........", "...G............", "................"};

constexpr std::string_view Yes[] = {
    "..................", "..................", "..................", "..............G...",
    ".............GgG..", "............GggG..", "...........GggG...", "..G.......GggG....",
    ".GgG.....GggG.....", ".GggG...GggG......", "..GggG.GggG.......", "...GggGggG........",
    "....GgggG.........", ".....GgG..........", "......G...........", "..................",
    "..................", ".................."};

constexpr std::string_view No[] = {
    "..................", "......rrrrrr......", "....rrrrrrrrrr....", "...rrr......rrr...",
    "..rrr......rrrr...", "..rr......rrr.rr..", ".rr......rrr...rr.", ".rr.....rrr....rr.",
    ".rr....rrr.....rr.", ".rr...rrr......rr.", ".rr..rrr.......rr.", "..rr.rrr......rr..",
    "..rrrrr......rrr..", "...rrr......rrr...", "....rrrrrrrrrr....", "......rrrrrr......",
    "..................", ".................."};

template <std::size_t N> constexpr GlyphArt art(const std::string_view (&rows)[N]) {
    return GlyphArt{int(rows[0].size()), int(N), rows};
}

} // namespace

const GlyphArt& glyphArt(ui::Glyph glyph) {
    static const GlyphArt none{};
    static const GlyphArt table[] = {
        none,           art(ArrowUp),   art(ArrowDown),      art(StartFlag),    art(Key),
        art(CloseDisc), art(DiskDrive), art(CompactDisc),    art(Landscape),    art(Folder),
        art(StackedWindows), art(PlayTriangle), art(Yes),    art(No),
    };
    auto index = static_cast<std::size_t>(glyph);
    return index < sizeof(table) / sizeof(table[0]) ? table[index] : none;
}

} // namespace vx::res

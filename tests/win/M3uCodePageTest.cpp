#include "app/Cp1251.h"
#include "platform/win32/Win32System.h"
#include "player/M3u.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

using namespace vx;
using Texts = std::vector<std::wstring>;

// Saved and read back in the system's own code page: 1251 in the usual run, then 932 (two bytes
// a character, where every lone byte also decodes to one character) and 1252. A path the code
// page has goes out in it, the others as UTF-8; "Рё" is well-formed UTF-8 ("и") in code page
// 1251, so it must not go out as ANSI there.
TEST(M3uCodePage, PathsComeBackExactInTheSystemCodePage) {
    const unsigned codePage = GetACP();
    if (codePage != 1251 && codePage != 932 && codePage != 1252)
        GTEST_SKIP() << "needs code page 1251, 932 or 1252";
    if (const char* wanted = std::getenv("VX_CODE_PAGE");
        wanted && unsigned(std::atoi(wanted)) != codePage)
        GTEST_SKIP() << "the run is for code page " << wanted << ", the locale gave " << codePage;
    win32::Win32System system;
    const std::wstring name = L"C:\\Lists\\x.m3u";
    for (const std::wstring path :
         {L"C:\\Музыка\\песня.mp3", L"D:\\Café\\été.mp3", L"C:\\Рё\\a.mp3"}) {
        const auto saved = m3u::encode({path}, name, system);
        EXPECT_EQ(m3u::read(saved, name, system).paths(), Texts{path}) << codePage;
    }
    EXPECT_EQ(system.legacyAnsiCodePage(), codePage)
        << "the same where the ANSI code page is not UTF-8";
    const auto saved = m3u::encode(
        {codePage == 1252 ? L"D:\\Café\\été.mp3" : L"C:\\Музыка\\песня.mp3"}, name, system);
    ASSERT_GE(saved.size(), 3u);
    EXPECT_NE(std::string(saved.begin(), saved.begin() + 3), "\xEF\xBB\xBF")
        << "written in the code page";
}

// A playlist as other players write it: UTF-8 without a byte-order mark, LF line ends, titles
// with commas and full-width letters, paths from the root written with "/".
TEST(M3uCodePage, Utf8WithoutAMarkKeepsItsTitles) {
    win32::Win32System system;
    const std::string text = "#EXTM3U\n"
                             "#EXTINF:254,なないろグラデーション, ＴＶサイズ\n"
                             "/media/music/01 なないろ.mp3\n"
                             "#EXTINF:-1,Песня, вторая\n"
                             "Music/02.mp3\n";
    const auto entries = m3u::read({text.begin(), text.end()}, L"C:\\Lists\\x.m3u", system);
    EXPECT_EQ(entries.titles(), (Texts{L"なないろグラデーション, ＴＶサイズ", L"Песня, вторая"}));
    EXPECT_EQ(entries.paths(),
              (Texts{L"C:/media/music/01 なないろ.mp3", L"C:\\Lists\\Music/02.mp3"}));
}

// The table of code page 1251 that the native tests decode with is the system's, byte for byte.
TEST(M3uCodePage, Cp1251TableIsTheSystems) {
    win32::Win32System system;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, char(b));
        EXPECT_EQ(cp1251::decode(one), system.fromCodePage(1251, one)) << b;
        EXPECT_EQ(cp1251::encode(cp1251::decode(one)), one) << b;
    }
}

#include "fakes/FakeSystem.h"
#include "player/M3u.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {
std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }
} // namespace

// Found by fuzzing: the path line after a title may itself begin with "#"; stored as written
// it came back as a title after a save, and the entry was lost.
TEST(M3uRoundTrip, PathLineBeginningWithHashSurvivesSaveAndReload) {
    fakes::FakeSystem system;
    const std::wstring name = L"E:\\Lists\\x.m3u";
    auto entries = m3u::read(bytes("#title\r\n#C:\\a.mp3\r\nD:\\b.mp3\r\nF:\\c.mp3"), name, system);
    ASSERT_EQ(entries.paths().size(), 3u);
    EXPECT_EQ(entries.titles()[0], L"title");
    EXPECT_EQ(entries.paths()[0], L"E:\\Lists\\#C:\\a.mp3");
    // The resolved path outgrows the room reserved from the file's size, so the texts move;
    // both forms the lists take still read right, up to each line's end (CR LF, or the end of
    // the file).
    EXPECT_EQ(entries.title(1), L"b.mp3");
    EXPECT_STREQ(entries.pathTexts()[0], L"E:\\Lists\\#C:\\a.mp3");
    EXPECT_STREQ(entries.titleTexts()[1], L"b.mp3");
    EXPECT_STREQ(entries.pathTexts()[1], L"D:\\b.mp3");
    EXPECT_STREQ(entries.pathTexts()[2], L"F:\\c.mp3");
    auto again = m3u::read(m3u::encode(entries.paths(), name, system), name, system);
    EXPECT_EQ(again.paths(), entries.paths());
}

// A Cyrillic and an accented path come back exactly under code page 1251 (the first in ANSI, the
// second as UTF-8 with a mark) and 65001 (both in ANSI, that is UTF-8 without a mark), and as
// UTF-8 under a ".m3u8" name. "Её" in 1251 is well-formed UTF-8 ("Ÿ"): it must not go out as ANSI.
TEST(M3uRoundTrip, PathsComeBackExactUnderCodePages1251And65001) {
    fakes::FakeSystem system;
    const std::wstring name = L"E:\\Lists\\x.m3u";
    for (unsigned codePage : {1251u, 65001u}) {
        system.codePage = codePage;
        for (const std::wstring& list : {name, std::wstring(L"E:\\Lists\\x.m3u8")})
            for (const std::wstring path :
                 {L"C:\\Музыка\\песня.mp3", L"D:\\Café\\été.mp3", L"C:\\Её.mp3"})
                EXPECT_EQ(m3u::read(m3u::encode({path}, list, system), list, system).paths(),
                          std::vector{path})
                    << codePage << (list == name ? "" : " m3u8");
    }
    // A list saved in 1251 reads back after the switch to 65001: it is not UTF-8, so it is in the
    // system's legacy code page.
    system.codePage = 1251;
    const auto saved = m3u::encode({L"C:\\Музыка\\Ёж.mp3"}, name, system);
    system.codePage = 65001;
    EXPECT_EQ(m3u::read(saved, name, system).paths(),
              std::vector<std::wstring>{L"C:\\Музыка\\Ёж.mp3"});
    // Without a legacy code page, every lone byte decodes to one character (U+FFFD), as in a
    // single-byte code page; a file that is not well-formed UTF-8 is still decoded whole, so its
    // letters survive.
    system.legacyCodePage = 0;
    auto entries = m3u::read(bytes("C:\\\xD0\x9C\xD1\x83.mp3\r\nC:\\\xFF.mp3\r\n"), name, system);
    EXPECT_EQ(entries.paths(), (std::vector<std::wstring>{L"C:\\Му.mp3", L"C:\\\xFFFD.mp3"}));
}

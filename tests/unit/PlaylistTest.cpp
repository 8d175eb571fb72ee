#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/M3u.h"
#include "player/TForm8.h"
#include "player/Utf8.h"
#include <gtest/gtest.h>

using namespace vx;
using Items = std::vector<std::wstring>;

namespace {

struct PlaylistFiles : ::testing::Test {
    fakes::FakeMachine m;
    Application* app = nullptr;
    void SetUp() override { app = &m.start(); }
    TForm8& player() { return *app->Form8; }
    Playlist& list() { return *player().playlist; }
    fakes::FakeListBox& shown() { return static_cast<fakes::FakeListBox&>(*player().ListBox1); }
    fakes::FakeListBox& stored() { return static_cast<fakes::FakeListBox&>(*player().PathList); }
    void file(const std::wstring& name, const std::string& bytes) { m.files.files[name] = fakes::FakeFiles::bytes(bytes); }
    void read(const std::string& bytes, const std::wstring& name = L"E:\\Lists\\x.m3u", bool append = false) {
        file(name, bytes);
        list().ReadM3U(name, append);
    }
};

} // namespace

TEST_F(PlaylistFiles, HeaderIsOnlyTheExactFirstLine) {
    list().add(L"old", L"C:\\old.mp3");
    read("#EXTM3U");
    EXPECT_EQ(list().count(), 0) << "a header alone empties the playlist";
    list().add(L"old", L"C:\\old.mp3");
    read("");
    EXPECT_EQ(list().count(), 0) << "so does a file of zero bytes";

    read("#EXTM3U \r\nC:\\a.mp3\r\n");
    EXPECT_EQ(shown().items, (Items{L"EXTM3U "}));
    EXPECT_EQ(stored().items, (Items{L"C:\\a.mp3"}));
    read("#extm3u\nC:\\a.mp3\nC:\\b.wav");
    EXPECT_EQ(shown().items, (Items{L"extm3u", L"b.wav"}));
    EXPECT_EQ(stored().items, (Items{L"C:\\a.mp3", L"C:\\b.wav"}));
}

TEST_F(PlaylistFiles, TitleLinesNameTheNextLineWhateverItHolds) {
    read("#EXTM3U\r\n#EXTINF:215,Artist - Song\r\nD:\\Music\\song.mp3\r\n#EXTINF:99\r\n#odd\r\n#\r\nC:\\c.mp3\r\n"
         "C:\\Music\\plain.wav\r\n");
    EXPECT_EQ(shown().items, (Items{L"Artist - Song", L"EXTINF:99", L"", L"plain.wav"}));
    EXPECT_EQ(stored().items, (Items{L"D:\\Music\\song.mp3", L"E:\\Lists\\#odd", L"C:\\c.mp3", L"C:\\Music\\plain.wav"}));
    EXPECT_EQ(m3u::GetTitle(L"#a,b,c"), L"b,c");
}

TEST_F(PlaylistFiles, PathsAreCompletedFromThePlaylistsOwnName) {
    read("\\Music\\a.mp3\nMusic\\b.mp3\n\\\\server\\share\\c.mp3\nhttp://radio/d.mp3\nF:e.mp3\nfile:///C:/M/%D0%AF.mp3\n");
    EXPECT_EQ(stored().items, (Items{L"E:\\Music\\a.mp3", L"E:\\Lists\\Music\\b.mp3", L"\\\\server\\share\\c.mp3",
                                     L"http://radio/d.mp3", L"F:e.mp3", L"file:///C:/M/%D0%AF.mp3"}));
    EXPECT_EQ(shown().items, (Items{L"a.mp3", L"b.mp3", L"c.mp3", L"d.mp3", L"e.mp3", L"Я.mp3"}));
    read("\\Music\\a.mp3\r\n", L"\\\\nas\\tunes\\lists\\x.m3u");
    EXPECT_EQ(stored().items, (Items{L"\\\\nas\\tunes\\Music\\a.mp3"}));
    // Written with "/", as players on other systems write paths: rooted and network alike.
    read("/Music/a.mp3\n//server/share/c.mp3\nMusic/b.mp3\n/x:y.mp3\n");
    EXPECT_EQ(stored().items, (Items{L"E:/Music/a.mp3", L"//server/share/c.mp3",
                                     L"E:\\Lists\\Music/b.mp3", L"E:/x:y.mp3"}));
    EXPECT_EQ(shown().items, (Items{L"a.mp3", L"c.mp3", L"b.mp3", L"y.mp3"}))
        << "the file names, after the last /";
}

TEST_F(PlaylistFiles, EmptyLinesTrailingTitlesAndLongLinesKeepTheListsInStep) {
    const std::string longTitle(1000, 'T');
    const std::string longPath = "C:\\" + std::string(600, 'p') + ".mp3";
    read("\r\n\r\n#EXTINF:1," + longTitle + "\r\n\r\n" + longPath + "\n\nC:\\b.mp3\r\n#EXTINF:5,Last one");
    EXPECT_EQ(shown().items, (Items{std::wstring(1000, L'T'), L"b.mp3"}));
    EXPECT_EQ(stored().items, (Items{std::wstring(longPath.begin(), longPath.end()), L"C:\\b.mp3"}));
    read("#just a title");
    EXPECT_EQ(shown().count(), 0);
    EXPECT_EQ(stored().count(), 0);
}

TEST_F(PlaylistFiles, EncodingFollowsTheByteOrderMarkTheNameOrWellFormedUtf8) {
    read("C:\\\xC1\xE0\xF5.mp3\r\n"); // Windows-1251 "Бах"
    EXPECT_EQ(stored().items, (Items{L"C:\\Бах.mp3"}));
    read("\xEF\xBB\xBF#EXTM3U\r\nC:\\\xE6\x97\xA5\xE6\x9C\xAC.mp3\r\n"); // UTF-8 "日本" after the mark
    EXPECT_EQ(stored().items, (Items{L"C:\\日本.mp3"}));
    read("C:\\\xD0\x91.mp3\n", L"E:\\Lists\\x.m3u8"); // UTF-8 "Б" without a mark
    EXPECT_EQ(stored().items, (Items{L"C:\\Б.mp3"}));
    // Without a mark or the name, bytes that are well-formed UTF-8 beyond ASCII are UTF-8 (as
    // other players write); a stray byte makes the whole file ANSI.
    read("#EXTINF:1,\xE3\x81\xAA, \xD0\x91\nC:\\\xD0\x91.mp3\n");
    EXPECT_EQ(shown().items, (Items{L"な, Б"}));
    EXPECT_EQ(stored().items, (Items{L"C:\\Б.mp3"}));
    read("#EXTINF:1,\xE3\x81\xAA\nC:\\\xC1.mp3\n");
    EXPECT_EQ(shown().items, (Items{L"гЃЄ"}));
    EXPECT_EQ(stored().items, (Items{L"C:\\Б.mp3"}));
}

TEST_F(PlaylistFiles, AppendKeepsTheOldEntriesAndAMissingFileChangesNothing) {
    read("C:\\a.mp3\r\n");
    read("#EXTM3U\r\nC:\\b.mp3\r\n", L"E:\\Lists\\y.m3u", true);
    EXPECT_EQ(stored().items, (Items{L"C:\\a.mp3", L"C:\\b.mp3"}));
    try {
        list().ReadM3U(L"E:\\none.m3u", false);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), L"File not found");
    }
    EXPECT_EQ(stored().count(), 2);
    EXPECT_EQ(shown().count(), 2);
}

TEST_F(PlaylistFiles, SavedFileHoldsThePathsWithCrLfInAnsiOrElseUtf8) {
    read("#EXTM3U\r\n#EXTINF:1,Title\r\nC:\\\xC1.mp3\nD:\\b.wav");
    list().save(L"C:\\out.m3u");
    EXPECT_EQ(m.files.text(L"C:\\out.m3u"), "C:\\\xC1.mp3\r\nD:\\b.wav\r\n");
    list().ReadM3U(L"C:\\out.m3u", false);
    EXPECT_EQ(shown().items, (Items{L"Б.mp3", L"b.wav"})) << "titles come back as file names";
    EXPECT_EQ(stored().items, (Items{L"C:\\Б.mp3", L"D:\\b.wav"}));

    list().add(L"x.mp3", L"C:\\日本\\x.mp3");
    list().save(L"C:\\out.m3u");
    EXPECT_EQ(m.files.text(L"C:\\out.m3u"),
              "\xEF\xBB\xBF" "C:\\\xD0\x91.mp3\r\nD:\\b.wav\r\nC:\\\xE6\x97\xA5\xE6\x9C\xAC\\x.mp3\r\n");
    list().ReadM3U(L"C:\\out.m3u", false);
    EXPECT_EQ(stored().item(2), L"C:\\日本\\x.mp3");
    list().save(L"C:\\out.m3u8"); // UTF-8 by its name, without a mark
    EXPECT_EQ(m.files.text(L"C:\\out.m3u8"),
              "C:\\\xD0\x91.mp3\r\nD:\\b.wav\r\nC:\\\xE6\x97\xA5\xE6\x9C\xAC\\x.mp3\r\n");

    // The code page writes "é" as "e" and calls that exact: the list would name another file,
    // so it goes out as UTF-8.
    m.system.bestFit[L'é'] = 'e';
    read("C:\\a.mp3");
    list().add(L"Café.mp3", L"C:\\Café.mp3");
    list().save(L"C:\\out.m3u");
    EXPECT_EQ(m.files.text(L"C:\\out.m3u"), "\xEF\xBB\xBF" "C:\\a.mp3\r\nC:\\Caf\xC3\xA9.mp3\r\n");
}

TEST_F(PlaylistFiles, AnUnwritablePlaylistReportsItsName) {
    list().add(L"a.mp3", L"C:\\a.mp3");
    m.files.unwritable.insert(L"C:\\ro.m3u");
    try {
        list().save(L"C:\\ro.m3u");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), L"Cannot create file C:\\ro.m3u");
    }
}

TEST(Utf8, RoundTripsAndReplacesMalformedBytes) {
    const std::wstring text = L"a\u00e9\u0411\u65e5\xD83C\xDFB5"; // ends with a surrogate pair (U+1F3B5)
    EXPECT_EQ(utf8::encode(text), "a\xC3\xA9\xD0\x91\xE6\x97\xA5\xF0\x9F\x8E\xB5");
    EXPECT_EQ(utf8::decode(utf8::encode(text)), text);
    EXPECT_EQ(utf8::decode("a\xC0\xAF" "b\xE6\x97"), L"a\uFFFD\uFFFDb\uFFFD\uFFFD");
    // A text cut inside a character ends there, though the bytes beyond it would complete it.
    EXPECT_EQ(utf8::decode(std::string_view("a\xD0\x91", 2)), L"a\uFFFD");
}

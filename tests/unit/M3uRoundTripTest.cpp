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
    auto again = m3u::read(m3u::encode(entries.paths(), system), name, system);
    EXPECT_EQ(again.paths(), entries.paths());
}

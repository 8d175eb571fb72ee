#include "folders/DirsFile.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {

std::vector<std::uint8_t> record(std::uint8_t length, const std::string& text) {
    std::vector<std::uint8_t> r(dirsfile::RecordSize, 0xEE);
    r[0] = length;
    std::copy(text.begin(), text.end(), r.begin() + 1);
    return r;
}

std::vector<std::uint8_t> join(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

TEST(DirsFile, ReadsWholeRecordsAndOnlyTheirCountedBytes) {
    auto bytes = join({record(10, "C:\\Windows-and-more"), record(3, "D:\\"), std::vector<std::uint8_t>(48, 7)});
    ASSERT_EQ(bytes.size(), 250u);
    EXPECT_EQ(dirsfile::decode(bytes), (std::vector<std::string>{"C:\\Windows", "D:\\"}));

    EXPECT_EQ(dirsfile::decode(record(0, "ignored")), std::vector<std::string>{""});
    EXPECT_TRUE(dirsfile::decode(std::vector<std::uint8_t>(100, 5)).empty());
    EXPECT_TRUE(dirsfile::decode({}).empty());
}

TEST(DirsFile, ADamagedLengthByteYieldsTheRecordsHundredBytesOnly) {
    auto bytes = join({record(255, std::string(100, 'x')), record(2, "ab")});
    auto entries = dirsfile::decode(bytes);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], std::string(100, 'x'));
    EXPECT_EQ(entries[1], "ab");
}

TEST(DirsFile, WritesFixedRecordsCutToAHundredBytes) {
    EXPECT_TRUE(dirsfile::encode({}).empty());

    std::string longPath = "C:\\" + std::string(98, 'a'); // 101 characters
    auto bytes = dirsfile::encode({"D:\\", longPath, ""});
    ASSERT_EQ(bytes.size(), 303u);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "D:\\");
    EXPECT_EQ(bytes[4], 0) << "unused text bytes are zero";
    EXPECT_EQ(bytes[101], 100);
    EXPECT_EQ(std::string(bytes.begin() + 102, bytes.begin() + 202), longPath.substr(0, 100));
    EXPECT_EQ(bytes[202], 0);
    EXPECT_EQ(dirsfile::decode(bytes), (std::vector<std::string>{"D:\\", longPath.substr(0, 100), ""}));
}

TEST(DirsFile, RecordTextKeepsWholeCharactersAndMarksLostOnes) {
    // A double-byte code page: every character above 0x7F takes two bytes.
    auto doubleByte = [](const std::wstring& text, bool* exact) {
        std::string out;
        for (wchar_t c : text) {
            if (c == 0x65E5) { // a character this code page lacks
                *exact = false;
                out += '?';
            } else if (c > 0x7F) {
                out += "\x82\xA0";
            } else {
                out += char(c);
            }
        }
        return out;
    };
    auto fitted = dirsfile::recordText(L"C:\\" + std::wstring(60, 0x3042), doubleByte);
    EXPECT_TRUE(fitted.exact);
    EXPECT_EQ(fitted.bytes.size(), 99u) << "3 + 48 characters of two bytes; the 49th would split";
    EXPECT_EQ(dirsfile::recordText(std::wstring(150, L'a'), doubleByte).bytes, std::string(100, 'a'));

    auto lost = dirsfile::recordText(L"C:\\\x65E5", doubleByte);
    EXPECT_FALSE(lost.exact);
    EXPECT_EQ(lost.bytes, "C:\\?") << "the replacement is kept for an entry that must not vanish";
    lost = dirsfile::recordText(L"\x65E5" + std::wstring(60, 0x3042), doubleByte);
    EXPECT_FALSE(lost.exact);
    EXPECT_EQ(lost.bytes.size(), 99u) << "cut at a character boundary all the same";

    // A lost character beyond the first 100 is cut off anyway.
    auto cut = dirsfile::recordText(std::wstring(100, L'b') + L"\x65E5", doubleByte);
    EXPECT_TRUE(cut.exact);
    EXPECT_EQ(cut.bytes, std::string(100, 'b'));
}

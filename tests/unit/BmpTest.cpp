#include "platform/Error.h"
#include "tools/Bmp.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

// A top-down image whose pixel (x, y) holds the bytes x, y, 0x80 (+ 0xAA at 32 bits), rows
// padded with 0xEE so that stray padding would show.
platform::Image numbered(int width, int height, int bits, int extraStride) {
    platform::Image image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bits;
    image.stride = width * bits / 8 + extraStride;
    image.bits.assign(std::size_t(image.stride * height), 0xEE);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto* p = &image.bits[std::size_t(y * image.stride + x * bits / 8)];
            p[0] = std::uint8_t(x);
            p[1] = std::uint8_t(y);
            p[2] = 0x80;
            if (bits == 32)
                p[3] = 0xAA;
        }
    return image;
}

} // namespace

TEST(Bmp, HeadersDescribeAnUncompressedBottomUpBitmap) {
    const auto b = bmp::fileBytes(numbered(3, 2, 24, 0));
    ASSERT_EQ(b.size(), 54u + 2 * 12);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), b.size());
    EXPECT_EQ(u32(b, 6), 0u);
    EXPECT_EQ(u32(b, 10), 54u);
    EXPECT_EQ(u32(b, 14), 40u);
    EXPECT_EQ(u32(b, 18), 3u);
    EXPECT_EQ(u32(b, 22), 2u); // positive: bottom-up
    EXPECT_EQ(b[26] | b[27] << 8, 1);
    EXPECT_EQ(b[28] | b[29] << 8, 24);
    EXPECT_EQ(u32(b, 30), 0u); // BI_RGB
    EXPECT_EQ(u32(b, 34), 24u);
}

TEST(Bmp, OddWidthsArePaddedWithZerosAndRowsGoBottomUp) {
    for (int width : {1, 3, 5, 7}) {
        for (bool sourceBottomUp : {false, true}) {
            auto image = numbered(width, 3, 24, 5); // a source stride that is not the file's
            if (sourceBottomUp) {
                // The same picture stored bottom row first.
                auto flipped = image.bits;
                for (int y = 0; y < 3; ++y)
                    std::copy_n(&image.bits[std::size_t((2 - y) * image.stride)], image.stride,
                                &flipped[std::size_t(y * image.stride)]);
                image.bits = flipped;
                image.bottomUp = true;
            }
            const auto b = bmp::fileBytes(image);
            const std::size_t row = (std::size_t(width) * 3 + 3) / 4 * 4;
            ASSERT_EQ(b.size(), 54 + row * 3) << width;
            for (int fileRow = 0; fileRow < 3; ++fileRow) {
                const int y = 2 - fileRow; // the first row of the file is the picture's bottom row
                const auto* r = &b[54 + std::size_t(fileRow) * row];
                for (int x = 0; x < width; ++x) {
                    EXPECT_EQ(r[x * 3], x);
                    EXPECT_EQ(r[x * 3 + 1], y) << "width " << width << " row " << fileRow;
                    EXPECT_EQ(r[x * 3 + 2], 0x80);
                }
                for (std::size_t pad = std::size_t(width) * 3; pad < row; ++pad)
                    EXPECT_EQ(r[pad], 0) << "padding of width " << width;
            }
        }
    }
}

TEST(Bmp, ThirtyTwoBitRowsNeedNoPaddingAndTheirUnusedByteIsZero) {
    const auto b = bmp::fileBytes(numbered(3, 2, 32, 0));
    ASSERT_EQ(b.size(), 54u + 2 * 12);
    EXPECT_EQ(b[28], 32);
    EXPECT_EQ(b[54 + 12 + 4], 1) << "pixel (1, 0) in the second file row";
    EXPECT_EQ(b[54 + 12 + 4 + 2], 0x80);
    // What the display leaves in the fourth byte would be taken for transparency by viewers
    // that read it as alpha.
    for (std::size_t at = 54 + 3; at < b.size(); at += 4)
        EXPECT_EQ(b[at], 0) << at;
}

TEST(Bmp, RejectsWhatItCannotLayOut) {
    auto sixteen = numbered(2, 2, 24, 0);
    sixteen.bitsPerPixel = 16;
    EXPECT_THROW(bmp::fileBytes(sixteen), Error);
    auto shortImage = numbered(2, 2, 24, 0);
    shortImage.bits.pop_back();
    EXPECT_THROW(bmp::fileBytes(shortImage), Error);
}

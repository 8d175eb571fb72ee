#include "tools/Bmp.h"
#include "platform/Error.h"
#include <algorithm>
#include <cstring>

namespace vx::bmp {

namespace {

void put16(std::uint8_t* at, std::uint32_t v) {
    at[0] = std::uint8_t(v);
    at[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t* at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
}

} // namespace

std::vector<std::uint8_t> fileBytes(const platform::Image& image) {
    const int bytesPerPixel = image.bitsPerPixel / 8;
    if ((image.bitsPerPixel != 24 && image.bitsPerPixel != 32) || image.width <= 0 || image.height <= 0 ||
        image.stride < image.width * bytesPerPixel ||
        image.bits.size() < std::size_t(image.stride) * std::size_t(image.height))
        throw Error(L"Invalid bitmap");
    const std::size_t rowBytes = std::size_t(image.width) * std::size_t(bytesPerPixel);
    const std::size_t paddedRow = (rowBytes + 3) & ~std::size_t(3);
    const std::size_t offset = FileHeaderSize + InfoHeaderSize;
    const std::size_t pixelBytes = paddedRow * std::size_t(image.height);

    std::vector<std::uint8_t> out(offset + pixelBytes, 0);
    std::uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, std::uint32_t(out.size()));
    put32(h + 10, std::uint32_t(offset));
    std::uint8_t* info = h + FileHeaderSize;
    put32(info, InfoHeaderSize);
    put32(info + 4, std::uint32_t(image.width));
    put32(info + 8, std::uint32_t(image.height)); // positive height: rows stored bottom-up
    put16(info + 12, 1);                          // planes
    put16(info + 14, std::uint32_t(image.bitsPerPixel));
    put32(info + 16, 0); // BI_RGB, uncompressed
    put32(info + 20, std::uint32_t(pixelBytes));

    for (int row = 0; row < image.height; ++row) { // row 0 of the file is the bottom row
        const int source = image.bottomUp ? row : image.height - 1 - row;
        std::uint8_t* target = out.data() + offset + std::size_t(row) * paddedRow;
        std::memcpy(target, image.bits.data() + std::size_t(source) * std::size_t(image.stride), rowBytes);
        // The fourth byte of a 32-bit pixel is unused, but what the display leaves there would
        // read as transparency to a viewer that takes it for alpha: it is written as zero.
        if (bytesPerPixel == 4)
            for (std::size_t at = 3; at < rowBytes; at += 4)
                target[at] = 0;
    }
    return out;
}

std::vector<std::uint8_t> packedDib(const std::vector<std::uint8_t>& bmpFile) {
    if (bmpFile.size() < std::size_t(FileHeaderSize + InfoHeaderSize))
        throw Error(L"Invalid bitmap");
    return {bmpFile.begin() + FileHeaderSize, bmpFile.end()};
}

} // namespace vx::bmp

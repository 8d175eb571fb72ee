#pragma once
// The three files the torn-file test saves over and over, each version recognisable from its
// content alone, so a checker can tell a complete file from a torn one.
#include "folders/DirsFile.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "player/M3u.h"
#include "tools/Bmp.h"
#include <string>
#include <vector>

namespace vx::torn {

inline int entriesOf(int version) { return 1 + version % 7; }

inline std::vector<std::string> folders(int version) {
    return std::vector<std::string>(std::size_t(entriesOf(version)), "C:\\Folder" + std::to_string(version));
}

inline std::vector<std::wstring> playlist(int version) {
    return std::vector<std::wstring>(std::size_t(entriesOf(version)),
                                     L"C:\\Music\\track" + std::to_wstring(version) + L".wav");
}

inline platform::Image picture(int version) {
    platform::Image image;
    image.width = 37 + version % 5; // odd widths: rows need padding
    image.height = 23;
    image.bitsPerPixel = 24;
    image.stride = (image.width * 3 + 3) / 4 * 4;
    image.bottomUp = true;
    image.bits.assign(std::size_t(image.stride * image.height), 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            auto* p = &image.bits[std::size_t(y * image.stride + x * 3)];
            p[0] = std::uint8_t(version);
            p[1] = std::uint8_t(version >> 8);
            p[2] = std::uint8_t(version >> 16);
        }
    return image;
}

} // namespace vx::torn

#pragma once
#include "platform/Screen.h"
#include <functional>

namespace vx::fakes {

// A screen whose next capture is set by the test; counts the captures taken and keeps what was
// put on the clipboard.
class FakeScreen : public platform::Screen {
  public:
    platform::Image image{2, 1, 24, 8, true, {1, 2, 3, 4, 5, 6, 0, 0}};
    int captures = 0;
    std::function<void()> onCapture; // runs as the capture is taken, so a test can see what came first
    platform::Image capture() override {
        ++captures;
        if (onCapture)
            onCapture();
        return image;
    }
    // Stands in for an encoder: a marker and the pixel bytes, so a test can tell which was written.
    std::vector<std::uint8_t> encodePng(const platform::Image& picture) override {
        std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G'};
        out.insert(out.end(), picture.bits.begin(), picture.bits.end());
        return out;
    }
    std::vector<std::uint8_t> clipboard;
    bool clipboardFree = true;
    bool copyToClipboard(const std::vector<std::uint8_t>& packedDib) override {
        if (clipboardFree)
            clipboard = packedDib;
        return clipboardFree;
    }
};

} // namespace vx::fakes

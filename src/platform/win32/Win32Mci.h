#pragma once
#include "platform/Mci.h"

namespace vx::win32 {

// With VEXTRAL_TEST_STOCK_MCI=1 in the environment, opening a file by its name fails as it does
// on a stock Windows, whose MCI plays through DirectShow: every extension but those of WAV, MP3,
// WMA, MIDI, AIFF and AU gets the error for a file that cannot be played. Wine's MCI plays far
// more; the tests need the stock limit to reach the engine that takes over.
class Win32Mci : public platform::Mci {
  public:
    Win32Mci();
    platform::MciOpenResult open(const std::wstring& deviceType, const std::wstring& element,
                                 std::uint32_t flags) override;
    std::uint32_t command(std::uint32_t device, std::uint32_t message, std::uint32_t flags,
                          std::uint32_t position, WindowId callback) override;
    std::uint32_t status(std::uint32_t device, std::uint32_t item, std::uint32_t& value) override;
    std::wstring errorText(std::uint32_t error) override;

  private:
    bool stockLimit_;
};

} // namespace vx::win32

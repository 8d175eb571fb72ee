#pragma once
#include "platform/System.h"
#include <optional>

namespace vx::win32 {

class Win32System : public platform::System {
  public:
    std::wstring programPath() override;
    platform::LocalTime localNow() override;
    std::uint32_t utcMillisecondsOfDay() override;
    std::uint64_t tickCount() override;
    std::wstring shortDate(const platform::LocalTime& t) override;
    std::wstring longTime(const platform::LocalTime& t) override;
    std::string toAnsi(const std::wstring& text, bool* exact) override;
    std::wstring fromAnsi(const std::string& bytes) override;
    unsigned ansiCodePage() override;
    unsigned legacyAnsiCodePage() override;
    std::wstring fromCodePage(unsigned codePage, const std::string& bytes) override;
    bool isMultiByte(unsigned codePage) override;
    int screenWidth() override;
    int screenHeight() override;
    // The screen's size or dots per inch may have changed: read them again when next asked.
    void screenChanged() { screen_.reset(); }

  private:
    struct ScreenSize {
        int width;
        int height;
    };
    const ScreenSize& screen();
    std::optional<ScreenSize> screen_;
};

// True when the program runs under Wine (ntdll exports wine_get_version).
bool runningUnderWine();

} // namespace vx::win32

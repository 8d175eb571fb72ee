#pragma once
#include <cstdint>
#include <string>

namespace vx::platform {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Facts of the running system: the program's own file, the clock, text encodings, the screen.
class System {
  public:
    virtual ~System() = default;
    virtual std::wstring programPath() = 0;
    virtual LocalTime localNow() = 0;
    // The UTC time of day in milliseconds since midnight.
    virtual std::uint32_t utcMillisecondsOfDay() = 0;
    // Milliseconds since the system started: steady, whatever the user does to the clock.
    virtual std::uint64_t tickCount() = 0;
    virtual std::wstring shortDate(const LocalTime& t) = 0;
    virtual std::wstring longTime(const LocalTime& t) = 0;
    // Text in the system's ANSI code page; `exact` tells whether every character survived.
    virtual std::string toAnsi(const std::wstring& text, bool* exact = nullptr) = 0;
    virtual std::wstring fromAnsi(const std::string& bytes) = 0;
    // The ANSI code page's number: 65001 where Windows is set to use UTF-8 for it.
    virtual unsigned ansiCodePage() = 0;
    // The code page the system's language had for ANSI text before such a switch to UTF-8 (1251
    // for Russian): text files written until then are in it. 0 when the language has none.
    virtual unsigned legacyAnsiCodePage() = 0;
    // Text in the given code page.
    virtual std::wstring fromCodePage(unsigned codePage, const std::string& bytes) = 0;
    // Whether a code page takes more than one byte for some characters (UTF-8, and the Chinese,
    // Japanese and Korean code pages).
    virtual bool isMultiByte(unsigned codePage) = 0;
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;
};

} // namespace vx::platform

#pragma once
#include "app/Cp1251.h"
#include "platform/System.h"
#include "player/Utf8.h"
#include <map>

namespace vx::fakes {

// A machine with a fixed clock, a 1024 x 768 screen and code page 1251, or 65001 (UTF-8) when
// `codePage` says so: then, as there, each malformed byte reads as U+FFFD.
class FakeSystem : public platform::System {
  public:
    std::wstring path = L"C:\\Programs\\Vextral\\vextral.exe";
    platform::LocalTime now{2026, 12, 8, 20, 18, 5, 250};
    int width = 1024;
    int height = 768;

    std::wstring programPath() override { return path; }
    platform::LocalTime localNow() override { return now; }
    std::uint32_t utcMs = 0;
    std::uint32_t utcStep = 0; // how far the clock moves on at every reading
    std::uint32_t utcMillisecondsOfDay() override {
        const std::uint32_t now = utcMs;
        utcMs += utcStep;
        return now;
    }
    std::uint64_t ticks = 0; // the steady clock, moved by the tests
    std::uint64_t tickCount() override { return ticks; }
    std::wstring shortDate(const platform::LocalTime& t) override {
        wchar_t buffer[32];
        swprintf(buffer, 32, L"%02d.%02d.%04d", t.day, t.month, t.year);
        return buffer;
    }
    std::wstring longTime(const platform::LocalTime& t) override {
        wchar_t buffer[32];
        swprintf(buffer, 32, L"%d:%02d:%02d", t.hour, t.minute, t.second);
        return buffer;
    }
    // Characters the code page writes as a look-alike while reporting the conversion exact, as
    // the system's default best-fit mapping does ("é" as "e").
    std::map<wchar_t, char> bestFit;
    unsigned codePage = 1251;
    std::string toAnsi(const std::wstring& text, bool* exact) override {
        if (codePage == 65001) {
            if (exact)
                *exact = true;
            return utf8::encode(text);
        }
        std::wstring fitted = text;
        for (wchar_t& c : fitted)
            if (auto it = bestFit.find(c); it != bestFit.end())
                c = wchar_t(static_cast<unsigned char>(it->second));
        std::string out = cp1251::encode(fitted);
        if (exact)
            *exact = out.find('?') == std::string::npos || fitted.find(L'?') != std::wstring::npos;
        return out;
    }
    std::wstring fromAnsi(const std::string& bytes) override {
        return fromCodePage(codePage, bytes);
    }
    unsigned legacyCodePage = 1251; // the system language's code page before a switch to 65001
    unsigned ansiCodePage() override { return codePage; }
    unsigned legacyAnsiCodePage() override { return legacyCodePage; }
    std::wstring fromCodePage(unsigned page, const std::string& bytes) override {
        return page == 65001 ? utf8::decode(bytes) : cp1251::decode(bytes);
    }
    bool isMultiByte(unsigned page) override { return page == 65001; }
    int screenWidth() override { return width; }
    int screenHeight() override { return height; }
};

} // namespace vx::fakes

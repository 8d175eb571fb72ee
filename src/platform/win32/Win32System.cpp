#include "platform/win32/Win32System.h"
#include "platform/win32/ui/Dpi.h"
#include <windows.h>

namespace vx::win32 {

namespace {

SYSTEMTIME toSystemTime(const platform::LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = WORD(t.year);
    st.wMonth = WORD(t.month);
    st.wDay = WORD(t.day);
    st.wHour = WORD(t.hour);
    st.wMinute = WORD(t.minute);
    st.wSecond = WORD(t.second);
    st.wMilliseconds = WORD(t.millisecond);
    return st;
}

} // namespace

bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring Win32System::programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

platform::LocalTime Win32System::localNow() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::uint32_t Win32System::utcMillisecondsOfDay() {
    SYSTEMTIME st{};
    GetSystemTime(&st);
    return ((std::uint32_t(st.wHour) * 60 + st.wMinute) * 60 + st.wSecond) * 1000 + st.wMilliseconds;
}

std::uint64_t Win32System::tickCount() { return GetTickCount64(); }

std::wstring Win32System::shortDate(const platform::LocalTime& t) {
    SYSTEMTIME st = toSystemTime(t);
    wchar_t buffer[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128);
    return buffer;
}

std::wstring Win32System::longTime(const platform::LocalTime& t) {
    SYSTEMTIME st = toSystemTime(t);
    wchar_t buffer[128] = {};
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128);
    return buffer;
}

std::string Win32System::toAnsi(const std::wstring& text, bool* exact) {
    if (exact)
        *exact = true;
    if (text.empty())
        return {};
    // Without WC_NO_BEST_FIT_CHARS a character the code page lacks may be written as a
    // look-alike ("é" as "e") and not reported: the text would name another file. A UTF-8 code
    // page takes neither that flag nor the lossy report, and loses nothing anyway.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossyOut = utf8 ? nullptr : &lossy;
    int n = WideCharToMultiByte(CP_ACP, flags, text.data(), int(text.size()), nullptr, 0, nullptr, lossyOut);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), int(text.size()), out.data(), n, nullptr, lossyOut);
    if (exact)
        *exact = !lossy;
    return out;
}

std::wstring Win32System::fromAnsi(const std::string& bytes) {
    return fromCodePage(CP_ACP, bytes);
}

unsigned Win32System::ansiCodePage() {
    return GetACP();
}

unsigned Win32System::legacyAnsiCodePage() {
    // LOCALE_IUSEUTF8LEGACYACP (newer than MinGW's headers) is documented as the legacy code page
    // of a system set to UTF-8; systems before it, and Wine, answer only for the locale's default
    // ANSI code page, which there is the legacy one. The system locale's, as GetACP follows it
    // (by its LCID: Wine 8's GetLocaleInfoEx refuses the system locale's name).
    constexpr LCTYPE useUtf8LegacyAcp = 0x666;
    for (const LCTYPE item : {useUtf8LegacyAcp, LCTYPE(LOCALE_IDEFAULTANSICODEPAGE)}) {
        DWORD codePage = 0;
        if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, item | LOCALE_RETURN_NUMBER,
                           reinterpret_cast<LPWSTR>(&codePage),
                           sizeof(codePage) / sizeof(wchar_t)) &&
            codePage != CP_ACP && codePage != CP_UTF8)
            return codePage;
    }
    return 0;
}

std::wstring Win32System::fromCodePage(unsigned codePage, const std::string& bytes) {
    if (bytes.empty())
        return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), out.data(), n);
    return out;
}

bool Win32System::isMultiByte(unsigned codePage) {
    CPINFO info{};
    return GetCPInfo(codePage, &info) && info.MaxCharSize > 1;
}

int Win32System::screenWidth() { return screen().width; }
int Win32System::screenHeight() { return screen().height; }

const Win32System::ScreenSize& Win32System::screen() {
    // In the 96-dpi units that every window position is given in (the same as pixels at 96
    // dpi). Reading the dots per inch takes a device context of the screen: once, and again
    // only after the screen changed.
    if (!screen_) {
        const DpiScale dpi = DpiScale::ofScreen();
        screen_ = ScreenSize{dpi.units(GetSystemMetrics(SM_CXSCREEN)),
                             dpi.units(GetSystemMetrics(SM_CYSCREEN))};
    }
    return *screen_;
}

} // namespace vx::win32

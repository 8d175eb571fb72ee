#include "platform/win32/Win32Mci.h"
#include "platform/win32/PathNames.h"
#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

namespace vx::win32 {

namespace {

bool stockPlays(const std::wstring& element) {
    static const wchar_t* const extensions[] = {L".wav",  L".mp3", L".wma", L".mid",
                                                L".midi", L".rmi", L".aif", L".aiff",
                                                L".aifc", L".au",  L".snd"};
    const std::size_t dot = element.rfind(L'.');
    if (dot == std::wstring::npos || element.find_first_of(L"\\/:", dot) != std::wstring::npos)
        return false;
    const wchar_t* extension = element.c_str() + dot;
    for (const wchar_t* known : extensions)
        if (lstrcmpiW(extension, known) == 0)
            return true;
    return false;
}

// MCI takes no name of MAX_PATH characters or more: such a file goes by its short name, where
// its volume keeps short names and that one is short enough.
std::wstring openableName(const std::wstring& element) {
    if (element.size() < MAX_PATH || element.rfind(L"\\\\", 0) == 0)
        return element;
    std::wstring shortName = shortPathName(L"\\\\?\\" + element);
    if (shortName.rfind(L"\\\\?\\", 0) == 0)
        shortName.erase(0, 4);
    return !shortName.empty() && shortName.size() < MAX_PATH ? shortName : element;
}

} // namespace

Win32Mci::Win32Mci() {
    wchar_t value[4] = {};
    stockLimit_ =
        GetEnvironmentVariableW(L"VEXTRAL_TEST_STOCK_MCI", value, 4) == 1 && value[0] == L'1';
}

platform::MciOpenResult Win32Mci::open(const std::wstring& deviceType, const std::wstring& element,
                                       std::uint32_t flags) {
    if (stockLimit_ && deviceType.empty() && (flags & MCI_OPEN_ELEMENT) && !stockPlays(element))
        return {MCIERR_INVALID_FILE, 0};
    const std::wstring name = deviceType.empty() ? openableName(element) : element;
    MCI_OPEN_PARMSW params{};
    params.lpstrDeviceType = deviceType.empty() ? nullptr : deviceType.c_str();
    params.lpstrElementName = name.c_str();
    MCIERROR rc = mciSendCommandW(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&params));
    return {std::uint32_t(rc), rc == 0 ? std::uint32_t(params.wDeviceID) : 0u};
}

std::uint32_t Win32Mci::command(std::uint32_t device, std::uint32_t message, std::uint32_t flags,
                                std::uint32_t position, WindowId callback) {
    // Every command gets the parameter block of its own layout: the callback window comes first
    // in all of them, the position goes to the play block's start or the seek block's target.
    const auto id = MCIDEVICEID(device);
    const auto cb = DWORD_PTR(callback);
    switch (message) {
    case MCI_PLAY: {
        MCI_PLAY_PARMS params{};
        params.dwCallback = cb;
        params.dwFrom = position;
        return std::uint32_t(mciSendCommandW(id, message, flags, reinterpret_cast<DWORD_PTR>(&params)));
    }
    case MCI_SEEK: {
        MCI_SEEK_PARMS params{};
        params.dwCallback = cb;
        params.dwTo = position;
        return std::uint32_t(mciSendCommandW(id, message, flags, reinterpret_cast<DWORD_PTR>(&params)));
    }
    case MCI_SET: {
        MCI_SET_PARMS params{};
        params.dwCallback = cb;
        return std::uint32_t(mciSendCommandW(id, message, flags, reinterpret_cast<DWORD_PTR>(&params)));
    }
    default: {
        MCI_GENERIC_PARMS params{};
        params.dwCallback = cb;
        return std::uint32_t(mciSendCommandW(id, message, flags, reinterpret_cast<DWORD_PTR>(&params)));
    }
    }
}

std::uint32_t Win32Mci::status(std::uint32_t device, std::uint32_t item, std::uint32_t& value) {
    MCI_STATUS_PARMS params{};
    params.dwItem = item;
    MCIERROR rc = mciSendCommandW(MCIDEVICEID(device), MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM,
                                  reinterpret_cast<DWORD_PTR>(&params));
    value = std::uint32_t(params.dwReturn);
    return std::uint32_t(rc);
}

std::wstring Win32Mci::errorText(std::uint32_t error) {
    wchar_t buffer[4096] = {};
    if (!mciGetErrorStringW(error, buffer, 4096))
        return {};
    return buffer;
}

} // namespace vx::win32

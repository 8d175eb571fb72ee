#include "platform/win32/Win32Mci.h"
#include <windows.h>
#include <mmsystem.h>

namespace vx::win32 {

platform::MciOpenResult Win32Mci::open(const std::wstring& deviceType, const std::wstring& element,
                                       std::uint32_t flags) {
    MCI_OPEN_PARMSW params{};
    params.lpstrDeviceType = deviceType.empty() ? nullptr : deviceType.c_str();
    params.lpstrElementName = element.c_str();
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

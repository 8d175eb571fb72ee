#pragma once
#include "platform/Mci.h"
#include "platform/Types.h"
#include <cstdint>
#include <string>

namespace vx {

// The media engine: one file at a time through the media control interface. Positions and
// lengths are in milliseconds, the device's default time format. Failures raise vx::Error with
// the text the user sees.
class MediaEngine {
  public:
    static constexpr const wchar_t* NotOpenText = L"No MCI device open";
    static constexpr const wchar_t* UnknownErrorText = L"Unknown error code";

    explicit MediaEngine(platform::Mci& mci) : mci_(mci) {}
    MediaEngine(const MediaEngine&) = delete;
    MediaEngine& operator=(const MediaEngine&) = delete;

    // The window that the play and resume notifications are addressed to.
    void setNotifyWindow(WindowId window) { notifyWindow_ = window; }
    WindowId notifyWindow() const { return notifyWindow_; }

    // The element to open: a full path or a name relative to the current folder.
    void setFileName(const std::wstring& name) { fileName_ = name; }
    const std::wstring& fileName() const { return fileName_; }
    std::uint32_t deviceId() const { return device_; }
    bool isOpen() const { return device_ != 0; }

    // Closes the open device, if any; its result is not examined.
    void close();
    // Closes an open device first; the system picks the device from the file.
    void open();
    // Starts playing from the current position and returns at once; at the end, from the start.
    void play();
    // Pauses while playing, resumes while paused; in other modes nothing.
    void pause();
    void stop();
    // The device's mode (platform::mci::ModePlay, ModePause, ModeStop ...); 0 with no device open.
    std::uint32_t mode();
    void seek(std::uint32_t positionMs);
    std::uint32_t length();
    // Needs no open device: then it answers 0.
    std::uint32_t position();

  private:
    void requireOpen() const;
    std::uint32_t statusItem(std::uint32_t item);

    platform::Mci& mci_;
    WindowId notifyWindow_ = 0;
    std::wstring fileName_;
    std::uint32_t device_ = 0;
};

} // namespace vx

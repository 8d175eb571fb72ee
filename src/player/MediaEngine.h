#pragma once
#include "platform/Mci.h"
#include "platform/MediaFoundation.h"
#include "platform/Types.h"
#include <cstdint>
#include <string>

namespace vx {

// The media engine: one file at a time through the media control interface, or, for a file that
// MCI cannot open, through Media Foundation, which the player then drives the same way. Positions
// and lengths are in milliseconds, the device's default time format. Failures raise vx::Error
// with the text the user sees.
class MediaEngine {
  public:
    static constexpr const wchar_t* NotOpenText = L"No MCI device open";
    static constexpr const wchar_t* UnknownErrorText = L"Unknown error code";
    static constexpr const wchar_t* NoDecoderText =
        L"Формат этого файла не воспроизводится на этом компьютере";

    MediaEngine(platform::Mci& mci, platform::MediaFoundation& mf) : mci_(mci), mf_(mf) {}
    MediaEngine(const MediaEngine&) = delete;
    MediaEngine& operator=(const MediaEngine&) = delete;

    // The window that the play and resume notifications are addressed to.
    void setNotifyWindow(WindowId window) { notifyWindow_ = window; }
    WindowId notifyWindow() const { return notifyWindow_; }

    // The element to open: a full path or a name relative to the current folder.
    void setFileName(const std::wstring& name) { fileName_ = name; }
    const std::wstring& fileName() const { return fileName_; }
    // The MCI device; 0 also while a file plays through Media Foundation.
    std::uint32_t deviceId() const { return device_; }
    bool isOpen() const { return device_ != 0 || onMf_; }
    bool throughMediaFoundation() const { return onMf_; }

    // Closes the open device, if any; its result is not examined.
    void close();
    // Closes an open device first; the system picks the device from the file. When MCI refuses
    // the file, Media Foundation gets it; when that fails too, MCI's error is raised, unless
    // Media Foundation found the file but no decoder for it.
    void open();
    // Starts playing from the current position and returns at once; at the end, from the start.
    void play();
    // Starts playing at a position and returns at once. Unlike a seek followed by play, this
    // works on every device: the MPEGVideo device of some systems refuses seeks to a position.
    // Where Media Foundation refuses to seek, the track plays on from where it stands.
    void playFrom(std::uint32_t positionMs);
    // Pauses while playing, resumes while paused; in other modes nothing.
    void pause();
    void stop();
    // The device's mode (platform::mci::ModePlay, ModePause, ModeStop ...); 0 with no device open.
    std::uint32_t mode();
    // A seek to 0 goes to the start in the form every device takes; where Media Foundation
    // refuses it, the file is opened again, which puts it at its start.
    void seek(std::uint32_t positionMs);
    std::uint32_t length();
    // Needs no open device: then it answers 0.
    std::uint32_t position();

    // Whether the program has a track playing or paused: a device is open and neither a stop,
    // a seek nor a close came after the last play. A track that played to its end still counts
    // until ended() has seen it.
    bool started() const { return isOpen() && run_ != Run::Stopped; }
    // Whether the playing track has reached its end; meant to be asked once a timer period.
    // Devices mark the end differently: WaveAudio holds the position at the length, while
    // MPEGVideo goes back to mode stopped at position 0. So the end is the position equal to
    // the length, or the device stopped on its own while the program had it playing. A stop or
    // a pause by the program never counts.
    bool ended();

  private:
    enum class Run { Stopped, Playing, Paused };
    void requireOpen() const;
    std::uint32_t statusItem(std::uint32_t item);
    void nowPlaying();
    void openMf(std::uint32_t mciError);
    void rewindMf();
    std::uint32_t mfMode();

    platform::Mci& mci_;
    platform::MediaFoundation& mf_;
    bool onMf_ = false; // the open file plays through Media Foundation
    WindowId notifyWindow_ = 0;
    std::wstring fileName_;
    std::uint32_t device_ = 0;
    Run run_ = Run::Stopped;
    bool seenPlaying_ = false; // the device reported mode playing since the last play
    int stoppedReads_ = 0;     // ended() found it stopped this many times in a row
};

} // namespace vx

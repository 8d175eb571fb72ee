#include "player/MediaEngine.h"
#include "platform/Error.h"

namespace vx {

namespace mci = platform::mci;

void MediaEngine::requireOpen() const {
    if (!device_)
        throw Error(NotOpenText);
}

std::uint32_t MediaEngine::statusItem(std::uint32_t item) {
    std::uint32_t value = 0;
    mci_.status(device_, item, value);
    return value;
}

void MediaEngine::nowPlaying() {
    run_ = Run::Playing;
    seenPlaying_ = false;
    stoppedReads_ = 0;
}

void MediaEngine::close() {
    run_ = Run::Stopped;
    if (!device_)
        return;
    mci_.command(device_, mci::Close, mci::Wait);
    device_ = 0;
}

void MediaEngine::open() {
    close();
    auto result = mci_.open(L"", fileName_, mci::Wait | mci::OpenElement);
    if (result.error) {
        std::wstring text = mci_.errorText(result.error);
        throw Error(text.empty() ? std::wstring(UnknownErrorText) : text);
    }
    device_ = result.device;
}

void MediaEngine::play() {
    requireOpen();
    if (statusItem(mci::StatusPosition) == statusItem(mci::StatusLength))
        mci_.command(device_, mci::Seek, mci::Wait | mci::SeekToStart);
    mci_.command(device_, mci::Play, mci::Notify, 0, notifyWindow_);
    nowPlaying();
}

void MediaEngine::playFrom(std::uint32_t positionMs) {
    requireOpen();
    mci_.command(device_, mci::Play, mci::Notify | mci::From, positionMs, notifyWindow_);
    nowPlaying();
}

void MediaEngine::pause() {
    requireOpen();
    const std::uint32_t mode = statusItem(mci::StatusMode);
    if (mode == mci::ModePlay) {
        mci_.command(device_, mci::Pause, mci::Wait);
        run_ = Run::Paused;
    } else if (mode == mci::ModePause) {
        if (mci_.command(device_, mci::Resume, mci::Notify, 0, notifyWindow_) != 0)
            play(); // devices without a resume command continue with play
        run_ = Run::Playing;
        stoppedReads_ = 0;
    }
}

void MediaEngine::stop() {
    requireOpen();
    mci_.command(device_, mci::Stop, mci::Wait);
    run_ = Run::Stopped;
}

void MediaEngine::seek(std::uint32_t positionMs) {
    requireOpen();
    if (positionMs == 0)
        mci_.command(device_, mci::Seek, mci::Wait | mci::SeekToStart);
    else
        mci_.command(device_, mci::Seek, mci::Wait | mci::To, positionMs);
    run_ = Run::Stopped; // a seek leaves the device stopped
}

bool MediaEngine::ended() {
    if (!device_ || run_ != Run::Playing)
        return false;
    const std::uint32_t length = statusItem(mci::StatusLength);
    if (length > 0 && statusItem(mci::StatusPosition) == length)
        return true;
    const std::uint32_t mode = statusItem(mci::StatusMode);
    if (mode != mci::ModeStop) {
        seenPlaying_ = seenPlaying_ || mode == mci::ModePlay;
        stoppedReads_ = 0;
        return false;
    }
    // Stopped though the program had it playing. A device told to play a moment ago may not
    // have started yet: a stop before it was ever seen playing counts only when read twice.
    ++stoppedReads_;
    return seenPlaying_ || stoppedReads_ >= 2;
}

std::uint32_t MediaEngine::length() {
    requireOpen();
    return statusItem(mci::StatusLength);
}

std::uint32_t MediaEngine::mode() { return device_ ? statusItem(mci::StatusMode) : 0; }

std::uint32_t MediaEngine::position() { return device_ ? statusItem(mci::StatusPosition) : 0; }

} // namespace vx

#include "player/MediaEngine.h"
#include "platform/Error.h"

namespace vx {

namespace mci = platform::mci;

void MediaEngine::requireOpen() const {
    if (!isOpen())
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
    if (onMf_) {
        mf_.close();
        onMf_ = false;
    }
    if (!device_)
        return;
    mci_.command(device_, mci::Close, mci::Wait);
    device_ = 0;
}

void MediaEngine::open() {
    close();
    auto result = mci_.open(L"", fileName_, mci::Wait | mci::OpenElement);
    if (result.error)
        openMf(result.error);
    else
        device_ = result.device;
}

void MediaEngine::openMf(std::uint32_t mciError) {
    switch (mf_.open(fileName_)) {
    case platform::MfOpen::Ok:
        onMf_ = true;
        return;
    case platform::MfOpen::NoDecoder:
        throw Error(NoDecoderText);
    default:
        break;
    }
    std::wstring text = mci_.errorText(mciError);
    throw Error(text.empty() ? std::wstring(UnknownErrorText) : text);
}

void MediaEngine::rewindMf() {
    if (mf_.seek(0))
        return;
    // A Media Foundation without seeking: a file opened again stands at its start.
    if (mf_.open(fileName_) != platform::MfOpen::Ok) {
        onMf_ = false;
        run_ = Run::Stopped;
    }
}

std::uint32_t MediaEngine::mfMode() {
    if (!mf_.paused() && !mf_.ended())
        return mci::ModePlay;
    return run_ == Run::Paused ? mci::ModePause : mci::ModeStop;
}

void MediaEngine::play() {
    requireOpen();
    if (onMf_) {
        if (mf_.ended())
            rewindMf();
        requireOpen();
        mf_.play();
        nowPlaying();
        return;
    }
    if (statusItem(mci::StatusPosition) == statusItem(mci::StatusLength))
        mci_.command(device_, mci::Seek, mci::Wait | mci::SeekToStart);
    mci_.command(device_, mci::Play, mci::Notify, 0, notifyWindow_);
    nowPlaying();
}

void MediaEngine::playFrom(std::uint32_t positionMs) {
    requireOpen();
    if (onMf_) {
        mf_.seek(positionMs);
        mf_.play();
        nowPlaying();
        return;
    }
    mci_.command(device_, mci::Play, mci::Notify | mci::From, positionMs, notifyWindow_);
    nowPlaying();
}

void MediaEngine::pause() {
    requireOpen();
    const std::uint32_t mode = this->mode();
    if (onMf_) {
        if (mode == mci::ModePlay) {
            mf_.pause();
            run_ = Run::Paused;
        } else if (mode == mci::ModePause) {
            mf_.play();
            run_ = Run::Playing;
            stoppedReads_ = 0;
        }
        return;
    }
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
    if (onMf_)
        mf_.pause();
    else
        mci_.command(device_, mci::Stop, mci::Wait);
    run_ = Run::Stopped;
}

void MediaEngine::seek(std::uint32_t positionMs) {
    requireOpen();
    if (onMf_) {
        mf_.pause();
        if (positionMs == 0)
            rewindMf();
        else
            mf_.seek(positionMs);
    } else if (positionMs == 0)
        mci_.command(device_, mci::Seek, mci::Wait | mci::SeekToStart);
    else
        mci_.command(device_, mci::Seek, mci::Wait | mci::To, positionMs);
    run_ = Run::Stopped; // a seek leaves the device stopped
}

bool MediaEngine::ended() {
    if (!isOpen() || run_ != Run::Playing)
        return false;
    if (onMf_)
        return mf_.ended();
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
    return onMf_ ? mf_.length() : statusItem(mci::StatusLength);
}

std::uint32_t MediaEngine::mode() {
    if (onMf_)
        return mfMode();
    return device_ ? statusItem(mci::StatusMode) : 0;
}

std::uint32_t MediaEngine::position() {
    if (onMf_)
        return mf_.position();
    return device_ ? statusItem(mci::StatusPosition) : 0;
}

} // namespace vx

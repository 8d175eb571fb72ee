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

void MediaEngine::close() {
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
}

void MediaEngine::pause() {
    requireOpen();
    const std::uint32_t mode = statusItem(mci::StatusMode);
    if (mode == mci::ModePlay) {
        mci_.command(device_, mci::Pause, mci::Wait);
    } else if (mode == mci::ModePause) {
        if (mci_.command(device_, mci::Resume, mci::Notify, 0, notifyWindow_) != 0)
            play(); // devices without a resume command continue with play
    }
}

void MediaEngine::stop() {
    requireOpen();
    mci_.command(device_, mci::Stop, mci::Wait);
}

void MediaEngine::seek(std::uint32_t positionMs) {
    requireOpen();
    mci_.command(device_, mci::Seek, mci::Wait | mci::To, positionMs);
}

std::uint32_t MediaEngine::length() {
    requireOpen();
    return statusItem(mci::StatusLength);
}

std::uint32_t MediaEngine::mode() { return device_ ? statusItem(mci::StatusMode) : 0; }

std::uint32_t MediaEngine::position() { return device_ ? statusItem(mci::StatusPosition) : 0; }

} // namespace vx

#pragma once
#include "platform/MediaFoundation.h"
#include <memory>

namespace vx::win32 {

// Media Foundation's Media Engine, audio only and without a window. Nothing of Media Foundation
// is loaded until the first open: mfplat.dll is loaded then, started with COM on the calling
// (user-interface) thread, and shut down when this object goes.
class Win32MediaFoundation : public platform::MediaFoundation {
  public:
    Win32MediaFoundation();
    ~Win32MediaFoundation() override;
    Win32MediaFoundation(const Win32MediaFoundation&) = delete;
    Win32MediaFoundation& operator=(const Win32MediaFoundation&) = delete;

    platform::MfOpen open(const std::wstring& path) override;
    void close() override;
    void play() override;
    void pause() override;
    bool seek(std::uint32_t positionMs) override;
    std::uint32_t length() override;
    std::uint32_t position() override;
    bool paused() override;
    bool ended() override;

  private:
    class Stack;
    class Track;
    bool start();

    std::unique_ptr<Stack> stack_;
    bool unavailable_ = false; // the stack would not start: no second attempt
    std::unique_ptr<Track> track_;
};

} // namespace vx::win32

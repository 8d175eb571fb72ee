#pragma once
#include <cstdint>
#include <string>

namespace vx::platform {

// How an attempt to open a file through Media Foundation ended.
enum class MfOpen {
    Ok,
    Unavailable, // no Media Foundation on this system, or it would not start
    NoDecoder,   // the file is there, but no decoder on this system takes its format
    Failed,      // anything else: a missing or unreadable file, a time-out
};

// One audio file at a time through Media Foundation's Media Engine, without a window. The stack
// is started at the first open, not before. Positions and lengths are in milliseconds.
class MediaFoundation {
  public:
    virtual ~MediaFoundation() = default;
    // Closes the open file, then opens `path` paused at its start and waits until its length is
    // known.
    virtual MfOpen open(const std::wstring& path) = 0;
    virtual void close() = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Moves to a position; false where the system refuses to seek (the position stays).
    virtual bool seek(std::uint32_t positionMs) = 0;
    virtual std::uint32_t length() = 0;
    virtual std::uint32_t position() = 0;
    virtual bool paused() = 0;
    // Whether the file has played to its end.
    virtual bool ended() = 0;
};

} // namespace vx::platform

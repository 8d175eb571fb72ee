#pragma once
#include "platform/MediaFoundation.h"
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vx::fakes {

// One file at a time, as the Media Engine plays it; time passes only in advance(). Files it
// knows are in `lengths`; `noDecoder` are there but undecodable; every other file is missing.
class FakeMediaFoundation : public platform::MediaFoundation {
  public:
    std::map<std::wstring, std::uint32_t> lengths;
    std::set<std::wstring> noDecoder;
    bool available = true;
    bool seeks = true; // false: every seek is refused, as under Wine 8
    std::vector<std::wstring> opened;
    std::wstring file; // empty when none is open
    std::uint32_t at = 0; // the position
    bool isPaused = true;

    platform::MfOpen open(const std::wstring& path) override {
        close();
        opened.push_back(path);
        using platform::MfOpen;
        if (!available || noDecoder.count(path) || !lengths.count(path))
            return !available ? MfOpen::Unavailable : noDecoder.count(path) ? MfOpen::NoDecoder : MfOpen::Failed;
        file = path;
        return MfOpen::Ok;
    }
    void close() override { file.clear(), at = 0, isPaused = true; }
    void play() override { isPaused = false; }
    void pause() override { isPaused = true; }
    bool seek(std::uint32_t ms) override { return seeks && ((at = std::min(ms, length())), true); }
    std::uint32_t length() override { return file.empty() ? 0 : lengths[file]; }
    std::uint32_t position() override { return at; }
    bool paused() override { return isPaused; }
    bool ended() override { return !file.empty() && at == length(); }
    void advance(std::uint32_t ms) { at = isPaused ? at : std::min(length(), at + ms); }
};

} // namespace vx::fakes

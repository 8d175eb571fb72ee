#pragma once
#include "platform/Mci.h"
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vx::fakes {

// Records every command and keeps the state of each open device: mode, length, position. Time
// passes only when the test calls advance(). Answers and failures are set by the test.
class FakeMci : public platform::Mci {
  public:
    struct Sent {
        std::uint32_t device, message, flags, to;
        std::wstring type, element;
        WindowId callback = 0;
    };
    struct Device {
        std::wstring element;
        std::uint32_t length = 0;
        std::uint32_t position = 0;
        std::uint32_t mode = platform::mci::ModeStop;
        bool mpegVideo = false;
    };
    static constexpr std::uint32_t FileNotFound = 275; // MCIERR_FILE_NOT_FOUND
    static constexpr std::uint32_t InvalidDevice = 257; // MCIERR_INVALID_DEVICE_ID

    std::vector<Sent> sent;
    std::uint32_t openError = 0;
    std::uint32_t nextDevice = 1;
    std::map<std::wstring, std::uint32_t> lengths; // element -> length in ms
    std::set<std::wstring> missing;                 // elements whose open fails with FileNotFound
    // Elements played as the MPEGVideo device does under Wine: at its end the device is stopped
    // at position 0, a stop goes back to 0, and a seek to a position fails.
    std::set<std::wstring> mpegVideo;
    std::map<std::uint32_t, std::uint32_t> failing; // message -> error it answers with
    std::map<std::uint32_t, Device> devices;        // the open devices

    platform::MciOpenResult open(const std::wstring& type, const std::wstring& element, std::uint32_t flags) override {
        sent.push_back({0, platform::mci::Open, flags, 0, type, element});
        if (openError)
            return {openError, 0};
        if (missing.count(element))
            return {FileNotFound, 0};
        const std::uint32_t id = nextDevice++;
        auto it = lengths.find(element);
        devices[id] = Device{element, it == lengths.end() ? 0u : it->second};
        devices[id].mpegVideo = mpegVideo.count(element) > 0;
        return {0, id};
    }
    std::uint32_t command(std::uint32_t device, std::uint32_t message, std::uint32_t flags, std::uint32_t to,
                          WindowId callback) override {
        namespace mci = platform::mci;
        sent.push_back({device, message, flags, to, {}, {}, callback});
        if (auto f = failing.find(message); f != failing.end())
            return f->second;
        auto it = devices.find(device);
        if (it == devices.end())
            return 0;
        Device& d = it->second;
        switch (message) {
        case mci::Close: devices.erase(it); break;
        case mci::Play:
        case mci::Resume:
            if (flags & mci::From)
                d.position = std::min(to, d.length);
            d.mode = d.position < d.length ? mci::ModePlay : mci::ModeStop;
            break;
        case mci::Pause: d.mode = mci::ModePause; break;
        case mci::Stop:
            d.mode = mci::ModeStop;
            if (d.mpegVideo)
                d.position = 0;
            break;
        case mci::Seek:
            d.mode = mci::ModeStop;
            if (d.mpegVideo && !(flags & mci::SeekToStart))
                return 277; // MCIERR_INTERNAL
            d.position = (flags & mci::SeekToStart) ? 0 : std::min(to, d.length);
            break;
        default: break;
        }
        return 0;
    }
    std::uint32_t status(std::uint32_t device, std::uint32_t item, std::uint32_t& value) override {
        namespace mci = platform::mci;
        sent.push_back({device, mci::Status, item, 0, {}, {}});
        value = 0;
        auto it = devices.find(device);
        if (it == devices.end())
            return 0;
        const Device& d = it->second;
        value = item == mci::StatusLength ? d.length : item == mci::StatusPosition ? d.position : d.mode;
        return 0;
    }
    std::wstring errorText(std::uint32_t error) override { return error == FileNotFound ? L"Cannot find the file." : L""; }

    // Lets `ms` of playing time pass on every playing device; a device stops at its end.
    void advance(std::uint32_t ms) {
        for (auto& [id, d] : devices)
            if (d.mode == platform::mci::ModePlay) {
                d.position = std::min(d.length, d.position + ms);
                if (d.position == d.length) {
                    d.mode = platform::mci::ModeStop;
                    if (d.mpegVideo)
                        d.position = 0;
                }
            }
    }
    // The commands sent since `from`, without the status queries, as (message, flags) pairs.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> commandsSince(std::size_t from) const {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
        for (std::size_t i = from; i < sent.size(); ++i)
            if (sent[i].message != platform::mci::Status)
                out.emplace_back(sent[i].message, sent[i].flags);
        return out;
    }
    // The open device `id`, never null: asked for a device that is not open, the test fails
    // there alone instead of ending the whole run at the first use of a null device.
    Device* device(std::uint32_t id) {
        auto it = devices.find(id);
        if (it == devices.end())
            throw std::logic_error("no MCI device " + std::to_string(id) + " is open");
        return &it->second;
    }
};

} // namespace vx::fakes

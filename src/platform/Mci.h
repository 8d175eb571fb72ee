#pragma once
#include "platform/Types.h"
#include <cstdint>
#include <string>

namespace vx::platform {

// The Media Control Interface at the level of its commands: the program decides which command
// to send with which flags; this layer only carries them to the system.
namespace mci {
// Commands.
constexpr std::uint32_t Open = 0x0803;
constexpr std::uint32_t Close = 0x0804;
constexpr std::uint32_t Play = 0x0806;
constexpr std::uint32_t Seek = 0x0807;
constexpr std::uint32_t Stop = 0x0808;
constexpr std::uint32_t Pause = 0x0809;
constexpr std::uint32_t Set = 0x080D;
constexpr std::uint32_t Status = 0x0814;
constexpr std::uint32_t Resume = 0x0855;
// Flags.
constexpr std::uint32_t Notify = 0x1;
constexpr std::uint32_t Wait = 0x2;
constexpr std::uint32_t From = 0x4;
constexpr std::uint32_t To = 0x8;
constexpr std::uint32_t OpenType = 0x2000;
constexpr std::uint32_t OpenElement = 0x0200;
constexpr std::uint32_t SeekToStart = 0x0100;
constexpr std::uint32_t StatusItem = 0x0100;
constexpr std::uint32_t SetDoorOpen = 0x0100;
constexpr std::uint32_t SetDoorClosed = 0x0200;
// Status items and modes.
constexpr std::uint32_t StatusLength = 1;
constexpr std::uint32_t StatusPosition = 2;
constexpr std::uint32_t StatusMode = 4;
constexpr std::uint32_t ModeStop = 525;
constexpr std::uint32_t ModePlay = 526;
constexpr std::uint32_t ModePause = 529;
} // namespace mci

struct MciOpenResult {
    std::uint32_t error = 0; // 0 on success
    std::uint32_t device = 0;
};

class Mci {
  public:
    virtual ~Mci() = default;
    // MCI_OPEN with a device type (empty for none) and an element name.
    virtual MciOpenResult open(const std::wstring& deviceType, const std::wstring& element, std::uint32_t flags) = 0;
    // A command with the parameter block it needs: `position` is where MCI_SEEK goes with MCI_TO
    // and where MCI_PLAY starts with MCI_FROM; `callback` is the window that an MCI_NOTIFY
    // notification is posted to.
    virtual std::uint32_t command(std::uint32_t device, std::uint32_t message, std::uint32_t flags,
                                  std::uint32_t position = 0, WindowId callback = 0) = 0;
    // MCI_STATUS with MCI_WAIT | MCI_STATUS_ITEM; `value` receives the answer.
    virtual std::uint32_t status(std::uint32_t device, std::uint32_t item, std::uint32_t& value) = 0;
    // The system's text for an error code; empty when it has none.
    virtual std::wstring errorText(std::uint32_t error) = 0;
};

} // namespace vx::platform

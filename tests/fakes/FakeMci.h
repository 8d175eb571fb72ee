#pragma once
#include "platform/Mci.h"
#include <string>
#include <vector>

namespace vx::fakes {

// Records every command; answers are set by the test.
class FakeMci : public platform::Mci {
  public:
    struct Sent {
        std::uint32_t device, message, flags, to;
        std::wstring type, element;
    };
    std::vector<Sent> sent;
    std::uint32_t openError = 0;
    std::uint32_t nextDevice = 1;

    platform::MciOpenResult open(const std::wstring& type, const std::wstring& element, std::uint32_t flags) override {
        sent.push_back({0, platform::mci::Open, flags, 0, type, element});
        if (openError)
            return {openError, 0};
        return {0, nextDevice++};
    }
    std::uint32_t command(std::uint32_t device, std::uint32_t message, std::uint32_t flags, std::uint32_t to) override {
        sent.push_back({device, message, flags, to, {}, {}});
        return 0;
    }
    std::uint32_t status(std::uint32_t device, std::uint32_t item, std::uint32_t& value) override {
        sent.push_back({device, platform::mci::Status, item, 0, {}, {}});
        value = 0;
        return 0;
    }
    std::wstring errorText(std::uint32_t error) override { return error == 275 ? L"Cannot find the file." : L""; }
};

} // namespace vx::fakes

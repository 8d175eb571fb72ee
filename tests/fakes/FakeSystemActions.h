#pragma once
#include "platform/SystemActions.h"
#include <string>
#include <vector>

namespace vx::fakes {

// Records the actions asked for; the answers are set by the test.
class FakeSystemActions : public platform::SystemActions {
  public:
    std::optional<bool> saverActive = false; // nothing: the query fails
    std::optional<std::wstring> privilegeFailure;
    std::optional<std::wstring> shutdownFailure;
    int saverStarts = 0;
    int privilegeRequests = 0;
    int shutdowns = 0;
    std::vector<std::string>* log = nullptr; // shared record of effects, for order tests

    std::optional<bool> screenSaverActive() override { return saverActive; }
    void startScreenSaver() override { ++saverStarts; }
    std::optional<std::wstring> enableShutdownPrivilege() override {
        ++privilegeRequests;
        record("shutdown privilege");
        return privilegeFailure;
    }
    std::optional<std::wstring> shutdown() override {
        ++shutdowns;
        record("shutdown");
        return shutdownFailure;
    }

  private:
    void record(const char* what) {
        if (log)
            log->push_back(what);
    }
};

} // namespace vx::fakes

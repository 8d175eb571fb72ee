#include "tools/AutoRun.h"
#include "settings/RegistryObject.h"

namespace vx::autorun {

namespace {

using platform::RegRoot;

std::optional<platform::RegValue> valueIn(platform::Registry& registry, RegRoot root,
                                          const wchar_t* path) {
    const auto key = registry.open(root, path);
    return key ? key->query(ValueName) : std::nullopt;
}

// The startup apps list keeps a REG_BINARY of 12 bytes for each program it has shown: a first
// byte of 02 or 06 when on, 03 or 07 when turned off (then the time it was turned off). No record
// is on.
bool turnedOff(const std::optional<platform::RegValue>& record) {
    return record && record->type == platform::regtype::Binary && !record->data.empty() &&
           (record->data[0] & 1);
}

bool startsFrom(platform::Registry& registry, RegRoot root) {
    return valueIn(registry, root, RunKey) && !turnedOff(valueIn(registry, root, ApprovedKey));
}

} // namespace

bool isOn(platform::Registry& registry) {
    return startsFrom(registry, RegRoot::CurrentUser) ||
           startsFrom(registry, RegRoot::LocalMachine);
}

void apply(platform::Registry& registry, const std::wstring& programPath, bool enable) {
    RegistryObject run(registry, RegRoot::CurrentUser);
    if (enable) {
        if (!run.openKey(RunKey)) {
            run.createKey(RunKey);
            run.openKey(RunKey);
        }
        run.writeString(ValueName, commandFor(programPath));
        if (const auto approved = registry.open(RegRoot::CurrentUser, ApprovedKey);
            approved && turnedOff(approved->query(ValueName))) {
            platform::RegValue on{platform::regtype::Binary, std::vector<std::uint8_t>(12, 0)};
            on.data[0] = 2;
            approved->set(ValueName, on);
        }
    } else if (run.openKey(RunKey)) {
        run.deleteValue(ValueName);
    }
    run.flush();
    run.closeKey();
    if (const auto machine = registry.open(RegRoot::LocalMachine, RunKey))
        machine->remove(ValueName);
}

} // namespace vx::autorun

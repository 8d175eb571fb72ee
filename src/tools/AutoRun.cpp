#include "tools/AutoRun.h"
#include "settings/RegistryObject.h"

namespace vx::autorun {

void apply(platform::Registry& registry, const std::wstring& programPath, bool enable) {
    RegistryObject run(registry, platform::RegRoot::LocalMachine);
    run.openKey(RunKey);
    if (enable)
        run.writeString(ValueName, commandFor(programPath));
    else
        run.deleteValue(ValueName);
    run.flush();
    run.closeKey();
}

} // namespace vx::autorun

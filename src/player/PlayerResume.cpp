#include "player/PlayerResume.h"

namespace vx {

void storePlayerResume(SettingsStore& settings, const PlayerResume& state) {
    if (state.randomOrder)
        settings.writeDword(setting::PlayerRandom, *state.randomOrder ? 1 : 0);
    if (state.index) {
        settings.writeDword(setting::PlayerIndex, std::uint32_t(*state.index));
        settings.writeDword(setting::PlayerPosition, state.positionMs.value_or(0));
    }
}

void forgetPlayerEntry(SettingsStore& settings) {
    settings.deleteValue(setting::PlayerIndex);
    settings.deleteValue(setting::PlayerPosition);
}

PlayerResume readPlayerResume(SettingsStore& settings, int entries) {
    PlayerResume state;
    if (const auto random = settings.readDword(setting::PlayerRandom); random && *random <= 1)
        state.randomOrder = *random == 1;
    const auto index = settings.readDword(setting::PlayerIndex);
    if (!index || entries <= 0 || *index >= std::uint32_t(entries))
        return state;
    state.index = int(*index);
    state.positionMs = settings.readDword(setting::PlayerPosition);
    return state;
}

} // namespace vx

#include "player/PlayerResume.h"
#include "platform/Error.h"

namespace vx {

void storePlayerResume(SettingsStore& settings, const PlayerResume& state) {
    if (state.randomOrder)
        settings.writeDword(setting::PlayerRandom, *state.randomOrder ? 1 : 0);
    if (state.index) {
        settings.writeDword(setting::PlayerIndex, std::uint32_t(*state.index));
        settings.writeString(setting::PlayerPath, state.path);
        settings.writeDword(setting::PlayerPosition, state.positionMs.value_or(0));
    }
}

void forgetPlayerEntry(SettingsStore& settings) {
    settings.deleteValue(setting::PlayerIndex);
    settings.deleteValue(setting::PlayerPath);
    settings.deleteValue(setting::PlayerPosition);
}

std::optional<int> resumeEntry(const Playlist& list, std::optional<std::uint32_t> index, const std::wstring& path) {
    const bool inRange = index && *index < std::uint32_t(list.count());
    if (path.empty())
        return inRange ? std::optional<int>(int(*index)) : std::nullopt;
    if (inRange && list.path(int(*index)) == path)
        return int(*index);
    for (int i = 0; i < list.count(); ++i)
        if (list.path(i) == path)
            return i;
    return std::nullopt;
}

PlayerResume readPlayerResume(SettingsStore& settings, const Playlist& list) {
    PlayerResume state;
    if (const auto random = settings.readDword(setting::PlayerRandom); random && *random <= 1)
        state.randomOrder = *random == 1;
    std::wstring path;
    try {
        path = settings.readString(setting::PlayerPath);
    } catch (const Error&) {
        // of another type: the index stands alone
    }
    const auto entry = resumeEntry(list, settings.readDword(setting::PlayerIndex), path);
    if (!entry)
        return state;
    state.index = *entry;
    state.path = list.path(*entry);
    state.positionMs = settings.readDword(setting::PlayerPosition);
    return state;
}

} // namespace vx

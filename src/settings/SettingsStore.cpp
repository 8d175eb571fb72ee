#include "settings/SettingsStore.h"
#include "platform/Error.h"

namespace vx {

using platform::RegRoot;

void SettingsStore::RegCreate() {
    RegistryObject reg(registry_, RegRoot::CurrentUser);
    if (!reg.openKey(KeyPath)) {
        reg.createKey(KeyPath);
        reg.openKey(KeyPath);
        reg.writeBool(setting::AutoRun, false);
        reg.writeString(setting::CdRom, L"D");
        reg.writeString(setting::Drive, L"C");
        reg.writeString(setting::LastPath, L"C:\\");
    }
    reg.closeKey();
}

void SettingsStore::open() {
    settings_ = std::make_unique<RegistryObject>(registry_, RegRoot::CurrentUser);
    settings_->openKey(KeyPath);
}

void SettingsStore::release() {
    if (!settings_)
        return;
    settings_->closeKey();
    settings_.reset();
}

RegistryObject& SettingsStore::current() {
    if (!settings_)
        throw Error(L"The settings store is closed");
    return *settings_;
}

std::wstring SettingsStore::readString(const std::wstring& name) { return current().readString(name); }

void SettingsStore::writeString(const std::wstring& name, const std::wstring& text) {
    current().writeString(name, text);
}

bool SettingsStore::readBool(const std::wstring& name) { return current().readBool(name); }

void SettingsStore::writeBool(const std::wstring& name, bool value) { current().writeBool(name, value); }

std::optional<std::uint32_t> SettingsStore::readDword(const std::wstring& name) { return current().readDword(name); }

void SettingsStore::writeDword(const std::wstring& name, std::uint32_t value) { current().writeDword(name, value); }

void SettingsStore::deleteValue(const std::wstring& name) { current().deleteValue(name); }

} // namespace vx

#include "platform/win32/Win32Registry.h"
#include "platform/win32/Handles.h"

namespace vx::win32 {

namespace {

HKEY rootKey(platform::RegRoot root) {
    return root == platform::RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

class Win32RegistryKey : public platform::RegistryKey {
  public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}

    std::optional<platform::RegValue> query(const std::wstring& name) override {
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        platform::RegValue value{type, std::vector<std::uint8_t>(size)};
        // The value may grow between the two calls; ask again until it fits.
        for (;;) {
            size = DWORD(value.data.size());
            LONG rc = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type,
                                       value.data.empty() ? nullptr : value.data.data(), &size);
            if (rc == ERROR_MORE_DATA) {
                value.data.resize(size);
                continue;
            }
            if (rc != ERROR_SUCCESS)
                return std::nullopt;
            value.type = type;
            value.data.resize(size);
            return value;
        }
    }

    bool set(const std::wstring& name, const platform::RegValue& value) override {
        return RegSetValueExW(key_.get(), name.c_str(), 0, value.type, value.data.data(),
                              DWORD(value.data.size())) == ERROR_SUCCESS;
    }

    bool remove(const std::wstring& name) override {
        return RegDeleteValueW(key_.get(), name.c_str()) == ERROR_SUCCESS;
    }

    void flush() override { RegFlushKey(key_.get()); }

  private:
    UniqueKey key_;
};

} // namespace

std::unique_ptr<platform::RegistryKey> Win32Registry::open(platform::RegRoot root, const std::wstring& path) {
    for (const REGSAM access : {KEY_ALL_ACCESS, KEY_READ}) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(rootKey(root), path.c_str(), 0, access, &key) == ERROR_SUCCESS)
            return std::make_unique<Win32RegistryKey>(key);
    }
    return nullptr;
}

bool Win32Registry::create(platform::RegRoot root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(rootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

} // namespace vx::win32

#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vx::platform {

enum class RegRoot { CurrentUser, LocalMachine };

// Registry value types, with the system's numbers.
namespace regtype {
constexpr std::uint32_t None = 0;
constexpr std::uint32_t String = 1;       // REG_SZ
constexpr std::uint32_t ExpandString = 2; // REG_EXPAND_SZ
constexpr std::uint32_t Binary = 3;
constexpr std::uint32_t Dword = 4;
} // namespace regtype

struct RegValue {
    std::uint32_t type = regtype::None;
    std::vector<std::uint8_t> data;
};

// One open registry key; closing happens when the object goes away.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    virtual std::optional<RegValue> query(const std::wstring& name) = 0;
    virtual bool set(const std::wstring& name, const RegValue& value) = 0;
    virtual bool remove(const std::wstring& name) = 0;
    virtual void flush() = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens an existing key with full access, or only to read where the user may not change it
    // (the machine's keys, without administrator rights: setting and removing values then
    // fail); nullptr when it cannot be opened.
    virtual std::unique_ptr<RegistryKey> open(RegRoot root, const std::wstring& path) = 0;
    // Creates the key (or opens it when it exists); false on failure. The key is not kept open.
    virtual bool create(RegRoot root, const std::wstring& path) = 0;
};

} // namespace vx::platform

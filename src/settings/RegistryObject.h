#pragma once
#include "platform/Registry.h"
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vx {

// Reads and writes named values of one open registry key, with the program's error texts.
// Strings are stored as REG_SZ with their terminating zero; booleans as 4-byte REG_DWORD.
class RegistryObject {
  public:
    RegistryObject(platform::Registry& registry, platform::RegRoot root);

    bool openKey(const std::wstring& path); // the current key is unchanged on failure
    void createKey(const std::wstring& path); // raises "Failed to create key %s"
    void closeKey();
    bool hasKey() const { return key_ != nullptr; }
    void flush();

    std::wstring readString(const std::wstring& name);
    void writeString(const std::wstring& name, const std::wstring& text);
    bool readBool(const std::wstring& name);
    void writeBool(const std::wstring& name, bool value);
    // A 4-byte REG_DWORD; nothing when the value is missing or of another type or size.
    std::optional<std::uint32_t> readDword(const std::wstring& name);
    void writeDword(const std::wstring& name, std::uint32_t value);
    bool deleteValue(const std::wstring& name);

  private:
    platform::Registry& registry_;
    platform::RegRoot root_;
    std::unique_ptr<platform::RegistryKey> key_;
};

// Value decoding, apart from any key so that arbitrary registry bytes can be tested.
namespace regvalue {
std::wstring decodeString(const std::wstring& name, const platform::RegValue* value);
bool decodeBool(const std::wstring& name, const platform::RegValue* value);
platform::RegValue encodeString(const std::wstring& text);
platform::RegValue encodeBool(bool value);
std::optional<std::uint32_t> decodeDword(const platform::RegValue* value);
platform::RegValue encodeDword(std::uint32_t value);
} // namespace regvalue

} // namespace vx

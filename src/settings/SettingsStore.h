#pragma once
#include "settings/RegistryObject.h"
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vx {

// The program's settings: named values under HKEY_CURRENT_USER\SOFTWARE\Vextral, read and
// written through one registry object that stays open for the whole run. Nothing is cached.
class SettingsStore {
  public:
    static constexpr const wchar_t* KeyPath = L"SOFTWARE\\Vextral";

    explicit SettingsStore(platform::Registry& registry) : registry_(registry) {}

    // Makes sure the key exists; writes the four defaults only when it had to create it.
    void RegCreate();
    // Creates the registry object and opens the key; a failed open leaves no key current.
    void open();
    // Closes the key and drops the object; a second release does nothing.
    void release();
    bool isOpen() const { return settings_ != nullptr; }

    // After release these raise an error instead of touching a released object.
    std::wstring readString(const std::wstring& name);
    void writeString(const std::wstring& name, const std::wstring& text);
    bool readBool(const std::wstring& name);
    void writeBool(const std::wstring& name, bool value);
    // Optional numbers: nothing when missing or not a REG_DWORD (no error, unlike readBool).
    std::optional<std::uint32_t> readDword(const std::wstring& name);
    void writeDword(const std::wstring& name, std::uint32_t value);
    void deleteValue(const std::wstring& name);

  private:
    RegistryObject& current();

    platform::Registry& registry_;
    std::unique_ptr<RegistryObject> settings_;
};

// The value names.
namespace setting {
constexpr const wchar_t* AutoRun = L"AutoRun";
constexpr const wchar_t* CdRom = L"CDROM";
constexpr const wchar_t* Drive = L"Drive";
constexpr const wchar_t* LastPath = L"LastPath";
// Where the player resumes (written at exit, read at its first showing), REG_DWORD each but
// the entry's path, REG_SZ.
constexpr const wchar_t* PlayerIndex = L"PlayerIndex";
constexpr const wchar_t* PlayerPath = L"PlayerPath";
constexpr const wchar_t* PlayerPosition = L"PlayerPosition"; // milliseconds
constexpr const wchar_t* PlayerRandom = L"PlayerRandom";
// Whether the folder import walks the subfolders too, REG_DWORD 0 or 1.
constexpr const wchar_t* ImportSubfolders = L"ImportSubfolders";
} // namespace setting

} // namespace vx

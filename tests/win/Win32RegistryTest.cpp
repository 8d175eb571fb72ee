#include "platform/Error.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingsStore.h"
#include <gtest/gtest.h>
#include <windows.h>

using namespace vx;
using platform::RegRoot;

namespace {

// Each test works under its own key and removes it afterwards.
struct Win32RegistryTest : ::testing::Test {
    const std::wstring key = L"SOFTWARE\\VextralTest\\Registry";
    win32::Win32Registry registry;
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\VextralTest"); }
};

} // namespace

TEST_F(Win32RegistryTest, CreateOpenWriteReadDelete) {
    EXPECT_EQ(registry.open(RegRoot::CurrentUser, key), nullptr);
    ASSERT_TRUE(registry.create(RegRoot::CurrentUser, key));
    RegistryObject reg(registry, RegRoot::CurrentUser);
    ASSERT_TRUE(reg.openKey(key));
    reg.writeString(L"Drive", L"E");
    reg.writeBool(L"AutoRun", true);
    reg.writeString(L"LastPath", L"C:\\Музыка\\");
    EXPECT_EQ(reg.readString(L"Drive"), L"E");
    EXPECT_TRUE(reg.readBool(L"AutoRun"));
    EXPECT_EQ(reg.readString(L"LastPath"), L"C:\\Музыка\\");

    // What other programs see: REG_SZ with its zero, a 4-byte REG_DWORD 1.
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &raw), ERROR_SUCCESS);
    char text[16] = {};
    DWORD type = 0, size = sizeof(text);
    ASSERT_EQ(RegQueryValueExA(raw, "Drive", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, 2u);
    EXPECT_STREQ(text, "E");
    DWORD number = 0;
    size = sizeof(number);
    ASSERT_EQ(RegQueryValueExW(raw, L"AutoRun", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(number, 1u);
    RegCloseKey(raw);

    EXPECT_TRUE(reg.deleteValue(L"Drive"));
    EXPECT_EQ(reg.readString(L"Drive"), L"");
    EXPECT_FALSE(reg.deleteValue(L"Drive"));
}

TEST_F(Win32RegistryTest, DwordWrittenByAnotherProgramAsTwoReadsTrue) {
    ASSERT_TRUE(registry.create(RegRoot::CurrentUser, key));
    HKEY raw = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &raw);
    DWORD two = 2;
    RegSetValueExW(raw, L"AutoRun", 0, REG_DWORD, reinterpret_cast<BYTE*>(&two), 4);
    RegSetValueExW(raw, L"CDROM", 0, REG_BINARY, reinterpret_cast<BYTE*>(&two), 4);
    RegCloseKey(raw);
    RegistryObject reg(registry, RegRoot::CurrentUser);
    ASSERT_TRUE(reg.openKey(key));
    EXPECT_TRUE(reg.readBool(L"AutoRun"));
    EXPECT_THROW(reg.readString(L"CDROM"), Error);
}

TEST(Win32SettingsStore, FirstStartWritesTheDefaultsIntoTheRealRegistry) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Vextral");
    win32::Win32Registry registry;
    SettingsStore store(registry);
    store.RegCreate();
    store.open();
    EXPECT_EQ(store.readString(L"CDROM"), L"D");
    EXPECT_EQ(store.readString(L"Drive"), L"C");
    EXPECT_EQ(store.readString(L"LastPath"), L"C:\\");
    EXPECT_FALSE(store.readBool(L"AutoRun"));
    store.release();
    store.release();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Vextral");
}

#include "fakes/FakeRegistry.h"
#include "platform/Error.h"
#include "settings/SettingsStore.h"
#include <gtest/gtest.h>

using namespace vx;
using platform::RegRoot;
using platform::RegValue;
namespace regtype = platform::regtype;

namespace {

constexpr const wchar_t* Key = L"SOFTWARE\\Vextral";

std::wstring errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.message();
    }
    return L"(no error)";
}

} // namespace

TEST(SettingsStore, FirstStartCreatesKeyWithExactlyTheFourDefaults) {
    fakes::FakeRegistry reg;
    SettingsStore store(reg);
    store.RegCreate();
    auto* values = reg.find(RegRoot::CurrentUser, Key);
    ASSERT_NE(values, nullptr);
    ASSERT_EQ(values->size(), 4u);
    EXPECT_EQ(values->at(L"AutoRun").type, regtype::Dword);
    EXPECT_EQ(values->at(L"AutoRun").data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(values->at(L"CDROM").type, regtype::String);
    EXPECT_EQ(values->at(L"CDROM").data, (std::vector<std::uint8_t>{'D', 0, 0, 0}));
    store.open();
    EXPECT_EQ(store.readString(L"Drive"), L"C");
    EXPECT_EQ(store.readString(L"LastPath"), L"C:\\");
    EXPECT_FALSE(store.readBool(L"AutoRun"));
    EXPECT_EQ(reg.openKeys, 1) << "RegCreate's own key is closed, the store's stays open";
}

TEST(SettingsStore, ExistingKeyIsLeftIncomplete) {
    fakes::FakeRegistry reg;
    reg.keys[{RegRoot::CurrentUser, Key}][L"Drive"] = regvalue::encodeString(L"E");
    SettingsStore store(reg);
    store.RegCreate();
    store.open();
    EXPECT_EQ(reg.find(RegRoot::CurrentUser, Key)->size(), 1u);
    EXPECT_EQ(store.readString(L"Drive"), L"E");
    EXPECT_EQ(store.readString(L"LastPath"), L"") << "a missing string reads as the empty text";
    EXPECT_EQ(errorOf([&] { store.readBool(L"AutoRun"); }), L"Failed to get data for 'AutoRun'");
}

TEST(SettingsStore, BooleanDecodingAndTypeErrors) {
    fakes::FakeRegistry reg;
    auto& values = reg.keys[{RegRoot::CurrentUser, Key}];
    values[L"AutoRun"] = RegValue{regtype::Dword, {2, 0, 0, 0}};
    SettingsStore store(reg);
    store.open();
    EXPECT_TRUE(store.readBool(L"AutoRun")) << "any non-zero number counts as true";
    store.writeBool(L"AutoRun", true);
    EXPECT_EQ(values[L"AutoRun"].data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

    values[L"AutoRun"] = RegValue{regtype::Binary, {1, 0, 0, 0}};
    EXPECT_EQ(errorOf([&] { store.readBool(L"AutoRun"); }), L"Invalid data type for 'AutoRun'");
    values[L"AutoRun"] = RegValue{regtype::Dword, {1, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(errorOf([&] { store.readBool(L"AutoRun"); }), L"Failed to get data for 'AutoRun'");
    values[L"CDROM"] = RegValue{regtype::Dword, {1, 0, 0, 0}};
    EXPECT_EQ(errorOf([&] { store.readString(L"CDROM"); }), L"Invalid data type for 'CDROM'");
    values[L"LastPath"] = RegValue{regtype::ExpandString, regvalue::encodeString(L"%TEMP%\\").data};
    EXPECT_EQ(store.readString(L"LastPath"), L"%TEMP%\\") << "REG_EXPAND_SZ is returned unexpanded";
    values[L"Drive"] = RegValue{regtype::Binary, {}};
    EXPECT_EQ(store.readString(L"Drive"), L"") << "zero-length data reads as empty whatever its type";
}

TEST(SettingsStore, StringDecodingStopsAtFirstZeroAndSurvivesOddLengths) {
    RegValue v{regtype::String, {'A', 0, 0, 0, 'B', 0}};
    EXPECT_EQ(regvalue::decodeString(L"x", &v), L"A");
    RegValue odd{regtype::String, {'A', 0, 'B'}};
    EXPECT_EQ(regvalue::decodeString(L"x", &odd), L"A");
    RegValue unterminated{regtype::String, {'C', 0, ':', 0}};
    EXPECT_EQ(regvalue::decodeString(L"x", &unterminated), L"C:");
}

TEST(SettingsStore, ReleaseIsIdempotentAndLaterUseRaisesInsteadOfTouchingIt) {
    fakes::FakeRegistry reg;
    SettingsStore store(reg);
    store.RegCreate();
    store.open();
    store.release();
    EXPECT_EQ(reg.openKeys, 0);
    store.release();
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(errorOf([&] { store.readString(L"Drive"); }), L"The settings store is closed");
    EXPECT_EQ(errorOf([&] { store.writeString(L"Drive", L"D"); }), L"The settings store is closed");
}

TEST(SettingsStore, KeyThatCannotBeOpenedOrCreated) {
    fakes::FakeRegistry reg;
    reg.failCreate = true;
    SettingsStore store(reg);
    EXPECT_EQ(errorOf([&] { store.RegCreate(); }), L"Failed to create key SOFTWARE\\Vextral");
    store.open();
    EXPECT_EQ(store.readString(L"Drive"), L"") << "string reads give the empty text";
    EXPECT_EQ(errorOf([&] { store.readBool(L"AutoRun"); }), L"Failed to get data for 'AutoRun'");
    EXPECT_EQ(errorOf([&] { store.writeString(L"Drive", L"D"); }), L"Failed to set data for 'Drive'");
}

#include "fakes/FakePlatform.h"
#include "tools/AutoRun.h"
#include "tools/TForm6.h"
#include <gtest/gtest.h>

using namespace vx;
using platform::RegRoot;

namespace {

struct SettingsWindow : ::testing::Test {
    fakes::FakeMachine m;
    void SetUp() override {
        m.disks.drives[L'E'] = {platform::drivetype::CdRom, {}, {}, {}};
        m.disks.drives[L'F'] = {platform::drivetype::CdRom, {}, {}, {}};
        for (RegRoot root : {RegRoot::CurrentUser, RegRoot::LocalMachine})
            m.registry.keys[{root, autorun::RunKey}];
        m.start();
    }
    TForm6& settings() { return *m.app->Form6; }
    fakes::FakeForm& window() { return m.form(L"TForm6"); }
    fakes::FakeDriveComboBox& picker() { return static_cast<fakes::FakeDriveComboBox&>(*settings().DriveComboBox1); }
    fakes::FakeRegistry::Values& store() { return *m.registry.find(RegRoot::CurrentUser, SettingsStore::KeyPath); }
    fakes::FakeRegistry::Values* run(RegRoot root = RegRoot::CurrentUser) {
        return m.registry.find(root, autorun::RunKey);
    }
    fakes::FakeRegistry::Values& approved(RegRoot root = RegRoot::CurrentUser) {
        return m.registry.keys[{root, autorun::ApprovedKey}];
    }
    std::wstring text(const platform::RegValue& v) { return regvalue::decodeString(L"", &v); }
    // A REG_DWORD's number; -1 for any other type.
    long dword(const platform::RegValue& v) {
        if (v.type != platform::regtype::Dword || v.data.size() != 4)
            return -1;
        return long(v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (unsigned(v.data[3]) << 24));
    }
    void apply() { m.ui.fire(settings().BitBtn2->onClick); }
};

} // namespace

TEST_F(SettingsWindow, ShowingLoadsTheStoredValuesEveryTime) {
    (*run())[autorun::ValueName] = regvalue::encodeString(L"C:\\vextral.exe");
    store()[setting::CdRom] = regvalue::encodeString(L"E");
    window().show();
    EXPECT_TRUE(settings().CheckBox1->checked());
    EXPECT_EQ(picker().drive(), L'E');

    settings().CheckBox1->setChecked(false); // changed, then "Закрыть": nothing is stored
    m.ui.fire([&] { picker().pick(2); });
    m.ui.fire(settings().BitBtn1->onClick);
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(run()->count(autorun::ValueName), 1u);
    window().show();
    EXPECT_TRUE(settings().CheckBox1->checked());
    EXPECT_EQ(picker().drive(), L'E');

    // The box shows whether the program really starts: not when the startup apps list of
    // Windows has turned it off, and so when an older version's machine-wide value starts it.
    approved()[autorun::ValueName] = {platform::regtype::Binary,
                                      {3, 0, 0, 0, 0xD4, 0x0D, 0x43, 0x8D, 0xC8, 0x3B, 0xD9, 1}};
    window().hide();
    window().show();
    EXPECT_FALSE(settings().CheckBox1->checked());
    (*run(RegRoot::LocalMachine))[autorun::ValueName] = regvalue::encodeString(L"C:\\v.exe");
    window().hide();
    window().show();
    EXPECT_TRUE(settings().CheckBox1->checked());
}

TEST_F(SettingsWindow, ApplyStoresBothAndWritesTheProgramPathToTheRunKey) {
    // An older version's value under the machine's key, and the program turned off in the
    // startup apps list.
    (*run(RegRoot::LocalMachine))[autorun::ValueName] = regvalue::encodeString(L"C:\\old.exe");
    approved()[autorun::ValueName] = {platform::regtype::Binary,
                                      {7, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}};
    window().show();
    settings().CheckBox1->setChecked(true);
    m.ui.fire([&] { picker().pick(2); }); // "F: []"
    const int flushes = m.registry.flushes;
    apply();
    EXPECT_TRUE(m.ui.errors.empty());
    EXPECT_EQ(dword(store()[setting::AutoRun]), 1);
    EXPECT_EQ(text(store()[setting::CdRom]), L"F");
    EXPECT_EQ(text(run()->at(autorun::ValueName)), L"C:\\Programs\\Vextral\\vextral.exe");
    EXPECT_EQ(run(RegRoot::LocalMachine)->count(autorun::ValueName), 0u) << "it would start twice";
    EXPECT_EQ(approved()[autorun::ValueName].data,
              (std::vector<std::uint8_t>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m.registry.flushes, flushes + 1);
    EXPECT_EQ(m.registry.openKeys, 1) << "only the settings store stays open";
    EXPECT_TRUE(window().visible());

    apply(); // again: the same value
    EXPECT_EQ(text(run()->at(autorun::ValueName)), L"C:\\Programs\\Vextral\\vextral.exe");

    settings().CheckBox1->setChecked(false);
    apply();
    EXPECT_EQ(dword(store()[setting::AutoRun]), 0);
    EXPECT_EQ(run()->count(autorun::ValueName), 0u);
    apply(); // nothing to delete: no error
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(SettingsWindow, APathWithABlankIsQuoted) {
    m.system.path = L"C:\\Program Files\\Vextral\\vextral.exe";
    settings().CheckBox1->setChecked(true);
    apply();
    EXPECT_EQ(text(run()->at(autorun::ValueName)), L"\"C:\\Program Files\\Vextral\\vextral.exe\"");
    EXPECT_EQ(autorun::commandFor(L"C:\\Tools\\vextral.exe"), L"C:\\Tools\\vextral.exe");
}

TEST_F(SettingsWindow, AnUnwritableRunKeyFailsEnablingAndAutoRunKeepsTellingTheTruth) {
    m.registry.readOnly.insert({RegRoot::CurrentUser, autorun::RunKey});
    store()[setting::CdRom] = regvalue::encodeString(L"E");
    window().show();
    settings().CheckBox1->setChecked(true);
    m.ui.fire([&] { picker().pick(1); });
    apply();
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"Failed to set data for 'My App'"});
    EXPECT_EQ(dword(store()[setting::AutoRun]), 0) << "the program does not start with Windows";
    EXPECT_EQ(text(store()[setting::CdRom]), L"E") << "the drive is stored all the same";
    m.ui.fire([&] { picker().pick(2); });

    settings().CheckBox1->setChecked(false); // disabling fails silently and goes on
    (*run(RegRoot::LocalMachine))[autorun::ValueName] = regvalue::encodeString(L"C:\\old.exe");
    m.registry.readOnly.insert({RegRoot::LocalMachine, autorun::RunKey}); // no administrator rights
    apply();
    EXPECT_EQ(m.ui.errors.size(), 1u);
    EXPECT_EQ(dword(store()[setting::AutoRun]), 0);
    EXPECT_EQ(text(store()[setting::CdRom]), L"F");
    EXPECT_EQ(run(RegRoot::LocalMachine)->count(autorun::ValueName), 1u);
}

TEST_F(SettingsWindow, AStoredLetterWithoutADriveIsWrittenBackUnchanged) {
    store()[setting::CdRom] = regvalue::encodeString(L"Q");
    window().show();
    EXPECT_EQ(picker().item(picker().selectedIndex()), L"C: [SYSTEM]");
    apply();
    EXPECT_EQ(text(store()[setting::CdRom]), L"Q");
}

TEST_F(SettingsWindow, AMissingAutoRunOrAnEmptyCdRomIsNoError) {
    store().erase(setting::AutoRun); // the box is read from the Run key
    store()[setting::CdRom] = regvalue::encodeString(L"E");
    window().show();
    EXPECT_TRUE(m.ui.errors.empty());
    EXPECT_EQ(picker().drive(), L'E');

    store()[setting::CdRom] = regvalue::encodeString(L""); // empty: no drive, no crash
    window().hide();
    window().show();
    EXPECT_TRUE(m.ui.errors.empty());
    EXPECT_EQ(picker().drive(), L'E');
}

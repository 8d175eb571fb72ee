#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "folders/TForm2.h"
#include <gtest/gtest.h>

using namespace vx;
namespace dt = platform::drivetype;

namespace {

struct DriveDialog : ::testing::Test {
    fakes::FakeMachine m;
    void SetUp() override {
        m.disks.drives[L'A'] = {dt::Removable, {}, {}, {}};
        m.disks.drives[L'D'] = {dt::CdRom, L"Films", {}, {107374182400, 214748364800}};
    }
    Application& start(const wchar_t* drive = nullptr) {
        if (drive) {
            m.registry.keys[{platform::RegRoot::CurrentUser, SettingsStore::KeyPath}];
            m.registry.keys[{platform::RegRoot::CurrentUser, SettingsStore::KeyPath}][setting::Drive] =
                regvalue::encodeString(drive);
        }
        return m.start();
    }
    TForm2& dialog() { return *m.app->Form2; }
    fakes::FakeDriveComboBox& picker() { return static_cast<fakes::FakeDriveComboBox&>(*dialog().DriveComboBox1); }
    ui::ProgressBar& bar() { return *dialog().ProgressBar1; }
};

} // namespace

TEST_F(DriveDialog, CreationSelectsTheDefaultDriveShowsItsSpaceAndStandsBesideThePanel) {
    start(L"D");
    EXPECT_EQ(picker().drive(), L'D');
    EXPECT_EQ(picker().item(picker().selectedIndex()), L"D: [FILMS]");
    EXPECT_EQ(bar().hint(), L"Свободно 102400МБ из 204800МБ");
    EXPECT_EQ(bar().position(), 50);
    EXPECT_EQ(bar().max(), 100);

    Rect r = m.form(L"TForm2").bounds();
    const Rect panel = m.form(L"TForm3").bounds();
    EXPECT_EQ(r.top, 768 - panel.height - 29);
    EXPECT_EQ(r.left, panel.width + 8);
    EXPECT_FALSE(m.form(L"TForm2").visible());
}

TEST_F(DriveDialog, AStoredLetterWithoutADriveStaysCurrentBehindTheWorkingDrivesEntry) {
    start(L"q:\\");
    EXPECT_EQ(picker().drive(), L'Q');
    EXPECT_EQ(picker().item(picker().selectedIndex()), L"C: [SYSTEM]") << "the working folder's drive";
    EXPECT_EQ(bar().hint(), L"Свободно -1Б из -1Б");
    EXPECT_EQ(bar().position(), 0);

    m.ui.fire(dialog().Button1->onClick);
    ASSERT_EQ(m.shell.explored.size(), 1u);
    EXPECT_EQ(m.shell.explored[0].second, L"Q:\\");
    EXPECT_EQ(m.shell.explored[0].first, m.app->Form1->window().handle());

    m.ui.fire(dialog().Button2->onClick);
    EXPECT_EQ(m.app->Settings.readString(setting::Drive), L"Q");
    EXPECT_EQ(m.ui.notices, std::vector<std::wstring>{L"Диск Q установлен по умолчанию"});
}

TEST_F(DriveDialog, AnEmptyDefaultMeansNoDriveChosen) {
    start(L"");
    EXPECT_EQ(picker().drive(), L'C');
    EXPECT_EQ(bar().hint(), L"Свободно 5120МБ из 20480МБ");
    EXPECT_EQ(bar().position(), 75);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(DriveDialog, PickingADriveRequeriesAndDefaultStoresOneUpperCaseLetter) {
    start();
    m.disks.queried.clear();
    m.ui.fire([&] { picker().pick(0); }); // "A:", an empty floppy drive
    EXPECT_EQ(m.disks.queried, std::vector<wchar_t>{L'A'});
    EXPECT_EQ(bar().hint(), L"Свободно -1Б из -1Б");

    m.ui.fire([&] { picker().pick(2); });
    EXPECT_EQ(bar().position(), 50);
    m.ui.fire(dialog().Button2->onClick);
    auto* values = m.registry.find(platform::RegRoot::CurrentUser, SettingsStore::KeyPath);
    EXPECT_EQ(regvalue::decodeString(L"Drive", &values->at(L"Drive")), L"D");
    EXPECT_EQ(m.ui.notices.back(), L"Диск D установлен по умолчанию");
}

TEST_F(DriveDialog, AFailedStoreEndsTheHandlerWithoutConfirmation) {
    start();
    m.registry.readOnly.insert({platform::RegRoot::CurrentUser, SettingsStore::KeyPath});
    m.ui.fire(dialog().Button2->onClick);
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"Failed to set data for 'Drive'"});
    EXPECT_TRUE(m.ui.notices.empty());
}

TEST_F(DriveDialog, ClosingClearsItsFlagAndKeepsTheFigures) {
    start(L"D");
    auto& form = m.form(L"TForm2");
    m.app->flags.DriveDialogShown = true;
    form.show();
    form.close();
    EXPECT_FALSE(m.app->flags.DriveDialogShown);
    EXPECT_FALSE(form.visible());
    form.show();
    EXPECT_EQ(bar().hint(), L"Свободно 102400МБ из 204800МБ");
}

TEST_F(DriveDialog, TheFolderAndSettingsWindowsShowTheirTexts) {
    start();
    // The caption, then the buttons and check boxes in creation order.
    auto texts = [&](const wchar_t* windowClass) {
        const auto& form = m.form(windowClass);
        std::vector<std::wstring> all{form.params.caption};
        for (const auto& b : form.buttons)
            all.push_back(b->params.text);
        for (const auto& c : form.checkBoxes)
            all.push_back(c->params.text);
        return all;
    };
    using Texts = std::vector<std::wstring>;
    EXPECT_EQ(texts(L"TForm2"), (Texts{L"Открыть", L"Открыть", L"По умолчанию"}));
    EXPECT_EQ(texts(L"TForm4"), (Texts{L"Открыть папку", L"Открыть", L"+", L"-", L"Закрыть"}));
    EXPECT_EQ(texts(L"TForm5"), (Texts{L"Добавить папку", L"Добавить", L"Закрыть"}));
    EXPECT_EQ(texts(L"TForm6"), (Texts{L"Настройка", L"Закрыть", L"Применить", L" Включить в автозагрузку"}));
    EXPECT_EQ(m.form(L"TForm6").labels.at(0)->text(), L"CD-ROM");

    const ui::DriveComboBoxSpec& params = picker().params;
    EXPECT_EQ(params.background, ui::Colour::rgb(255, 251, 240));
    EXPECT_EQ(params.font.face, L"Bookman Old Style");
    EXPECT_EQ(params.font.height, 11);
    EXPECT_TRUE(params.flat);
    EXPECT_TRUE(m.form(L"TForm2").params.topmost && m.form(L"TForm4").params.topmost);
    EXPECT_EQ(m.form(L"TForm2").params.borderWidth, 2);
    EXPECT_FALSE(m.form(L"TForm5").params.topmost || m.form(L"TForm6").params.topmost);
}

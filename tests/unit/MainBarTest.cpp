#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "folders/TForm2.h"
#include "folders/TForm4.h"
#include "folders/TForm5.h"
#include "player/TForm8.h"
#include "tools/TForm3.h"
#include "tools/TForm6.h"
#include <gtest/gtest.h>
#include <utility>

using namespace vx;
using fakes::FakeForm;

namespace {

struct MainBar : ::testing::Test {
    fakes::FakeMachine m;
    Application* app = nullptr;
    void SetUp() override { app = &m.start(); }
    TForm1& bar() { return *app->Form1; }
    FakeForm& barForm() { return m.form(L"TForm1"); }
    ui::SpeedButton& left() { return *bar().SpeedButton2; }
    fakes::FakePopupMenu& menu() { return *barForm().menus.at(0); }
    void choose(const std::wstring& caption) {
        for (auto& item : menu().items)
            if (item.caption == caption)
                return m.ui.fire(item.onClick);
        FAIL() << "no menu item";
    }
};

} // namespace

TEST_F(MainBar, WindowsAreCreatedInTheirOrderAndOnlyTheBarIsShown) {
    std::vector<std::wstring> order;
    for (auto* f : m.ui.forms)
        order.push_back(f->params.windowClass);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"TForm1", L"TForm3", L"TForm2", L"TForm4", L"TForm5", L"TForm6",
                                                L"TForm7", L"TForm8", L"TForm9"}));
    EXPECT_TRUE(m.ui.toolWindowMarked);
    EXPECT_EQ(m.ui.mainForm, &barForm());
    EXPECT_TRUE(barForm().visible());
    for (auto* f : m.ui.forms)
        EXPECT_EQ(f->visible(), f == &barForm()) << "only the bar shows, the others are created hidden";
}

TEST_F(MainBar, TheThreeDrivePickersShareOneReadingOfTheDrives) {
    EXPECT_EQ(m.disks.labelReads, 1) << "one label read for the one fixed drive, not one per picker";
    EXPECT_EQ(app->Form2->DriveComboBox1->item(0), L"C: [SYSTEM]");
    EXPECT_EQ(app->Form5->DriveComboBox1->item(0), L"c: [system]");
    EXPECT_EQ(app->Form6->DriveComboBox1->item(0), L"C: [SYSTEM]");
}

TEST_F(MainBar, DocksInPlaceOfTheHiddenStartButtonAndKeepsItHidden) {
    EXPECT_TRUE(barForm().docked);
    EXPECT_EQ(barForm().dockedTo, m.shell.taskbar);
    EXPECT_EQ(barForm().bounds(), (Rect{3, 0, 50, 24}));
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
    EXPECT_EQ(bar().StartButtonWnd, m.shell.startButton);
    EXPECT_EQ(m.ui.watched, std::make_pair(m.shell.taskbar, m.shell.startButton));

    m.shell.visible[m.shell.startButton] = true; // the shell laid out its buttons again
    m.ui.fire(m.ui.onWatch);
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);

    m.ui.click(*bar().SpeedButton1); // a press in progress is not cancelled by hiding
    m.shell.visible[m.shell.startButton] = true;
    m.ui.fire(m.ui.onWatch);
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
    m.shell.captured = 0;
    m.ui.fire(m.ui.onWatch);
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
}

TEST_F(MainBar, RightButtonPressesTheStartButtonAndOnlyTheLeftHasAMenu) {
    m.ui.click(*bar().SpeedButton1);
    EXPECT_EQ(m.shell.presses, (std::vector<WindowId>{m.shell.startButton}));
    EXPECT_EQ(barForm().speedButton(1001).popup, nullptr);
    EXPECT_EQ(barForm().speedButton(1002).popup, &menu());
    std::vector<std::wstring> captions;
    for (auto& item : menu().items)
        captions.push_back(item.caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Закрыть", L"Настройка", L"-", L"О программе"}));
}

TEST_F(MainBar, UnfoldAndFoldTheToolPanel) {
    EXPECT_EQ(left().glyph(), ui::Glyph::ArrowUp);
    EXPECT_EQ(left().hint(), L"Развернуть");
    m.ui.click(left());
    EXPECT_TRUE(app->flags.PanelUnfolded);
    EXPECT_TRUE(m.form(L"TForm3").visible());
    EXPECT_EQ(left().glyph(), ui::Glyph::ArrowDown);
    EXPECT_EQ(left().hint(), L"Свернуть");
    m.ui.click(left());
    EXPECT_FALSE(app->flags.PanelUnfolded);
    EXPECT_FALSE(m.form(L"TForm3").visible());
    EXPECT_EQ(left().glyph(), ui::Glyph::ArrowUp);
    EXPECT_EQ(left().hint(), L"Развернуть");
}

TEST_F(MainBar, AllFormCloseClosesWhatIsShownAndFoldsThePanel) {
    bar().AllFormClose(); // nothing shown: nothing changes
    EXPECT_FALSE(app->flags.PanelUnfolded);
    EXPECT_EQ(left().hint(), L"Развернуть");

    m.ui.click(left());
    for (auto* name : {L"TForm8", L"TForm2", L"TForm4", L"TForm5"})
        m.form(name).show();
    app->flags.PlayerShown = app->flags.DriveDialogShown = app->flags.FavouritesShown = true;
    app->flags.AddFolderShown = true;
    bar().AllFormClose();
    for (auto* name : {L"TForm8", L"TForm2", L"TForm4", L"TForm5", L"TForm3"})
        EXPECT_FALSE(m.form(name).visible()) << std::string(name, name + 6);
    EXPECT_FALSE(app->flags.PlayerShown || app->flags.DriveDialogShown || app->flags.FavouritesShown ||
                 app->flags.AddFolderShown || app->flags.PanelUnfolded);
    EXPECT_EQ(left().glyph(), ui::Glyph::ArrowUp);
}

TEST_F(MainBar, AllFormCloseLeavesWindowsWhoseFlagIsClear) {
    m.form(L"TForm2").show(); // shown by other means: the flag decides
    bar().AllFormClose();
    EXPECT_TRUE(m.form(L"TForm2").visible());
}

TEST_F(MainBar, CloseAnsweredNoChangesNothing) {
    m.ui.click(left());
    m.ui.answers = {false};
    choose(L"Закрыть");
    ASSERT_EQ(m.ui.questions.size(), 1u);
    EXPECT_EQ(m.ui.questions[0].first, ui::QuestionKind::Confirmation);
    EXPECT_EQ(m.ui.questions[0].second, L"Вы действительно хотите закрыть Vextral ?");
    EXPECT_FALSE(barForm().closed);
    EXPECT_TRUE(app->flags.PanelUnfolded);
    EXPECT_TRUE(app->Settings.isOpen());
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
}

TEST_F(MainBar, CloseAnsweredYesFoldsReleasesAndShowsTheStartButton) {
    m.ui.click(left());
    m.ui.answers = {true};
    choose(L"Закрыть");
    EXPECT_TRUE(barForm().closed);
    EXPECT_FALSE(m.form(L"TForm3").visible());
    EXPECT_FALSE(app->Settings.isOpen());
    EXPECT_EQ(m.registry.openKeys, 0);
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
    EXPECT_FALSE(m.files.exists(m.programFolder() + L"Last.m3u")) << "an empty playlist writes nothing";

    // The watch that keeps the Start button hidden stands down once the exit has shown it.
    m.ui.fire(m.ui.onWatch);
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
}

TEST_F(MainBar, SettingsWindowIsShownAgainAndAboutIsModal) {
    choose(L"Настройка");
    choose(L"Настройка");
    EXPECT_TRUE(m.form(L"TForm6").visible());
    EXPECT_EQ(m.form(L"TForm6").showCount, 2);
    choose(L"О программе");
    EXPECT_EQ(m.form(L"TForm7").modalShows, 1);
}

TEST(MainBarStart, LaunchLogErrorIsReportedAndStartGoesOn) {
    fakes::FakeMachine m;
    m.files.unwritable.insert(m.programFolder() + L"WinStart.txt");
    auto& app = m.start();
    EXPECT_EQ(m.ui.errors, (std::vector<std::wstring>{L"File access denied."}));
    EXPECT_TRUE(app.Settings.isOpen());
    EXPECT_TRUE(m.form(L"TForm1").docked);
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
}

TEST(MainBarStart, ASettingOfTheWrongTypeIsReportedOnceAndTheStartGoesOn) {
    fakes::FakeMachine m;
    m.registry.keys[{platform::RegRoot::CurrentUser, SettingsStore::KeyPath}][setting::Drive] =
        platform::RegValue{platform::regtype::Dword, {3, 0, 0, 0}}; // as an imported .reg file leaves it
    // The bar shows once docked; the error box's own message loop hands it the user's presses
    // while the windows after the drive dialog do not exist yet: they do nothing.
    bool barShown = false;
    m.ui.whileErrorShown = [&m, &barShown] {
        barShown = m.form(L"TForm1").visible();
        m.ui.answers = {true};
        m.ui.click(*m.app->Form1->SpeedButton2);
        m.ui.click(*m.app->Form1->SpeedButton1);
        for (auto& item : m.form(L"TForm1").menus.at(0)->items)
            m.ui.fire(item.onClick);
    };
    auto& app = m.start();
    EXPECT_TRUE(barShown);
    EXPECT_FALSE(m.form(L"TForm3").visible());
    EXPECT_FALSE(app.flags.PanelUnfolded);
    EXPECT_TRUE(m.shell.presses.empty());
    EXPECT_TRUE(m.ui.questions.empty()) << "no close question";
    EXPECT_FALSE(m.form(L"TForm1").closed);
    EXPECT_EQ(m.ui.errors, (std::vector<std::wstring>{L"Invalid data type for 'Drive'"}));
    EXPECT_TRUE(m.form(L"TForm1").docked);
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
    EXPECT_EQ(m.ui.forms.size(), 9u) << "the windows after the drive dialog are made too";
    EXPECT_NE(app.Form9, nullptr);
    EXPECT_EQ(m.form(L"TForm2").bounds().left, 36) << "the drive dialog still stands beside the panel";
    EXPECT_TRUE(app.Settings.isOpen());
}

TEST(MainBarStart, ABarThatCannotBeDockedGivesTheStartButtonBack) {
    fakes::FakeMachine m;
    m.ui.failDock = true;
    auto app = std::make_unique<Application>(m.platform);
    EXPECT_THROW(app->create(), Error);
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
}

TEST(MainBarStart, WithoutTaskbarTheBarStaysTopLevelAtTheScreenCorner) {
    fakes::FakeMachine m;
    m.shell.taskbar = 0;
    auto& app = m.start();
    EXPECT_EQ(m.form(L"TForm1").dockedTo, WindowId(0));
    EXPECT_EQ(m.form(L"TForm1").bounds(), (Rect{3, 0, 50, 24}));
    m.ui.click(*app.Form1->SpeedButton1); // presses nothing
    EXPECT_TRUE(m.shell.presses.empty());
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST(MainBarStart, SecondaryWindowsStandBesideTheToolPanel) {
    fakes::FakeMachine m;
    m.start();
    EXPECT_EQ(m.form(L"TForm3").bounds(), (Rect{4, 559, 28, 180}));
    // Each keeps its own size beside the panel.
    EXPECT_EQ(m.form(L"TForm2").bounds(), (Rect{36, 559, 116, 88}));
    EXPECT_EQ(m.form(L"TForm4").bounds(), (Rect{36, 559, 295, 153}));
    EXPECT_EQ(m.form(L"TForm5").bounds().left, 28 + 10 + m.form(L"TForm4").bounds().width);
    EXPECT_EQ(m.form(L"TForm8").bounds().left, 32);
    EXPECT_EQ(m.form(L"TForm8").bounds().top + m.form(L"TForm8").bounds().height, 768 - 29);
}

TEST_F(MainBar, TheBarFollowsTheTaskbarAndTheWindowsBesideItTakeTheirNewPlaceWhenShown) {
    auto tick = [this] { m.ui.fire(m.ui.onWatch); };
    const int docks = barForm().docks;
    m.shell.layout = {{0, 0, 1024, 40}, {0, 0, 48, 40}, false}; // moved to the top, 40 high
    tick();
    EXPECT_EQ(barForm().bounds(), (Rect{3, 8, 50, 24})) << "centred across the taller taskbar";
    tick(); // the same layout announced again
    EXPECT_EQ(barForm().docks, docks + 1) << "docked again once, for the one change";
    m.ui.click(left());
    EXPECT_EQ(m.form(L"TForm3").bounds(), (Rect{4, 40, 28, 180})) << "the panel hangs below it";
    m.ui.click(*app->Form3->ToolButton3);
    EXPECT_EQ(m.form(L"TForm2").bounds().top, 40);
    EXPECT_EQ(m.form(L"TForm2").bounds().left, 36);

    // The user moves the drive dialog away: it stays there while the taskbar stays.
    Rect moved = m.form(L"TForm2").bounds();
    moved.left = 500;
    moved.top = 300;
    m.form(L"TForm2").setBounds(moved);
    m.ui.click(*app->Form3->ToolButton3);
    m.ui.click(*app->Form3->ToolButton3);
    EXPECT_EQ(m.form(L"TForm2").bounds(), moved);

    // Back at the bottom, 48 high: a shown panel stays until it is shown again.
    m.shell.layout = {{0, 720, 1024, 48}, {0, 0, 48, 48}, false};
    tick();
    EXPECT_EQ(barForm().bounds(), (Rect{3, 12, 50, 24}));
    EXPECT_EQ(m.form(L"TForm3").bounds().top, 40);
    m.ui.click(left());
    m.ui.click(left());
    EXPECT_EQ(m.form(L"TForm3").bounds(), (Rect{4, 720 - 180, 28, 180}));
    m.ui.click(*app->Form3->ToolButton9);
    const Rect player = m.form(L"TForm8").bounds();
    EXPECT_EQ(player.top + player.height, 720) << "the player is moved clear of the taller taskbar";
    EXPECT_EQ(player.left, 32);
}

TEST(MainBarStart, OnATaskbarThatDrawsItsStartButtonTheBarCoversItAndOpensStartByKeyboard) {
    fakes::FakeMachine m;
    m.shell.layout = {{0, 720, 1024, 48}, {470, 0, 48, 48}, true};
    auto& app = m.start();
    FakeForm& bar = m.form(L"TForm1");
    EXPECT_EQ(bar.bounds(), (Rect{469, 12, 50, 24})) << "centred on the drawn Start button";
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]) << "a Start window that hides nothing is left alone";

    m.ui.click(*app.Form1->SpeedButton1);
    EXPECT_EQ(m.shell.startMenuKeys, 1);
    EXPECT_TRUE(m.shell.presses.empty()) << "a press on that Start window opens nothing";
    m.shell.keysRefused = true;
    m.ui.click(*app.Form1->SpeedButton1);
    EXPECT_EQ(m.shell.startMenuCommands, (std::vector<WindowId>{m.shell.taskbar}));

    // An app is pinned: the centred Start button moves, and the bar with it at the next tick.
    m.shell.layout.start.left = 446;
    m.ui.fire(m.ui.onWatch);
    EXPECT_EQ(bar.bounds(), (Rect{445, 12, 50, 24}));
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);

    m.ui.answers = {true};
    m.ui.fire(bar.menus.at(0)->items.at(0).onClick); // "Закрыть"
    EXPECT_TRUE(bar.closed);
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
}

TEST_F(MainBar, ShellRestartDocksIntoTheNewTaskbarAndHidesItsStartButton) {
    m.shell.taskbar = 300; // the old taskbar is gone, a new one stands
    m.shell.startButton = 301;
    m.shell.visible[301] = true;
    m.ui.fire(m.ui.onTaskbarCreated);
    EXPECT_EQ(barForm().dockedTo, WindowId(300));
    EXPECT_EQ(m.ui.watched, std::make_pair(WindowId(300), WindowId(301)))
        << "the new taskbar is watched";
    EXPECT_EQ(barForm().bounds(), (Rect{3, 0, 50, 24}));
    EXPECT_FALSE(m.shell.visible[301]);
    EXPECT_FALSE(barForm().closed);

    // On Windows the bar is the taskbar's child and goes when the shell's process ends. The
    // program runs on: the bar is made again, hidden, and docks into the next taskbar.
    m.ui.click(left()); // the panel is unfolded
    barForm().lost = true;
    m.shell.taskbar = 0;
    m.ui.fire(m.ui.onWatch);
    EXPECT_TRUE(barForm().exists());
    EXPECT_FALSE(barForm().visible());
    EXPECT_FALSE(barForm().closed);
    EXPECT_EQ(left().glyph(), ui::Glyph::ArrowDown) << "the new bar shows the panel's state";
    m.ui.fire(m.ui.onWatch); // no taskbar yet: nothing more
    EXPECT_FALSE(barForm().visible());
    m.shell.taskbar = 400;
    m.shell.startButton = 401;
    m.shell.visible[401] = true;
    m.ui.fire(m.ui.onTaskbarCreated);
    EXPECT_EQ(barForm().dockedTo, WindowId(400));
    EXPECT_TRUE(barForm().visible());
    EXPECT_FALSE(m.shell.visible[401]);
    EXPECT_EQ(m.ui.mainForm, &barForm());
    EXPECT_TRUE(m.ui.errors.empty());

    m.ui.answers = {true};
    choose(L"Закрыть");
    EXPECT_TRUE(barForm().closed);
    EXPECT_TRUE(m.shell.visible[401]) << "the exit shows the new Start button";
}

TEST_F(MainBar, LeavingAlwaysWorksAndReportsEverySaveThatFailed) {
    const std::wstring last = m.programFolder() + L"Last.m3u";
    const std::wstring dirs = m.programFolder() + L"Dirs.vxl";
    m.files.files[last] = {'o', 'l', 'd'};
    m.files.files[dirs] = {};
    m.ui.click(left());
    m.form(L"TForm8").show(); // the player's close saves the playlist too: one report for both
    app->flags.PlayerShown = true;
    app->Form8->playlist->add(L"song", L"C:\\Music\\song.mp3");
    m.form(L"TForm4").show();
    app->flags.FavouritesShown = true;
    m.files.unwritable = {last, dirs}; // made read-only by the user or held by a backup tool
    // While the first error box is up, its message loop brings the session's end, "Закрыть" on
    // the docked bar (which the box does not disable) and the watch after the shell ended and
    // took the bar along: the exit runs once, and the bar whose close runs it is not replaced.
    auto& exitingBar = barForm();
    bool boxShown = false;
    m.ui.whileErrorShown = [&] {
        if (std::exchange(boxShown, true))
            return;
        m.ui.fire(m.ui.onSessionEnding);
        m.ui.answers = {true};
        choose(L"Закрыть");
        exitingBar.lost = true;
        m.ui.fire(m.ui.onWatch);
    };

    // Windows ends the session: the same exit sequence runs as for "Закрыть".
    m.ui.fire(m.ui.onSessionEnding);
    EXPECT_EQ(m.ui.errors, (std::vector<std::wstring>{L"Cannot create file " + last + L".",
                                                      L"File access denied."}));
    EXPECT_TRUE(m.ui.questions.empty()) << "no close question while the exit runs";
    EXPECT_EQ(m.ui.forms.size(), 9u) << "no bar made again";
    EXPECT_EQ(m.ui.mainForm, &exitingBar);
    EXPECT_EQ(m.files.text(last), "old");
    EXPECT_TRUE(barForm().closed) << "the message loop ends";
    EXPECT_FALSE(m.form(L"TForm3").visible()) << "the favourites' failure does not keep the panel open";
    EXPECT_FALSE(app->Settings.isOpen());
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
    m.ui.fire(m.ui.onSessionEnding); // WM_CLOSE after the session's end: nothing runs twice
    EXPECT_EQ(m.ui.errors.size(), 2u);
}

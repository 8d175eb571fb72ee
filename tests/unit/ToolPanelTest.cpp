#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/Playlist.h"
#include "player/TForm8.h"
#include "tools/Bmp.h"
#include "tools/TForm3.h"
#include <gtest/gtest.h>

using namespace vx;
using ui::MouseButton;

namespace {

// A started program with the tool panel unfolded.
struct PanelRig {
    fakes::FakeMachine m;
    Application* app = nullptr;
    std::vector<std::string> log;

    PanelRig() {
        app = &m.start();
        m.ui.click(*app->Form1->SpeedButton2); // unfold the panel
    }
    TForm3& panel() { return *app->Form3; }
    fakes::FakeToolBar& bar() { return *m.form(L"TForm3").toolBars.at(0); }
    ui::ToolButton& button(int number) {
        for (auto& b : bar().buttons)
            if (b->id() == TForm3::ToolBarId + number)
                return *b;
        throw std::runtime_error("no such tool button");
    }
    // Records in `log` when a window's close handler runs, then runs the handler itself.
    void watchClose(const wchar_t* windowClass, const char* name) {
        auto& form = m.form(windowClass);
        form.onClose = [this, name, original = form.onClose] {
            log.push_back(name);
            if (original)
                original();
        };
    }
    // What the program did that the tests can see, summed up in a few words.
    std::string effects() {
        std::string s;
        for (auto& [kind, text] : m.ui.questions)
            s += kind == ui::QuestionKind::Information ? "ask-shutdown " : "ask-close ";
        if (!m.shell.explored.empty())
            s += "explore ";
        if (m.actions.saverStarts)
            s += "saver ";
        if (!m.ui.fileDialogs.empty())
            s += "save-dialog ";
        if (m.form(L"TForm2").visible())
            s += "drive-dialog ";
        if (m.form(L"TForm4").visible())
            s += "favourites ";
        if (m.form(L"TForm8").visible())
            s += "player ";
        for (auto& w : m.windows.windows)
            if (w.minimised)
                s += "minimise ";
        if (!m.windows.closed.empty())
            s += "close-windows ";
        if (!m.mci.sent.empty())
            s += "tray ";
        return s;
    }
};

struct ToolPanel : ::testing::Test, PanelRig {};

} // namespace

TEST_F(ToolPanel, EightButtonsInOneColumnWithTheirGlyphsAndHints) {
    EXPECT_EQ(m.form(L"TForm3").bounds(), (Rect{4, 768 - 29 - 180, 28, 180}));
    EXPECT_EQ(bar().params.rect, (Rect{0, 0, 28, 180}));
    EXPECT_EQ(bar().params.buttonWidth, 24);
    EXPECT_EQ(bar().params.buttonHeight, 22);
    struct Row {
        int number;
        ui::Glyph glyph;
        std::wstring hint;
    };
    const std::vector<Row> expected = {
        {2, ui::Glyph::Key, L"Завершение работы Windows"},
        {8, ui::Glyph::CloseDisc, L"Закрыть"},
        {3, ui::Glyph::DiskDrive, L"Выбрать/Открыть диск"},
        {6, ui::Glyph::CompactDisc, L"Извлечь диск из CD-ROM привода"},
        {7, ui::Glyph::Landscape, L"Включить ScreenSaver/Снимок экрана"},
        {5, ui::Glyph::Folder, L"Открыть папку"},
        {4, ui::Glyph::StackedWindows, L"Свернуть/Закрыть окна"},
        {9, ui::Glyph::PlayTriangle, L""},
    };
    ASSERT_EQ(bar().buttons.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& b = *bar().buttons[i];
        EXPECT_EQ(b.id(), TForm3::ToolBarId + expected[i].number) << i;
        EXPECT_EQ(b.glyph(), expected[i].glyph) << i;
        EXPECT_EQ(b.hint(), expected[i].hint) << i;
    }
}

// Which handler runs for which button and mouse button, on a desktop with one window of another
// application and a CD drive set.
TEST(ToolPanelDispatch, EachButtonActsOnlyOnItsOwnMouseButtons) {
    struct Case {
        int number;
        MouseButton mouse;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {2, MouseButton::Left, "ask-shutdown "},  {2, MouseButton::Right, ""},  {2, MouseButton::Middle, ""},
        {8, MouseButton::Left, "ask-close "},     {8, MouseButton::Right, ""},  {8, MouseButton::Middle, ""},
        {3, MouseButton::Left, "drive-dialog "},  {3, MouseButton::Right, "explore "},
        {3, MouseButton::Middle, ""},             {6, MouseButton::Left, "tray "},
        {6, MouseButton::Right, ""},
        {6, MouseButton::Middle, ""},             {5, MouseButton::Middle, ""},
        {7, MouseButton::Left, "saver "},         {7, MouseButton::Right, "save-dialog "},
        {7, MouseButton::Middle, ""},             {5, MouseButton::Left, "favourites "},
        {5, MouseButton::Right, ""},              {4, MouseButton::Left, "minimise "},
        {4, MouseButton::Right, "close-windows "},
        {4, MouseButton::Middle, ""},             {9, MouseButton::Left, "player "},
        {9, MouseButton::Right, ""},              {9, MouseButton::Middle, ""},
    };
    for (const auto& c : cases) {
        PanelRig t;
        t.m.actions.saverActive = true;
        t.m.windows.add({.id = 500, .title = L"Editor"});
        t.app->Settings.writeString(setting::CdRom, L"E");
        if (c.mouse == MouseButton::Left)
            t.m.ui.click(t.button(c.number));
        else
            t.m.ui.press(t.button(c.number), c.mouse);
        EXPECT_EQ(t.effects(), c.expected) << "ToolButton" << c.number << " mouse " << int(c.mouse);
        EXPECT_TRUE(t.m.ui.errors.empty());
        EXPECT_EQ(t.m.actions.shutdowns, 0);
    }
}

TEST_F(ToolPanel, DriveDialogAndFavouritesToggleAndFollowTheirOwnClose) {
    for (auto [number, windowClass, flag] : {std::tuple{3, L"TForm2", &WindowFlags::DriveDialogShown},
                                             std::tuple{5, L"TForm4", &WindowFlags::FavouritesShown}}) {
        auto& window = m.form(windowClass);
        m.ui.click(button(number));
        EXPECT_TRUE(window.visible());
        EXPECT_TRUE(app->flags.*flag);
        m.ui.click(button(number));
        EXPECT_FALSE(window.visible());
        EXPECT_FALSE(app->flags.*flag) << "closed through its close handler";

        m.ui.click(button(number));
        window.close(); // closed by its own means
        EXPECT_FALSE(app->flags.*flag);
        m.ui.click(button(number));
        EXPECT_TRUE(window.visible()) << "the next click shows it again";
    }
}

TEST_F(ToolPanel, PlayerButtonHidesWithoutTheCloseHandler) {
    watchClose(L"TForm8", "player closed");
    auto& player = m.form(L"TForm8");
    m.ui.click(button(9));
    EXPECT_TRUE(player.visible());
    EXPECT_TRUE(app->flags.PlayerShown);
    m.ui.click(button(9));
    EXPECT_FALSE(player.visible());
    EXPECT_FALSE(app->flags.PlayerShown);
    EXPECT_TRUE(log.empty()) << "hiding runs no close handler";
    m.ui.click(button(9));
    EXPECT_TRUE(player.visible());
}

TEST_F(ToolPanel, RightPressOnTheDriveButtonExploresTheDefaultDrive) {
    app->Settings.writeString(setting::Drive, L"E");
    m.ui.press(button(3), MouseButton::Right);
    ASSERT_EQ(m.shell.explored.size(), 1u);
    EXPECT_EQ(m.shell.explored[0].first, m.form(L"TForm1").handle()) << "owned by the main bar";
    EXPECT_EQ(m.shell.explored[0].second, L"E:\\");

    app->Settings.writeString(setting::Drive, L"");
    m.ui.press(button(3), MouseButton::Right);
    EXPECT_EQ(m.shell.explored.size(), 1u) << "an empty value names no drive";
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(ToolPanel, CloseButtonAsksAndClosesOnlyOnYes) {
    m.ui.answers = {false};
    m.ui.click(button(8));
    EXPECT_FALSE(m.form(L"TForm1").closed);
    EXPECT_TRUE(m.form(L"TForm3").visible());
    m.ui.answers = {true};
    m.ui.click(button(8));
    ASSERT_EQ(m.ui.questions.size(), 2u);
    EXPECT_EQ(m.ui.questions[1], std::pair(ui::QuestionKind::Confirmation,
                                           std::wstring(L"Вы действительно хотите закрыть Vextral ?")));
    EXPECT_TRUE(m.form(L"TForm1").closed);
    EXPECT_FALSE(m.form(L"TForm3").visible());
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);
}

TEST_F(ToolPanel, ScreenSaverStartsOnlyWhenTheQuerySucceedsAndSaysEnabled) {
    m.actions.saverActive = std::nullopt; // the query fails
    m.ui.click(button(7));
    m.actions.saverActive = false;
    m.ui.click(button(7));
    EXPECT_EQ(m.actions.saverStarts, 0);
    m.actions.saverActive = true;
    m.ui.click(button(7));
    EXPECT_EQ(m.actions.saverStarts, 1);
    EXPECT_TRUE(m.ui.fileDialogs.empty());
}

TEST_F(ToolPanel, ScreenshotAsksForTheFileWritesItOrReportsIt) {
    m.actions.saverActive = true;
    m.ui.press(button(7), MouseButton::Right); // cancelled
    ASSERT_EQ(m.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(m.ui.fileDialogs[0].first, ui::FileDialogKind::Save);
    EXPECT_EQ(m.ui.fileDialogs[0].second.fileName, L"Ris1");
    EXPECT_EQ(m.ui.fileDialogs[0].second.defaultExtension, L"bmp");
    EXPECT_EQ(m.ui.fileDialogs[0].second.initialDirectory, L"C:\\");
    EXPECT_EQ(m.ui.fileDialogs[0].second.filter, L"Bitmaps (*.bmp)|*.bmp|PNG (*.png)|*.png");
    EXPECT_EQ(m.screen.captures, 0) << "cancelling captures nothing";
    EXPECT_TRUE(m.files.files.count(L"C:\\Ris1.bmp") == 0);

    EXPECT_EQ(m.ui.repaintWaits, 0);

    int waitsBeforeCapture = -1;
    m.screen.onCapture = [&] { waitsBeforeCapture = m.ui.repaintWaits; };
    m.ui.fileAnswers = {L"C:\\Ris1.bmp"};
    m.ui.press(button(7), MouseButton::Right);
    EXPECT_EQ(m.screen.captures, 1);
    EXPECT_EQ(waitsBeforeCapture, 1) << "the windows under the dialog repaint before the capture";
    ASSERT_TRUE(m.files.exists(L"C:\\Ris1.bmp"));
    EXPECT_EQ(m.files.text(L"C:\\Ris1.bmp").substr(0, 2), "BM");
    EXPECT_EQ(m.screen.clipboard, bmp::packedDib(m.files.files.at(L"C:\\Ris1.bmp")))
        << "the clipboard holds the same bitmap without the file header";

    // Only a name ending in ".png", in any case, is written as PNG; ".png.bmp" or a bare "png"
    // stays BMP. A clipboard held by another program does not stop the file.
    m.screen.clipboardFree = false;
    const std::pair<const wchar_t*, const char*> names[] = {
        {L"C:\\a.PnG", "\x89P"}, {L"C:\\b.png.bmp", "BM"}, {L"C:\\cpng", "BM"}, {L"C:\\d.png", "\x89P"}};
    for (const auto& [name, magic] : names) {
        m.ui.fileAnswers = {name};
        m.ui.press(button(7), MouseButton::Right);
        EXPECT_EQ(m.files.text(name).substr(0, 2), magic) << name;
    }

    m.files.unwritable.insert(L"X:\\no\\shot.bmp");
    m.ui.fileAnswers = {L"X:\\no\\shot.bmp"};
    m.ui.press(button(7), MouseButton::Right);
    EXPECT_EQ(m.ui.errors, (std::vector<std::wstring>{L"Cannot create file X:\\no\\shot.bmp."}));
    EXPECT_EQ(m.actions.saverStarts, 0) << "a right press never starts the screen saver";
}

TEST_F(ToolPanel, ShutdownAnsweredNoChangesNothing) {
    m.ui.click(button(3));
    m.ui.answers = {false};
    m.ui.click(button(2));
    ASSERT_EQ(m.ui.questions.size(), 1u);
    EXPECT_EQ(m.ui.questions[0], std::pair(ui::QuestionKind::Information,
                                           std::wstring(L"Вы действительно хотите завершить работу Windows")));
    EXPECT_TRUE(app->Settings.isOpen());
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
    EXPECT_TRUE(m.form(L"TForm2").visible());
    EXPECT_TRUE(m.form(L"TForm3").visible());
    EXPECT_EQ(m.actions.privilegeRequests + m.actions.shutdowns, 0);
    EXPECT_FALSE(m.files.exists(m.programFolder() + L"Last.m3u"));
}

TEST_F(ToolPanel, ShutdownSavesReleasesShowsClosesThenAsksWithThePrivilege) {
    const std::wstring last = m.programFolder() + L"Last.m3u";
    app->Form8->playlist->add(L"song", L"C:\\Music\\song.mp3");
    m.ui.click(button(3)); // the drive dialog is shown
    m.shell.log = &log;
    m.actions.log = &log;
    m.registry.onKeyClosed = [&] {
        log.push_back(m.files.exists(last) ? "store released after the save" : "store released");
    };
    auto& drive = m.form(L"TForm2");
    drive.onClose = [this, original = drive.onClose] {
        log.push_back(app->Settings.isOpen() ? "windows closed, store open" : "windows closed");
        if (original)
            original();
    };
    m.ui.answers = {true};
    m.ui.click(button(2));
    EXPECT_EQ(log, (std::vector<std::string>{"store released after the save", "start button shown",
                                             "windows closed", "shutdown privilege", "shutdown"}));
    EXPECT_NE(m.files.text(last).find("C:\\Music\\song.mp3"), std::string::npos);
    EXPECT_FALSE(app->Settings.isOpen());
    EXPECT_EQ(m.registry.openKeys, 0);
    EXPECT_FALSE(m.form(L"TForm3").visible()) << "the panel is folded";
    EXPECT_FALSE(m.form(L"TForm1").closed) << "the bar stays until Windows ends the program";
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(ToolPanel, RefusedShutdownReportsAndKeepsTheProgramRunning) {
    for (bool privilegeFails : {true, false}) {
        m.ui.errors.clear();
        m.actions.shutdowns = 0;
        m.actions.privilegeFailure = privilegeFails ? std::optional<std::wstring>(L"Not all privileges assigned.")
                                                    : std::nullopt;
        m.actions.shutdownFailure = L"Access is denied.";
        m.ui.answers = {true};
        m.ui.click(button(2));
        EXPECT_EQ(m.ui.errors, (std::vector<std::wstring>{privilegeFails ? L"Not all privileges assigned."
                                                                         : L"Access is denied."}));
        EXPECT_EQ(m.actions.shutdowns, privilegeFails ? 0 : 1);
        EXPECT_TRUE(app->Settings.isOpen()) << "the store is open again";
        EXPECT_EQ(app->Settings.readString(setting::Drive), L"C");
        EXPECT_FALSE(m.shell.visible[m.shell.startButton]) << "the Start button is hidden again";
        EXPECT_FALSE(m.form(L"TForm1").closed);
        m.shell.visible[m.shell.startButton] = true; // and the watch keeps it hidden
        m.ui.fire(m.ui.onWatch);
        EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
    }
}

TEST_F(ToolPanel, AShutdownStoppedAtAnyStepPutsTheProgramBackAsItWas) {
    const std::wstring dirs = m.programFolder() + L"Dirs.vxl";
    const std::wstring last = m.programFolder() + L"Last.m3u";
    m.files.files[dirs] = {};
    app->Form8->playlist->add(L"song", L"C:\\Music\\song.mp3");
    m.ui.click(button(9)); // the player
    m.ui.click(button(5)); // the favourites
    // The favourites cannot be saved (Dirs.vxl made read-only), then the playlist cannot be.
    const std::pair<std::wstring, std::wstring> failures[] = {{dirs, L"File access denied."},
                                                               {last, L"Cannot create file " + last + L"."}};
    for (const auto& [unwritable, error] : failures) {
        m.ui.errors.clear();
        m.files.unwritable = {unwritable};
        m.ui.answers = {true};
        m.ui.click(button(2));
        EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{error});
        EXPECT_EQ(m.actions.shutdowns, 0);
        EXPECT_FALSE(m.shell.visible[m.shell.startButton]) << "the Start button is hidden again";
        EXPECT_EQ(app->Settings.readString(setting::Drive), L"C") << "the store is usable";
        for (auto* name : {L"TForm3", L"TForm8", L"TForm4"})
            EXPECT_TRUE(m.form(name).visible()) << std::string(name, name + 6) << " is on screen again";
        EXPECT_TRUE(app->flags.PanelUnfolded && app->flags.PlayerShown && app->flags.FavouritesShown);
    }
    // A list that cannot be saved stores nothing of the resume: the one stored before stays.
    app->Settings.writeString(setting::PlayerPath, L"C:\\Music\\old.mp3");
    m.files.unwritable = {last};
    m.ui.answers = {true};
    m.ui.click(button(2));
    EXPECT_EQ(app->Settings.readString(setting::PlayerPath), L"C:\\Music\\old.mp3");

    m.files.unwritable.clear();
    m.ui.answers = {true};
    m.ui.click(button(2));
    EXPECT_EQ(m.actions.shutdowns, 1) << "with the files writable the shutdown goes ahead";

    // Called off; then the favourites' error box is up when the user picks "Закрыть" on the
    // docked bar: the exit runs once, and when the box returns Power takes nothing back.
    m.ui.fire(m.ui.onShutdownCancelled);
    m.files.unwritable = {dirs};
    m.ui.whileErrorShown = [this] {
        m.ui.whileErrorShown = nullptr;
        m.ui.click(button(2)); // the panel is still up: a second shutdown is not even asked for
        m.ui.answers = {true};
        m.ui.fire(static_cast<fakes::FakePopupMenu*>(app->Form1->PopupMenu1)->items.at(0).onClick);
    };
    m.ui.answers = {true};
    const auto asked = m.ui.questions.size();
    m.ui.click(button(2));
    EXPECT_EQ(m.ui.questions.size(), asked + 2) << "the shutdown's and the close's";
    EXPECT_TRUE(m.form(L"TForm1").closed) << "the exit ran";
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]) << "the Start button stays as the exit left it";
    EXPECT_FALSE(app->Settings.isOpen());
    EXPECT_EQ(m.actions.shutdowns, 1);
}

TEST_F(ToolPanel, ShutdownWithAnEmptyPlaylistLeavesLastM3uAlone) {
    const std::wstring last = m.programFolder() + L"Last.m3u";
    m.files.files[last] = {'o', 'l', 'd'};
    m.ui.answers = {true};
    m.ui.click(button(2));
    EXPECT_EQ(m.actions.shutdowns, 1);
    EXPECT_EQ(m.files.text(last), "old");
}

TEST_F(ToolPanel, AShutdownCalledOffAfterItsRequestLeavesTheProgramRunning) {
    m.shell.log = &log;
    m.ui.fire(m.ui.onShutdownCancelled); // somebody else's shutdown: nothing to take back
    EXPECT_TRUE(log.empty());

    m.ui.answers = {true};
    m.ui.click(button(2));
    ASSERT_EQ(m.actions.shutdowns, 1);
    EXPECT_FALSE(app->Settings.isOpen());
    EXPECT_TRUE(m.shell.visible[m.shell.startButton]);

    m.ui.fire(m.ui.onShutdownCancelled);
    EXPECT_TRUE(app->Settings.isOpen());
    EXPECT_EQ(app->Settings.readString(setting::Drive), L"C");
    EXPECT_FALSE(m.shell.visible[m.shell.startButton]);
    EXPECT_TRUE(m.ui.errors.empty());
    m.ui.fire(m.ui.onShutdownCancelled); // a second notice changes nothing more
    EXPECT_EQ(log, (std::vector<std::string>{"start button shown", "start button hidden"}));

    // Another program refused before this one was asked: Windows sends no word. Thirty seconds
    // after the request, by the steady clock, the program runs on as before.
    m.system.ticks = 5'000;
    m.ui.answers = {true};
    m.ui.click(button(2));
    ASSERT_EQ(m.actions.shutdowns, 2);
    EXPECT_EQ(m.ui.pendingDelayMs, 30'000);
    // Meanwhile the shell restarts and takes the bar along.
    m.form(L"TForm1").lost = true;
    m.ui.fire(m.ui.onWatch);
    m.shell.taskbar = 300;
    m.shell.startButton = 301;
    m.shell.visible[301] = true;
    m.ui.fire(m.ui.onTaskbarCreated);
    EXPECT_TRUE(m.shell.visible[301]) << "the Start button stays shown while Power waits";
    m.system.ticks = 34'999;
    m.ui.firePending(); // a timer that came early waits for the rest
    EXPECT_FALSE(app->Settings.isOpen()) << "29.999 s: still waiting for the session's end";
    EXPECT_EQ(m.ui.pendingDelayMs, 1);
    m.system.ticks = 35'000;
    m.ui.firePending();
    EXPECT_TRUE(app->Settings.isOpen());
    auto& bar = m.form(L"TForm1");
    EXPECT_TRUE(bar.visible() && bar.dockedTo == WindowId(300)) << "the bar is back, in the new taskbar";
    EXPECT_FALSE(m.shell.visible[301]);
    EXPECT_TRUE(m.form(L"TForm3").visible()) << "the panel is unfolded again";
    // The session ends later after all: the exit sequence runs, and a wait that ends after it
    // takes nothing back.
    m.ui.answers = {true};
    m.ui.click(button(2));
    const auto wayBack = m.ui.pending;
    m.ui.fire(m.ui.onSessionEnding);
    EXPECT_TRUE(bar.closed);
    m.system.ticks += 30'000;
    m.ui.fire(wayBack);
    EXPECT_FALSE(app->Settings.isOpen());
    EXPECT_TRUE(m.shell.visible[301]);
    EXPECT_TRUE(m.ui.errors.empty());
}

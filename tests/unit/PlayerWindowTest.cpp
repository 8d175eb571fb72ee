#include "PlayerFixture.h"
#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/FolderImport.h"
#include "player/MediaEngine.h"
#include "player/RandomChoice.h"
#include "player/SkinStrip.h"
#include "player/TForm8.h"
#include "player/TForm9.h"
#include <gtest/gtest.h>

using namespace vx;
namespace mci = platform::mci;
using Items = std::vector<std::wstring>;

namespace {

constexpr ui::MouseShift Left{true, false};
constexpr ui::MouseShift Right{false, true};
constexpr ui::MouseShift Both{true, true};
constexpr int Prev = 12, Play = 30, Pause = 60, Stop = 80, Next = 100, Open = 130;

struct PlayerWindow : PlayerFixture {
    fakes::FakePopupMenu& menu() { return static_cast<fakes::FakePopupMenu&>(*player().PopupMenu1); }
    std::wstring label() { return player().Label1->text(); }
    void tick() { m.ui.fire([&] { player().Timer1Timer(); }); }
    void press(ui::MouseShift shift, int x) { m.ui.fire([&] { player().Image1MouseDown(shift, x, 5); }); }
    // Lets a track run out and the timer notice it.
    void runOut() {
        m.mci.advance(device()->length);
        tick();
    }
};

} // namespace

TEST_F(PlayerWindow, LabelCountsTheRemainingTimeDownEverySecond) {
    m.mci.lengths[L"long.mp3"] = 185000;
    list().add(L"long.mp3", L"C:\\long.mp3");
    player().PlayN(0);
    EXPECT_EQ(label(), L"3:05");
    m.mci.advance(1000);
    tick();
    EXPECT_EQ(label(), L"3:04");
    m.mci.advance(1500);
    tick();
    EXPECT_EQ(label(), L"3:02") << "182.5 s left shows whole seconds";
    EXPECT_EQ(playing(), L"long.mp3");

    m.mci.lengths[L"hour.mp3"] = 61 * 60000;
    list().add(L"hour.mp3", L"C:\\hour.mp3");
    player().PlayN(1);
    EXPECT_EQ(label(), L"61:00");
    m.mci.advance(61 * 60000 - 59900);
    tick();
    EXPECT_EQ(label(), L"0:59");
}

TEST_F(PlayerWindow, TimerIsIdleWithoutADeviceAndWrapsAfterTheLastEntry) {
    fill(3);
    tick();
    EXPECT_TRUE(m.mci.sent.empty()) << "no device: the tick asks nothing";

    player().PlayN(1);
    runOut();
    EXPECT_EQ(playing(), L"t2.wav");
    EXPECT_EQ(list().CurrentIndex, 2);
    runOut();
    EXPECT_EQ(playing(), L"t0.wav") << "after the last entry the first follows";
    EXPECT_EQ(list().CurrentIndex, 0);
    EXPECT_EQ(label(), L"0:30");
    m.mci.advance(29000);
    tick();
    EXPECT_EQ(playing(), L"t0.wav") << "one second before the end nothing changes";
}

// The end as the MPEGVideo device marks it (stopped at position 0), a position past an estimated
// length, and stops and pauses by the user, which are no end at all.
TEST_F(PlayerWindow, EveryDevicesEndMovesOnButAStopOrPauseByTheUserDoesNot) {
    for (const wchar_t* name : {L"a.mp3", L"b.mp3", L"c.mp3"}) {
        m.mci.lengths[name] = 3000;
        m.mci.mpegVideo.insert(name);
        list().add(name, std::wstring(L"C:\\Music\\") + name);
    }
    player().PlayN(0);
    m.mci.advance(1000);
    tick();
    m.mci.advance(2000);
    ASSERT_EQ(device()->position, 0u) << "the device went back to the start, stopped";
    tick();
    EXPECT_EQ(playing(), L"b.mp3") << "stopped on its own: the next entry follows";
    EXPECT_EQ(label(), L"0:03");

    m.mci.advance(1000);
    tick();
    device()->position = 3003; // still playing a little past its estimated length
    tick();
    EXPECT_EQ(label(), L"0:00") << "no wrapped time";
    EXPECT_EQ(playing(), L"b.mp3");

    // The user's stop leaves the device just as its end does, and pause is no end either.
    press(Left, Stop);
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(playing(), L"b.mp3") << "stopped by the user";
    press(Left, Play);
    m.mci.advance(1000);
    press(Left, Pause);
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(playing(), L"b.mp3") << "paused by the user";

    // A track over before the timer ever saw it play ends at the second stopped reading.
    player().PlayN(2);
    m.mci.advance(3000);
    tick();
    EXPECT_EQ(playing(), L"c.mp3");
    tick();
    EXPECT_EQ(playing(), L"a.mp3");
    EXPECT_TRUE(m.ui.errors.empty());
}

// A broken entry is made current before it fails, so every step goes past it.
TEST_F(PlayerWindow, BrokenEntryIsSteppedPastAndShowsNoStaleTime) {
    fill(4);
    m.mci.missing.insert(L"t1.wav");
    m.mci.missing.insert(L"t3.wav");
    player().PlayN(0);
    runOut();
    EXPECT_EQ(m.ui.errors, (Items{L"Cannot find the file."}));
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(label(), L"0:00") << "the ended track's full length does not come back";
    tick();
    EXPECT_EQ(m.ui.errors.size(), 1u) << "no device: the timer waits";
    press(Left, Next);
    EXPECT_EQ(playing(), L"t2.wav") << "next goes past the broken entry";
    press(Left, Next);
    EXPECT_EQ(list().CurrentIndex, 3);
    press(Left, Prev);
    EXPECT_EQ(playing(), L"t2.wav") << "previous from the broken entry";
    runOut();
    press(Left, Next);
    EXPECT_EQ(playing(), L"t0.wav");
    auto& box = static_cast<fakes::FakeListBox&>(*player().ListBox1);
    box.selected = 1;
    m.ui.fire([&] { player().ListBox1DblClick(); });
    press(Left, Next);
    EXPECT_EQ(playing(), L"t2.wav") << "after a double-click on it too";

    // Random order with two entries, one broken: it alternates instead of retrying the broken one.
    list().clear();
    fill(2);
    m.system.utcStep = 7;
    m.ui.fire([&] { menu().items.at(std::size_t(player().N5)).onClick(); });
    player().PlayN(0);
    runOut();
    EXPECT_EQ(list().CurrentIndex, 1);
    press(Left, Next);
    EXPECT_EQ(playing(), L"t0.wav");
    EXPECT_EQ(m.ui.errors.size(), 5u);
}

TEST_F(PlayerWindow, EmptiedOrShrunkPlaylistNeitherLoopsNorNamesNoEntry) {
    fill(3);
    player().PlayN(2);
    list().remove(2);
    list().remove(1);
    runOut();
    EXPECT_EQ(playing(), L"t0.wav") << "an index past the end wraps to the first entry";

    list().clear();
    runOut();
    EXPECT_FALSE(engine().isOpen()) << "an empty playlist plays nothing";
    tick();
    EXPECT_TRUE(m.ui.errors.empty());

    menu().items.at(std::size_t(player().N5)).checked = true;
    EXPECT_EQ(player().nextIndex(), -1) << "random order does not spin on an empty list";
}

TEST_F(PlayerWindow, RandomDrawIsTheThirtyTwoBitGeneratorReseededEveryTime) {
    std::uint32_t seed = 1000;
    EXPECT_EQ(drawIndex(seed, 10), 3);
    EXPECT_EQ(seed, 1631826825u);
    seed = 123456;
    EXPECT_EQ(drawIndex(seed, 7), 0);
    EXPECT_EQ(seed, 179465025u);

    // The same millisecond gives the same index: the loop waits for the clock to move on.
    std::vector<std::uint32_t> readings;
    std::uint32_t clock = 1000;
    const int index = randomIndex([&] { readings.push_back(clock); return clock++; }, 10, 3);
    EXPECT_NE(index, 3);
    EXPECT_GT(readings.size(), 1u) << "1000 draws 3, the current index, so it draws again";
}

TEST_F(PlayerWindow, RandomOrderReplaysASingleEntryAndAlternatesBetweenTwo) {
    m.ui.fire([&] { menu().items.at(std::size_t(player().N5)).onClick(); });
    EXPECT_TRUE(player().randomOrder());
    m.system.utcStep = 7;
    fill(1);
    player().PlayN(0);
    runOut();
    EXPECT_EQ(playing(), L"t0.wav");

    fill(1);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        runOut();
        order.push_back(list().CurrentIndex);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 0, 1, 0, 1, 0}));

    m.ui.fire([&] { menu().items.at(std::size_t(player().N5)).onClick(); });
    EXPECT_FALSE(player().randomOrder()) << "the item flips its own check mark";
}

TEST_F(PlayerWindow, MenuItemsInOrderAndOpenPlateShowsItBesideTheFrame) {
    Items captions;
    for (auto& item : menu().items)
        captions.push_back(item.caption);
    EXPECT_EQ(captions, (Items{L"Открыть файл", L"Добавить файл", L"Открыть папку", L"Добавить папку", L"Сохранить",
                               L"-", L"Случайно"}));
    const Rect r = player().window().bounds();
    press(Right, 116);
    press(Left, Open);
    press(Both, 148);
    ASSERT_EQ(menu().popups.size(), 3u);
    EXPECT_EQ(menu().popups[0], std::make_pair(r.left + r.width, r.top));

    fill(1);
    for (int x : {Prev, Play, Pause, Stop, Next})
        press(Both, x);
    EXPECT_TRUE(m.mci.sent.empty()) << "transport plates wait for a first track";
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(PlayerWindow, TransportPlatesPlayPauseAndStopAtTheStart) {
    fill(1);
    player().PlayN(0);
    m.mci.advance(5000);
    press(Left, Pause);
    EXPECT_EQ(device()->mode, mci::ModePause);
    press(Right, Play);
    EXPECT_EQ(device()->mode, mci::ModePlay);
    press(Left, Stop);
    EXPECT_EQ(device()->mode, mci::ModeStop);
    EXPECT_EQ(device()->position, 0u);
}

TEST_F(PlayerWindow, PreviousAndNextSeekOnTheRightAndChangeTrackOnTheLeft) {
    fill(3);
    player().PlayN(0);
    m.mci.advance(10000);
    press(Right, Prev);
    EXPECT_EQ(device()->position, 10000u) << "10000 ms or less: no step back";
    m.mci.advance(2000);
    press(Right, Prev);
    EXPECT_EQ(device()->position, 2000u);
    EXPECT_EQ(device()->mode, mci::ModePlay);

    press(Left, Prev);
    EXPECT_EQ(playing(), L"t2.wav") << "before the first comes the last";
    press(Left, Next);
    EXPECT_EQ(playing(), L"t0.wav");

    m.mci.advance(20001);
    press(Right, Next);
    EXPECT_EQ(device()->position, 20001u) << "within the last 10 s: no step forward";
    device()->position = 5000;
    press(Right, Next);
    EXPECT_EQ(device()->position, 15000u);

    // Both buttons: the seek goes to the old track, then the next one opens.
    const std::uint32_t old = engine().deviceId();
    const std::size_t from = m.mci.sent.size();
    press(Both, Next);
    EXPECT_EQ(playing(), L"t1.wav");
    bool seekedOld = false;
    for (std::size_t i = from; i < m.mci.sent.size(); ++i)
        if (m.mci.sent[i].message == mci::Play) {
            seekedOld = m.mci.sent[i].device == old && m.mci.sent[i].to == 25000;
            break;
        }
    EXPECT_TRUE(seekedOld);

    list().remove(2);
    list().remove(1);
    press(Left, Prev);
    EXPECT_EQ(playing(), L"t0.wav") << "a current index past the end steps back to the last entry";

    // A device that goes back to 0 on a stop and refuses seeks to a position steps all the same.
    m.mci.lengths[L"long.mp3"] = 30000;
    m.mci.mpegVideo.insert(L"long.mp3");
    list().add(L"long.mp3", L"C:\\long.mp3");
    player().PlayN(1);
    m.mci.advance(12000);
    press(Right, Next);
    EXPECT_EQ(device()->position, 22000u);
    EXPECT_EQ(device()->mode, mci::ModePlay);
    press(Right, Prev);
    EXPECT_EQ(device()->position, 12000u);
}

TEST_F(PlayerWindow, KeysSeekAndDeleteAndDoubleClickPlays) {
    fill(3);
    auto& box = static_cast<fakes::FakeListBox&>(*player().ListBox1);
    box.selected = 1;
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkLeft); });
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkRight); });
    EXPECT_TRUE(m.mci.sent.empty()) << "arrows with no device do nothing";

    m.ui.fire([&] { player().ListBox1DblClick(); });
    EXPECT_EQ(playing(), L"t1.wav");
    EXPECT_EQ(list().CurrentIndex, 1);
    m.mci.advance(12000);
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkLeft); });
    EXPECT_EQ(device()->position, 2000u);
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkRight); });
    EXPECT_EQ(device()->position, 12000u);
    m.mci.advance(9000);
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkRight); });
    EXPECT_EQ(device()->position, 21000u) << "not within the last 10 s";

    box.selected = -1;
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkDelete); });
    EXPECT_EQ(list().count(), 3);
    box.selected = 1;
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkDelete); });
    EXPECT_EQ(box.items, (Items{L"t0.wav", L"t2.wav"}));
    EXPECT_EQ(playing(), L"t1.wav") << "the deleted entry plays on";
    EXPECT_EQ(list().CurrentIndex, 1);
    runOut();
    EXPECT_EQ(playing(), L"t0.wav") << "the advance counts from the unchanged index";
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST(MediaNames, ExtensionIsCutToFourCharactersAndComparedExactly) {
    for (const wchar_t* name : {L"song.mp3", L"clip.avi", L"movie.mpeg", L"tune.midi", L"a.b.wav", L"x.mp3x", L"a.flac",
                               L"a.m4a", L"a.aac", L"a.opus", L"a.ogg", L"a.oga", L"a.wma"})
        EXPECT_TRUE(isMediaName(name)) << std::string(name, name + wcslen(name));
    for (const wchar_t* name : {L"cover.jpg", L"notes.txt", L"SONG.MP3", L"song.Mp3", L"mp3", L"song.mp", L"wav.",
                               L"a.fla", L"a.flacx", L"a.FLAC", L"a.opu"})
        EXPECT_FALSE(isMediaName(name)) << std::string(name, name + wcslen(name));
}

namespace {

// The import dialog driven as a user does: a menu item shows it, a folder is picked in the tree,
// then OK, "Отмена" or a double-click on the background.
struct FolderImportDialog : PlayerWindow {
    TForm9& dialog() { return *app->Form9; }
    fakes::FakeForm& form() { return m.form(L"TForm9"); }
    fakes::FakeShellFolderTree& tree() { return static_cast<fakes::FakeShellFolderTree&>(*dialog().ShellTreeView1); }
    Items shown() { return static_cast<fakes::FakeListBox&>(*player().ListBox1).items; }
    void open(const wchar_t* caption) {
        for (auto& item : menu().items)
            if (item.caption == caption)
                m.ui.fire(item.onClick);
        ASSERT_TRUE(form().visible()) << "the dialog is up";
    }
    void ok() { m.ui.fire(dialog().BitBtn1->onClick); }
    void SetUp() override {
        PlayerWindow::SetUp();
        m.files.folders[L"D:\\Songs"] = {{L"song.mp3"}, {L"cover.jpg"}, {L"Album.mp3", true}, {L"clip.avi"},
                                         {L"notes.txt"}, {L"Sub", true}};
        m.files.folders[L"D:\\Songs\\Sub"] = {{L"deep.mp3"}};
        m.files.folders[L"C:"] = {{L"root.wav"}};
        m.mci.lengths[L"song.mp3"] = 4000;
        m.mci.lengths[L"root.wav"] = 4000;
    }
};

} // namespace

TEST_F(FolderImportDialog, TreeStandsAboveTheButtonsAndTabsLast) {
    ASSERT_EQ(form().shellFolderTrees.size(), 1u);
    EXPECT_EQ(tree().params.rect, (Rect{8, 8, 201, 185}));
    EXPECT_EQ(tree().params.indent, 19);
    EXPECT_EQ(form().buttons.size(), 2u);
    EXPECT_EQ(form().buttons[0]->params.rect, (Rect{8, 208, 89, 25}));
    EXPECT_TRUE(form().directoryListBoxes.empty() && form().driveComboBoxes.empty());
    // The subfolder switch is a row of its own under the buttons, off until the user sets it.
    ASSERT_EQ(form().checkBoxes.size(), 1u);
    const auto& box = *form().checkBoxes[0];
    EXPECT_EQ(box.params.text, L"Включая подпапки");
    EXPECT_GE(box.params.rect.top, 208 + 25);
    EXPECT_EQ(box.params.rect.top + box.params.rect.height, 234 + TForm9::SubfolderRowHeight - 1);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(form().bounds(), (Rect{279, 145, 225, 272 + TForm9::SubfolderRowHeight}));
}

TEST_F(FolderImportDialog,
       SubfoldersDepthFirstInNameOrderPastLinksAndSystemFoldersAndEscapeCancels) {
    // Folder names differ in case, so a plain code order would put "Sub" before "b".
    auto& songs = m.files.folders[L"D:\\Songs"];
    songs.push_back({L"b", true});
    songs.push_back({L"Loop", true, true});          // a junction back to D:\Songs
    songs.push_back({L"Папка", true});
    songs.push_back({L"System", true, false, true}); // hidden and system
    m.files.folders[L"D:\\Songs\\Album.mp3"] = {{L"a1.mp3"}};
    m.files.folders[L"D:\\Songs\\b"] = {{L"Inner", true}, {L"b1.wav"}};
    m.files.folders[L"D:\\Songs\\b\\Inner"] = {{L"i.mid"}};
    m.files.folders[L"D:\\Songs\\Loop"] = m.files.folders[L"D:\\Songs"];
    m.files.folders[L"D:\\Songs\\System"] = {{L"sys.mp3"}};
    m.files.folders[L"D:\\Songs\\Папка"] = {{L"п.wav"}};
    open(L"Открыть папку");
    form().checkBoxes[0]->setChecked(true);
    tree().select(L"D:\\Songs");
    ok();
    EXPECT_EQ(shown(), (Items{L"song.mp3", L"Album.mp3", L"clip.avi", L"a1.mp3", L"b1.wav", L"i.mid", L"deep.mp3",
                              L"п.wav"}));
    EXPECT_EQ(list().path(5), L"D:\\Songs\\b\\Inner\\i.mid");
    EXPECT_EQ(playing(), L"song.mp3");
    EXPECT_EQ(m.ui.busyBegun, 1);
    EXPECT_EQ(m.ui.busyScopes, 0) << "the busy cursor goes when the walk ends";
    const fakes::FakeRegistry::KeyId key{platform::RegRoot::CurrentUser, L"SOFTWARE\\Vextral"};
    EXPECT_EQ(m.registry.keys[key][L"ImportSubfolders"].data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

    // Escape before the third folder cancels the import, in either mode: the list stays as it
    // was, nothing starts, the check box is not stored, and OK's dialog closes.
    const Items before = shown();
    m.ui.cancelBusyAfter = 2;
    m.mci.sent.clear();
    m.registry.keys[key].erase(L"ImportSubfolders");
    for (const wchar_t* command : {L"Открыть папку", L"Добавить папку"}) {
        open(command);
        ok();
        EXPECT_FALSE(form().visible());
        EXPECT_EQ(shown(), before);
    }
    EXPECT_EQ(list().count(), 8);
    EXPECT_TRUE(m.mci.sent.empty());
    EXPECT_EQ(m.registry.keys[key].count(L"ImportSubfolders"), 0u);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(FolderImportDialog, OkReplacesWithTheSelectedFolderAndPlaysTheFirst) {
    fill(2);
    player().PlayN(1);
    open(L"Открыть папку");
    tree().select(L"D:\\Songs");
    ok();
    EXPECT_FALSE(form().visible()) << "OK closes the dialog";
    EXPECT_EQ(form().modalShows, 1);
    EXPECT_EQ(shown(), (Items{L"song.mp3", L"Album.mp3", L"clip.avi"})) << "file-system order, no subfolder's files";
    EXPECT_EQ(list().path(2), L"D:\\Songs\\clip.avi");
    EXPECT_EQ(playing(), L"song.mp3");

    open(L"Открыть папку");
    tree().select(L"C:\\");
    ok();
    EXPECT_EQ(list().count(), 1);
    EXPECT_EQ(list().path(0), L"C:\\root.wav") << "a drive root gets no second backslash";
    EXPECT_EQ(playing(), L"root.wav");
    EXPECT_TRUE(m.ui.errors.empty());

    const std::wstring deep = L"D:\\" + std::wstring(300, L'x'); // taken whole, however long
    m.files.folders[deep] = {{L"deep.wav"}};
    open(L"Открыть папку");
    tree().select(deep);
    ok();
    EXPECT_EQ(list().path(0), deep + L"\\deep.wav");

    m.mci.missing.insert(L"song.mp3");
    open(L"Открыть папку");
    tree().select(L"D:\\Songs");
    ok();
    EXPECT_EQ(m.ui.errors, (Items{L"Cannot find the file."}));
    EXPECT_FALSE(form().visible()) << "closed although the first entry failed";
    EXPECT_EQ(list().count(), 3);
}

TEST_F(FolderImportDialog, BackgroundDoubleClickAppendsAndStaysOpenThenCancelChangesNothing) {
    fill(1);
    player().PlayN(0);
    m.mci.sent.clear();
    open(L"Добавить папку");
    tree().select(L"D:\\Songs");
    m.ui.fire(form().onDblClick);
    EXPECT_TRUE(form().visible()) << "the double-click leaves the dialog open";
    EXPECT_EQ(shown(), (Items{L"t0.wav", L"song.mp3", L"Album.mp3", L"clip.avi"}));
    m.ui.fire(form().onDblClick);
    EXPECT_EQ(list().count(), 7) << "each double-click appends again";
    EXPECT_TRUE(m.mci.sent.empty()) << "appending starts nothing";

    m.ui.fire(dialog().BitBtn2->onClick);
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(list().count(), 7);

    open(L"Открыть папку");
    tree().select(L"C:\\");
    m.ui.fire(dialog().BitBtn2->onClick);
    EXPECT_EQ(list().count(), 7) << "cancel in replace mode keeps the playlist too";
    EXPECT_EQ(playing(), L"t0.wav");
    EXPECT_TRUE(m.mci.sent.empty());
}

TEST_F(FolderImportDialog, VirtualFolderOrNoSelectionAddsNothing) {
    fill(2);
    player().PlayN(0);
    open(L"Добавить папку");
    ok(); // nothing selected
    EXPECT_EQ(list().count(), 2);
    open(L"Добавить папку");
    tree().select(L""); // the computer: no file-system path
    ok();
    EXPECT_EQ(list().count(), 2);

    open(L"Открыть папку");
    ok();
    EXPECT_TRUE(list().empty()) << "replace mode empties the list even when nothing is found";
    EXPECT_EQ(playing(), L"t0.wav") << "and the playing track goes on";
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST(SkinStrip, PlatesLieAtThePressRangesWithAGapBeforeOpen) {
    const auto px = drawSkinStrip();
    ASSERT_EQ(px.size(), std::size_t(skin::Width * skin::Height));
    auto at = [&](int x, int y) { return px[std::size_t(y * skin::Width + x)]; };
    // Each transport button carries a symbol of its own inside its range.
    const int ranges[5][2] = {{0, 24}, {25, 47}, {48, 70}, {71, 93}, {94, 115}};
    for (auto& r : ranges) {
        int ink = 0;
        for (int x = r[0] + 2; x <= r[1] - 2; ++x)
            for (int y = 2; y < skin::Height - 2; ++y)
                ink += at(x, y) == skin::Symbol;
        EXPECT_GT(ink, 15) << r[0];
    }
    for (int y = 0; y < skin::Height; ++y) {
        EXPECT_EQ(at(116, y), skin::Background);
        EXPECT_EQ(at(117, y), skin::Background);
    }
    int letters = 0;
    for (int x = 118; x < skin::Width; ++x)
        for (int y = 0; y < skin::Height; ++y)
            letters += at(x, y) == skin::Symbol;
    EXPECT_GT(letters, 30) << "the OPEN plate carries its word";
}

TEST_F(PlayerWindow, StripPressesReachThePlates) {
    auto& form = m.form(L"TForm8");
    ASSERT_EQ(form.images.size(), 1u);
    EXPECT_EQ(form.images[0]->params.rect, (Rect{10, 8, 149, 18}));
    EXPECT_EQ(form.params.borderWidth, 2);
    // Each named button of the strip covers plate pixels only.
    const auto px = drawSkinStrip();
    for (const auto& b : form.images[0]->params.buttons)
        for (int x = b.rect.left; x < b.rect.left + b.rect.width; ++x)
            EXPECT_NE(px[std::size_t(9 * skin::Width + x)], skin::Background) << b.name << " " << x;
    m.ui.fire([&] { form.images[0]->onMouseDown(Right, 140, 3); });
    EXPECT_EQ(menu().popups.size(), 1u);
}

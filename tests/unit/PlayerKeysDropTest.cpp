#include "PlayerFixture.h"
#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/MediaEngine.h"
#include "player/TForm8.h"
#include <gtest/gtest.h>

using namespace vx;
namespace mci = platform::mci;
using Items = std::vector<std::wstring>;
using ui::MediaKey;

namespace {

struct PlayerKeysDrop : PlayerFixture {
    fakes::FakeListBox& shown() { return static_cast<fakes::FakeListBox&>(*player().ListBox1); }
    fakes::FakeListBox& stored() { return static_cast<fakes::FakeListBox&>(*player().PathList); }
    // The timer wakes the player exactly while the keys are claimed: while a track is under way.
    bool claimed() {
        EXPECT_EQ(player().Timer1->enabled(), m.ui.keys.claimed())
            << "the timer runs while a track plays";
        return m.ui.keys.claimed();
    }
    bool key(MediaKey k) { return m.ui.pressMediaKey(k); }
    bool drop(std::vector<ui::DroppedItem> items) { return m.ui.drop(*player().ListBox1, items); }
};

} // namespace

TEST_F(PlayerKeysDrop, KeysAreClaimedAndTheTimerRunsOnlyWhileATrackPlaysOrIsPaused) {
    fill(2);
    EXPECT_FALSE(claimed()) << "nothing loaded at start: the keys stay with other programs";
    for (MediaKey k : {MediaKey::PlayPause, MediaKey::Stop, MediaKey::NextTrack, MediaKey::PreviousTrack})
        EXPECT_FALSE(key(k)) << "before a first track the keys act on nothing and pass on";
    EXPECT_TRUE(m.mci.sent.empty());

    m.ui.fire([&] { player().ListBox1DblClick(); }); // nothing selected: plays nothing
    EXPECT_FALSE(claimed());
    player().PlayN(0);
    EXPECT_TRUE(claimed());
    EXPECT_TRUE(key(MediaKey::PlayPause));
    EXPECT_TRUE(claimed()) << "paused";
    EXPECT_TRUE(key(MediaKey::Stop));
    EXPECT_FALSE(claimed()) << "stopped: the keys go back although the device stays open";
    m.ui.fire([&] { player().Image1MouseDown({true, false}, 30, 5); });
    EXPECT_TRUE(claimed()) << "the play plate takes them again";
    m.ui.fire([&] { player().Image1MouseDown({true, false}, 80, 5); });
    EXPECT_FALSE(claimed()) << "and the stop plate gives them back";
    m.ui.fire([&] { player().ListBox1KeyDown(TForm8::VkRight); });
    EXPECT_TRUE(claimed()) << "an arrow plays on from 10 s: a play as well";
    player().PlayN(0);

    // An entry that will not open leaves no device: the keys go back, even though the handler
    // ended with an error.
    m.mci.missing.insert(L"t1.wav");
    EXPECT_TRUE(key(MediaKey::NextTrack));
    EXPECT_EQ(m.ui.errors, (Items{L"Cannot find the file."}));
    EXPECT_FALSE(engine().isOpen());
    EXPECT_FALSE(claimed());

    EXPECT_TRUE(key(MediaKey::PreviousTrack)) << "TrackLoaded stays: previous still acts, as its plate does";
    EXPECT_EQ(playing(), L"t0.wav") << "back from the failed entry 1, which was made current";
    EXPECT_TRUE(claimed());

    // The end of a track in an emptied playlist closes the device and plays nothing more.
    list().clear();
    m.mci.advance(30000);
    m.ui.fire([&] { player().Timer1Timer(); });
    EXPECT_FALSE(engine().isOpen());
    EXPECT_FALSE(claimed());

    fill(1);
    player().PlayN(0);
    app->closeMediaEngine(); // the exit sequence
    EXPECT_FALSE(claimed()) << "the keys are given back when the program ends";
}

TEST_F(PlayerKeysDrop, KeysActAsTheirPlatesWithTheLeftButton) {
    fill(3);
    player().PlayN(0);
    m.mci.advance(5000);
    EXPECT_TRUE(key(MediaKey::PlayPause));
    EXPECT_EQ(device()->mode, mci::ModePause);
    EXPECT_TRUE(key(MediaKey::PlayPause));
    EXPECT_EQ(device()->mode, mci::ModePlay) << "play/pause resumes a paused track";
    EXPECT_EQ(device()->position, 5000u);
    m.ui.fire([&] { player().Timer1Timer(); }); // the countdown shows 0:25

    EXPECT_TRUE(key(MediaKey::Stop));
    EXPECT_EQ(device()->mode, mci::ModeStop);
    EXPECT_EQ(device()->position, 0u);
    EXPECT_EQ(player().Label1->text(), L"0:30") << "the countdown shows the whole track again";
    EXPECT_TRUE(key(MediaKey::PlayPause));
    EXPECT_EQ(device()->mode, mci::ModePlay) << "after stop, play/pause plays from the start";

    // Previous from the first entry wraps to the last; next from the last wraps to the first.
    key(MediaKey::PreviousTrack);
    EXPECT_EQ(playing(), L"t2.wav");
    EXPECT_EQ(list().CurrentIndex, 2);
    key(MediaKey::NextTrack);
    EXPECT_EQ(playing(), L"t0.wav");
    key(MediaKey::NextTrack);
    EXPECT_EQ(playing(), L"t1.wav");
    EXPECT_EQ(shown().selected, 1);

    // A track at its end: play/pause starts it again from the start, as the play plate does.
    m.mci.advance(30000);
    ASSERT_EQ(device()->mode, mci::ModeStop);
    key(MediaKey::PlayPause);
    EXPECT_EQ(device()->mode, mci::ModePlay);
    EXPECT_EQ(device()->position, 0u);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(PlayerKeysDrop, NextKeyFollowsRandomOrderAndPreviousIgnoresIt) {
    auto& menu = static_cast<fakes::FakePopupMenu&>(*player().PopupMenu1);
    m.ui.fire([&] { menu.items.at(std::size_t(player().N5)).onClick(); });
    m.system.utcStep = 7;
    fill(2);
    player().PlayN(0);
    std::vector<int> order;
    for (int i = 0; i < 4; ++i) {
        key(MediaKey::NextTrack);
        order.push_back(list().CurrentIndex);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 0, 1, 0})) << "two entries in random order alternate";

    fill(3); // five entries; current 0
    key(MediaKey::PreviousTrack);
    EXPECT_EQ(list().CurrentIndex, 4) << "previous steps back whatever the order";
}

TEST_F(PlayerKeysDrop, KeysWithNoDeviceFailAsThePlatesDo) {
    fill(1);
    player().PlayN(0);
    m.mci.missing.insert(L"t0.wav");
    key(MediaKey::NextTrack); // the only entry again, which now fails to open
    m.ui.errors.clear();
    EXPECT_TRUE(key(MediaKey::PlayPause));
    EXPECT_TRUE(key(MediaKey::Stop));
    EXPECT_EQ(m.ui.errors, (Items{L"No MCI device open.", L"No MCI device open."}));
}

TEST_F(PlayerKeysDrop, DropAppendsFilesFoldersAndPlaylistsInDropOrder) {
    list().add(L"old.mp3", L"C:\\old.mp3");
    m.files.folders[L"D:\\Album"] = {{L"song.mp3"}, {L"cover.jpg"}, {L"SONG.MP3"}, {L"Live.mp3", true}, {L"tune.midi"}};
    m.files.files[L"E:\\Lists\\Mix.M3U8"] =
        fakes::FakeFiles::bytes("#EXTM3U\r\n#EXTINF:215,\xD0\x9F\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F\r\n\\Music\\a.mp3\r\n");
    m.files.files[L"E:\\Lists\\b.m3u"] = fakes::FakeFiles::bytes("C:\\b.wav\r\n");
    ASSERT_TRUE(drop({{L"C:\\x\\clip.avi"},
                      {L"D:\\Album", true},
                      {L"E:\\Lists\\Mix.M3U8"},
                      {L"C:\\y\\notes.txt"},
                      {L"E:\\Lists\\b.m3u"}}));
    EXPECT_EQ(shown().items, (Items{L"old.mp3", L"clip.avi", L"song.mp3", L"Live.mp3", L"tune.midi", L"Песня",
                                    L"notes.txt", L"b.wav"}));
    EXPECT_EQ(stored().items, (Items{L"C:\\old.mp3", L"C:\\x\\clip.avi", L"D:\\Album\\song.mp3", L"D:\\Album\\Live.mp3",
                                     L"D:\\Album\\tune.midi", L"E:\\Music\\a.mp3", L"C:\\y\\notes.txt", L"C:\\b.wav"}))
        << "a dropped file is taken as the add-file command takes it, whatever its extension";
    EXPECT_TRUE(m.mci.sent.empty()) << "a drop starts nothing";
    EXPECT_EQ(list().CurrentIndex, 0);
    EXPECT_TRUE(m.ui.errors.empty());

    // A folder's drive root joins without a second backslash, as the import does.
    m.files.folders[L"F:"] = {{L"root.wav"}};
    drop({{L"F:\\", true}});
    EXPECT_EQ(stored().items.back(), L"F:\\root.wav");
    EXPECT_FALSE(m.ui.drop(*player().PathList, {{L"C:\\z.mp3"}})) << "only the visible list takes drops";
}

TEST_F(PlayerKeysDrop, UnreadablePlaylistInADropStopsItThere) {
    fill(1);
    player().PlayN(0);
    drop({{L"C:\\a.mp3"}, {L"C:\\gone.m3u"}, {L"C:\\c.mp3"}});
    EXPECT_EQ(m.ui.errors, (Items{L"File not found."}));
    EXPECT_EQ(shown().items, (Items{L"t0.wav", L"a.mp3"})) << "the items before it stay";
    EXPECT_EQ(playing(), L"t0.wav") << "the playing track goes on";
}

#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/FileUri.h"
#include "player/TForm8.h"
#include "settings/RegistryObject.h"
#include "tools/TForm3.h"
#include <gtest/gtest.h>

using namespace vx;
namespace mci = platform::mci;
using Items = std::vector<std::wstring>;

namespace {

struct PlayerFiles : ::testing::Test {
    fakes::FakeMachine m;
    Application* app = nullptr;
    void SetUp() override {
        m.mci.lengths[L"song.mp3"] = 185000;
        m.mci.lengths[L"D:\\Media\\song.mp3"] = 185000;
        m.mci.lengths[L"a.wav"] = 1000;
        m.mci.lengths[L"b.wav"] = 2000;
        m.files.files[L"D:\\Lists\\two.m3u"] = fakes::FakeFiles::bytes("#EXTM3U\r\nC:\\a.wav\r\nC:\\Music\\b.wav\r\n");
        app = &m.start();
    }
    TForm8& player() { return *app->Form8; }
    Playlist& list() { return *player().playlist; }
    fakes::FakeListBox& shown() { return static_cast<fakes::FakeListBox&>(*player().ListBox1); }
    fakes::FakeListBox& stored() { return static_cast<fakes::FakeListBox&>(*player().PathList); }
    void run(void (TForm8::*handler)(), std::optional<std::wstring> answer) {
        m.ui.fileAnswers.push_back(std::move(answer));
        m.ui.fire([&] { (player().*handler)(); });
    }
    std::wstring lastPath() { return app->Settings.readString(setting::LastPath); }
    std::vector<std::wstring> opened() {
        std::vector<std::wstring> out;
        for (auto& s : m.mci.sent)
            if (s.message == mci::Open)
                out.push_back(s.element);
        return out;
    }
};

} // namespace

TEST_F(PlayerFiles, OpenFileUsesThePanelsDialogAtLastPathAndStoresTheNewFolder) {
    app->Settings.writeString(setting::LastPath, L"C:\\Music\\");
    run(&TForm8::N3Click, std::nullopt);
    ASSERT_EQ(m.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(m.ui.fileDialogs[0].first, ui::FileDialogKind::Open);
    EXPECT_EQ(m.ui.fileDialogs[0].second.filter,
              L"Мультимедиа|*.mp3;*.wav;*.mpg;*.mid;*.wav;*.m3u;*.mpe;*.avi;*.mov;*.flac;*.m4a;*.aac;*.opus;*.ogg;*.oga;*.wma;|Wav|*.Wav|Midi|*.mid|"
              L"All Files|*.*|Winamp Playlists|*.m3u|MP3|*.mp3");
    EXPECT_EQ(m.ui.fileDialogs[0].second.initialDirectory, L"C:\\Music\\");
    EXPECT_EQ(lastPath(), L"C:\\Music\\") << "cancel writes nothing";
    EXPECT_TRUE(m.mci.sent.empty());

    list().add(L"old.mp3", L"C:\\old.mp3");
    run(&TForm8::N3Click, L"D:\\Media\\song.mp3");
    EXPECT_EQ(lastPath(), L"D:\\Media\\");
    EXPECT_EQ(opened(), (Items{L"D:\\Media\\song.mp3"})) << "a media file opens by its full path";
    EXPECT_EQ(m.mci.device(app->Form1->MediaPlayer1.deviceId())->mode, mci::ModePlay);
    EXPECT_EQ(shown().items, (Items{L"song.mp3"}));
    EXPECT_EQ(stored().items, (Items{L"D:\\Media\\song.mp3"}));
    EXPECT_EQ(shown().selected, 0);
    EXPECT_TRUE(list().TrackLoaded);
    EXPECT_EQ(list().CurrentIndex, 0);
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(PlayerFiles, OpenFileTakesOnlyALowerCaseM3uAsAPlaylist) {
    run(&TForm8::N3Click, L"D:\\Lists\\two.m3u");
    EXPECT_EQ(stored().items, (Items{L"C:\\a.wav", L"C:\\Music\\b.wav"}));
    EXPECT_EQ(opened(), (Items{L"a.wav"})) << "entry 0 plays by its bare name";
    EXPECT_EQ(m.files.workingFolder, L"C:\\");
    EXPECT_EQ(player().Label1->text(), L"0:01");

    m.files.files[L"D:\\Lists\\TWO.M3U"] = m.files.files[L"D:\\Lists\\two.m3u"];
    m.mci.missing.insert(L"D:\\Lists\\TWO.M3U");
    run(&TForm8::N3Click, L"D:\\Lists\\TWO.M3U");
    EXPECT_EQ(opened().back(), L"D:\\Lists\\TWO.M3U") << "handed to the engine as a media file";
    EXPECT_EQ(m.ui.errors, (Items{L"Cannot find the file."}));
    EXPECT_EQ(stored().count(), 2) << "a failed open leaves the playlist";
    EXPECT_FALSE(app->Form1->MediaPlayer1.isOpen());
}

TEST_F(PlayerFiles, OpeningAMissingOrEmptyPlaylistStartsNothing) {
    list().add(L"old.mp3", L"C:\\old.mp3");
    run(&TForm8::N3Click, L"D:\\Lists\\typed.m3u");
    EXPECT_EQ(m.ui.errors, (Items{L"File not found."}));
    EXPECT_EQ(stored().items, (Items{L"C:\\old.mp3"}));
    m.files.files[L"D:\\Lists\\empty.m3u"] = fakes::FakeFiles::bytes("#EXTM3U\r\n");
    run(&TForm8::N3Click, L"D:\\Lists\\empty.m3u");
    EXPECT_EQ(stored().count(), 0);
    EXPECT_TRUE(m.mci.sent.empty());
    EXPECT_EQ(m.ui.errors.size(), 1u);
}

TEST_F(PlayerFiles, AddFileAppendsWithoutStarting) {
    run(&TForm8::N3Click, L"D:\\Media\\song.mp3");
    const auto sent = m.mci.sent.size();
    run(&TForm8::N6Click, L"C:\\x\\clip.avi");
    run(&TForm8::N6Click, L"D:\\Lists\\two.m3u");
    EXPECT_EQ(shown().items, (Items{L"song.mp3", L"clip.avi", L"a.wav", L"b.wav"}));
    EXPECT_EQ(stored().items, (Items{L"D:\\Media\\song.mp3", L"C:\\x\\clip.avi", L"C:\\a.wav", L"C:\\Music\\b.wav"}));
    EXPECT_EQ(m.mci.sent.size(), sent);
    EXPECT_EQ(lastPath(), L"D:\\Lists\\");
    EXPECT_EQ(list().CurrentIndex, 0);
}

TEST_F(PlayerFiles, PlayNSelectsChangesFolderOpensTheBareNameAndShowsTheLength) {
    list().add(L"a", L"C:\\a.wav");
    list().add(L"b", L"C:\\Music\\b.wav");
    list().add(L"s", L"\\\\nas\\share\\song.mp3");
    m.ui.fire([&] { player().PlayN(2); });
    EXPECT_EQ(m.files.workingFolder, L"\\\\nas\\share");
    EXPECT_EQ(player().Label1->text(), L"3:05");
    m.ui.fire([&] { player().PlayN(1); });
    EXPECT_EQ(m.files.workingFolder, L"C:\\Music");
    EXPECT_EQ(opened(), (Items{L"song.mp3", L"b.wav"}));
    EXPECT_EQ(shown().selected, 1);
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(m.mci.devices.size(), 1u) << "the previous track was closed";

    const auto sent = m.mci.sent.size();
    m.ui.fire([&] { player().PlayN(3); });
    m.ui.fire([&] { player().PlayN(-1); });
    EXPECT_EQ(m.mci.sent.size(), sent) << "an index that names no entry does nothing";

    m.mci.missing.insert(L"a.wav");
    m.ui.fire([&] { player().PlayN(0); });
    EXPECT_EQ(m.ui.errors, (Items{L"Cannot find the file."}));
    EXPECT_EQ(list().CurrentIndex, 1);
    EXPECT_EQ(player().Label1->text(), L"0:02");
    EXPECT_EQ(shown().selected, 0);

    // A folder that cannot be made current (gone, or too long for it): the entry opens by its
    // full path, not by its bare name in whatever folder is current.
    list().add(L"d", L"D:\\Deep\\a.wav");
    m.files.unreachableFolders.insert(L"D:\\Deep");
    m.ui.fire([&] { player().PlayN(3); });
    EXPECT_EQ(opened().back(), L"D:\\Deep\\a.wav");
    EXPECT_EQ(list().CurrentIndex, 3);

    // An entry written as a file URI opens the file it names, and is kept as written.
    list().add(L"u", L"file:///C:/Music/%D0%9F%D0%B5%D1%81%D0%BD%D1%8F%20%231.flac");
    list().add(L"n", L"file://nas/share/b%c3%a4d%zz.mp3");
    m.ui.fire([&] { player().PlayN(4); });
    EXPECT_EQ(m.files.workingFolder, L"C:\\Music");
    EXPECT_EQ(opened().back(), L"Песня #1.flac");
    m.ui.fire([&] { player().PlayN(5); });
    EXPECT_EQ(m.files.workingFolder, L"\\\\nas\\share");
    EXPECT_EQ(opened().back(), L"bäd%zz.mp3");
    EXPECT_EQ(list().path(4), L"file:///C:/Music/%D0%9F%D0%B5%D1%81%D0%BD%D1%8F%20%231.flac");
    EXPECT_EQ(fileOfEntry(L"a.mp3"), L"a.mp3") << "shorter than the scheme";
}

TEST_F(PlayerFiles, SaveCommandAsksOnlyForANonEmptyList) {
    run(&TForm8::N4Click, L"C:\\never.m3u");
    EXPECT_TRUE(m.ui.fileDialogs.empty());
    m.ui.fileAnswers.clear();
    list().add(L"a", L"C:\\a.wav");
    run(&TForm8::N4Click, L"C:\\saved.m3u");
    ASSERT_EQ(m.ui.fileDialogs.size(), 1u);
    const auto& params = m.ui.fileDialogs[0].second;
    EXPECT_EQ(m.ui.fileDialogs[0].first, ui::FileDialogKind::Save);
    EXPECT_EQ(params.defaultExtension, L"m3u");
    EXPECT_EQ(params.filter, L"Winamp Playlist|*.m3u");
    EXPECT_EQ(params.initialDirectory, L"");
    EXPECT_EQ(m.files.text(L"C:\\saved.m3u"), "C:\\a.wav\r\n");
}

TEST(PlayerLastList, LoadedAtTheFirstShowingOnlyAndSavedAtExitWhenNotEmpty) {
    fakes::FakeMachine m;
    const std::wstring last = L"C:\\Programs\\Vextral\\Last.m3u";
    m.files.files[last] = fakes::FakeFiles::bytes("C:\\a.wav\r\n");
    auto& app = m.start();
    auto& list = *app.Form8->playlist;
    EXPECT_TRUE(list.LastListFound);
    EXPECT_EQ(list.count(), 0) << "nothing is read before the window shows";
    m.files.files[last] = fakes::FakeFiles::bytes("C:\\a.wav\r\nC:\\b.wav\r\n");
    app.playerWindow().show();
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(m.mci.sent.empty()) << "loading plays nothing";
    app.playerWindow().hide();
    list.clear();
    app.playerWindow().show();
    EXPECT_EQ(list.count(), 0) << "later showings load nothing";

    app.playerWindow().close(); // the empty list leaves the old file alone
    EXPECT_EQ(m.files.text(last), "C:\\a.wav\r\nC:\\b.wav\r\n");
    list.add(L"c", L"C:\\c.wav");
    m.ui.fire([&] { app.Form8->PlayN(0); });
    m.ui.answers.push_back(true);
    m.ui.fire([&] { app.Form1->N5Click(); }); // close the program
    EXPECT_EQ(m.files.text(last), "C:\\c.wav\r\n");
    EXPECT_FALSE(app.Form1->MediaPlayer1.isOpen()) << "the main bar closed the engine";
}

// Runs on one registry and one program folder: the first plays c.wav, turns "Случайно" on and
// exits at 42 s; the next runs show the player and find what the registry then holds.
TEST(PlayerResume, ExitStoresWhereThePlayerStoodAndTheNextRunResumesOnlyWhenAsked) {
    const std::wstring last = L"C:\\Programs\\Vextral\\Last.m3u";
    fakes::FakeRegistry::KeyId key{platform::RegRoot::CurrentUser, SettingsStore::KeyPath};
    std::map<fakes::FakeRegistry::KeyId, fakes::FakeRegistry::Values> registry;
    auto run = [&](fakes::FakeMachine& m,
                   const char* list = "C:\\M\\a.wav\r\nC:\\M\\b.wav\r\nC:\\M\\c.wav\r\n") -> Application& {
        m.registry.keys = registry;
        m.files.files[last] = fakes::FakeFiles::bytes(list);
        for (const wchar_t* name : {L"a.wav", L"b.wav", L"c.wav"})
            m.mci.lengths[name] = 60000;
        auto& app = m.start();
        app.playerWindow().show();
        return app;
    };
    auto exit = [&](fakes::FakeMachine& m, Application& app) {
        m.ui.answers.push_back(true);
        m.ui.fire([&] { app.Form1->N5Click(); });
        registry = m.registry.keys;
    };
    ui::MouseShift left;
    left.left = true;
    auto pressPlay = [&](fakes::FakeMachine& m, Application& app) {
        m.ui.fire([&] { app.Form8->Image1MouseDown(left, 30, 5); });
    };
    {
        fakes::FakeMachine m;
        auto& app = run(m);
        EXPECT_EQ(app.Form8->playlist->CurrentIndex, 0) << "a first start looks as before";
        EXPECT_FALSE(app.Form8->resumePending());
        m.ui.fire([&] { app.Form8->PlayN(2); });
        m.mci.device(app.Form1->MediaPlayer1.deviceId())->position = 42000;
        m.ui.fire([&] { app.Form8->N5Click(); });
        exit(m, app);
    }
    EXPECT_EQ(registry[key][L"PlayerIndex"].data, (std::vector<std::uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(registry[key][L"PlayerPath"].data, regvalue::encodeString(L"C:\\M\\c.wav").data);
    EXPECT_EQ(registry[key][L"PlayerPosition"].data, (std::vector<std::uint8_t>{0x10, 0xA4, 0, 0}));
    EXPECT_EQ(registry[key][L"PlayerRandom"].data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    {
        fakes::FakeMachine m; // exits while the entry still waits: it is kept for the next run
        exit(m, run(m));
    }
    EXPECT_EQ(registry[key][L"PlayerPath"].data, regvalue::encodeString(L"C:\\M\\c.wav").data);
    {
        fakes::FakeMachine m;
        auto& app = run(m);
        auto& player = *app.Form8;
        EXPECT_EQ(player.playlist->CurrentIndex, 2);
        EXPECT_EQ(player.ListBox1->selectedIndex(), 2);
        EXPECT_TRUE(player.randomOrder());
        EXPECT_FALSE(m.ui.pressMediaKey(ui::MediaKey::PlayPause)) << "a key meant for another program";
        m.ui.fire([&] { player.Image1MouseDown(left, 10, 5); }); // the previous plate waits too
        EXPECT_TRUE(m.mci.sent.empty()) << "nothing plays by itself";
        EXPECT_FALSE(m.ui.keys.claimed()) << "the keys stay with other programs until a track plays";
        m.mci.missing.insert(L"c.wav");
        pressPlay(m, app);
        EXPECT_EQ(m.ui.errors, (Items{L"Cannot find the file."}));
        EXPECT_TRUE(player.resumePending()) << "a failed open keeps the resume for the next press";
        m.mci.missing.clear();
        player.ListBox1->setSelectedIndex(0);
        m.ui.fire([&] { player.ListBox1KeyDown(TForm8::VkDelete); }); // an entry above the waiting one
        pressPlay(m, app);
        auto* device = m.mci.device(app.Form1->MediaPlayer1.deviceId());
        EXPECT_EQ(device->element, L"c.wav");
        EXPECT_EQ(device->position, 42000u);
        EXPECT_EQ(device->mode, platform::mci::ModePlay);
        EXPECT_TRUE(m.ui.keys.claimed());
        EXPECT_FALSE(player.resumePending());
        exit(m, app);
    }
    {
        fakes::FakeMachine m; // "Открыть файл" while an entry waits: the new file is the one kept
        auto& app = run(m);
        m.ui.fileAnswers = {L"C:\\N\\new.wav"};
        m.ui.fire([&] { app.Form8->N3Click(); });
        exit(m, app);
        EXPECT_EQ(registry[key][L"PlayerPath"].data, regvalue::encodeString(L"C:\\N\\new.wav").data);
    }
    // Out of range or of the wrong type: ignored one by one, without a message.
    registry[key][L"PlayerIndex"] = regvalue::encodeDword(3);
    registry[key][L"PlayerPath"] = regvalue::encodeDword(2);
    registry[key][L"PlayerRandom"] = regvalue::encodeDword(2);
    {
        fakes::FakeMachine m;
        auto& app = run(m);
        EXPECT_EQ(app.Form8->playlist->CurrentIndex, 0);
        EXPECT_EQ(app.Form8->ListBox1->selectedIndex(), -1);
        EXPECT_FALSE(app.Form8->randomOrder());
        EXPECT_FALSE(app.Form8->resumePending());
        EXPECT_TRUE(m.ui.errors.empty());
        exit(m, app); // nothing played from this list: no entry to take up next time
    }
    EXPECT_EQ(registry[key].count(L"PlayerIndex") + registry[key].count(L"PlayerPath") +
                  registry[key].count(L"PlayerPosition"),
              0u);
    EXPECT_EQ(registry[key][L"PlayerRandom"].data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    // Without a path (as stored before paths were kept) the index names the entry.
    registry[key][L"PlayerIndex"] = regvalue::encodeDword(1);
    registry[key][L"PlayerRandom"] = regvalue::encodeString(L"1");
    for (const auto& position : {regvalue::encodeString(L"5000"), regvalue::encodeDword(60000)}) {
        registry[key][L"PlayerPosition"] = position; // a text, then the track's very end
        fakes::FakeMachine m;
        auto& app = run(m);
        EXPECT_FALSE(app.Form8->randomOrder());
        pressPlay(m, app);
        auto* device = m.mci.device(app.Form1->MediaPlayer1.deviceId());
        EXPECT_EQ(device->element, L"b.wav");
        EXPECT_EQ(device->position, 0u) << "from the start";
        EXPECT_TRUE(m.ui.errors.empty());
    }
    {
        fakes::FakeMachine m; // the same file twice, the second one played: the second is taken up
        const char* twice = "C:\\M\\a.wav\r\nC:\\M\\b.wav\r\nC:\\M\\a.wav\r\n";
        auto& app = run(m, twice);
        m.ui.fire([&] { app.Form8->PlayN(2); });
        exit(m, app);
        fakes::FakeMachine next;
        EXPECT_EQ(run(next, twice).Form8->ListBox1->selectedIndex(), 2);
    }
    // Entry 1 plays and entry 0 is deleted before the exit: the next run finds b.wav by its path
    // as entry 0 of the saved list, where entry 1 is now c.wav.
    std::string saved;
    {
        fakes::FakeMachine m;
        auto& app = run(m);
        m.ui.fire([&] { app.Form8->PlayN(1); });
        m.mci.device(app.Form1->MediaPlayer1.deviceId())->position = 7000;
        app.Form8->ListBox1->setSelectedIndex(0);
        m.ui.fire([&] { app.Form8->ListBox1KeyDown(TForm8::VkDelete); });
        exit(m, app);
        saved = m.files.text(last);
    }
    ASSERT_EQ(saved, "C:\\M\\b.wav\r\nC:\\M\\c.wav\r\n");
    {
        fakes::FakeMachine m;
        auto& app = run(m, saved.c_str());
        EXPECT_EQ(app.Form8->ListBox1->selectedIndex(), 0);
        m.ui.fire([&] { app.Form8->ListBox1DblClick(); }); // on the waiting entry: as the play plate
        auto* device = m.mci.device(app.Form1->MediaPlayer1.deviceId());
        EXPECT_EQ(device->element, L"b.wav");
        EXPECT_EQ(device->position, 7000u);

        // A list that cannot be saved stores no entry: the next run reads the old list.
        m.files.unwritable = {last};
        m.ui.fire([&] { app.Form8->PlayN(1); });
        exit(m, app);
        EXPECT_EQ(m.ui.errors, (Items{L"Cannot create file " + last + L"."}));
        EXPECT_EQ(registry[key][L"PlayerPath"].data, regvalue::encodeString(L"C:\\M\\b.wav").data);
        EXPECT_EQ(registry[key][L"PlayerPosition"].data, (std::vector<std::uint8_t>{0x58, 0x1B, 0, 0}));
    }
}

#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "folders/DirsFile.h"
#include "folders/TForm4.h"
#include "folders/TForm5.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {

const std::wstring DirsPath = L"C:\\Programs\\Vextral\\Dirs.vxl";

struct Favourites : ::testing::Test {
    fakes::FakeMachine m;
    void SetUp() override { m.start(); }
    TForm4& favourites() { return *m.app->Form4; }
    TForm5& adder() { return *m.app->Form5; }
    fakes::FakeForm& window() { return m.form(L"TForm4"); }
    fakes::FakeListBox& list() { return static_cast<fakes::FakeListBox&>(*favourites().ListBox1); }
    fakes::FakeDirectoryListBox& browser() {
        return static_cast<fakes::FakeDirectoryListBox&>(*adder().DirectoryListBox1);
    }
    // Shown as the tool panel shows it.
    void show() {
        window().show();
        m.app->flags.FavouritesShown = true;
    }
    void close() { m.ui.fire([&] { window().close(); }); }
    void write(const std::vector<std::string>& entries) { m.files.files[DirsPath] = dirsfile::encode(entries); }
    void add(const std::wstring& folder) {
        browser().folder = folder;
        m.ui.fire(adder().Button1->onClick);
    }
};

} // namespace

TEST_F(Favourites, ShowReadsWholeRecordsAndCloseRewritesThem) {
    auto bytes = dirsfile::encode({"C:\\Program Files", "D:\\"});
    bytes.resize(250, 0x41);
    m.files.files[DirsPath] = bytes;
    list().addItem(L"stale entry");
    show();
    EXPECT_EQ(list().items, (std::vector<std::wstring>{L"C:\\Program Files", L"D:\\"}));
    close();
    EXPECT_FALSE(window().visible());
    EXPECT_FALSE(m.app->flags.FavouritesShown);
    EXPECT_EQ(m.files.files[DirsPath], std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 202));
}

TEST_F(Favourites, AMissingFileIsCreatedEmptyAndAnEmptyListWritesNothing) {
    show();
    EXPECT_EQ(m.files.files.count(DirsPath), 1u);
    EXPECT_EQ(list().count(), 0);
    m.ui.fire(favourites().Button1->onClick);
    m.ui.fire(favourites().Button3->onClick);
    EXPECT_TRUE(m.shell.explored.empty());
    close();
    EXPECT_TRUE(m.files.files[DirsPath].empty());
    EXPECT_TRUE(m.ui.errors.empty());
}

TEST_F(Favourites, CyrillicEntriesGoThroughTheAnsiCodePage) {
    write({"C:\\\xCF\xE0\xEF\xEA\xE0"}); // "Папка" in code page 1251
    show();
    EXPECT_EQ(list().item(0), L"C:\\Папка");
    add(L"D:\\Музыка");
    close();
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]),
              (std::vector<std::string>{"C:\\\xCF\xE0\xEF\xEA\xE0", "D:\\\xCC\xF3\xE7\xFB\xEA\xE0"}));
}

TEST_F(Favourites, AnEntryOfUndecodableBytesKeepsItsPlaceOnSave) {
    m.system.codePage = 65001; // 0x98 alone is no UTF-8: it reads as U+FFFD
    write({"C:\\Old\x98", "D:\\"});
    show();
    close();
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]),
              (std::vector<std::string>{"C:\\Old\xEF\xBF\xBD", "D:\\"}));
}

TEST_F(Favourites, AddedFoldersAndRemovalsReachTheFileAtTheNextClose) {
    write({"C:\\One", "C:\\Two"});
    show();
    m.ui.fire(favourites().Button2->onClick); // "+"
    EXPECT_TRUE(m.form(L"TForm5").visible());
    EXPECT_TRUE(m.app->flags.AddFolderShown);
    add(L"C:\\Three");
    add(L"C:\\Three"); // duplicates are kept
    const std::wstring longFolder = L"C:\\" + std::wstring(98, L'l');
    add(longFolder);
    EXPECT_EQ(list().count(), 5);
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]).size(), 2u) << "adding does not touch the file";

    list().setSelectedIndex(0);
    m.ui.fire(favourites().Button3->onClick); // "-"
    EXPECT_EQ(list().selectedIndex(), -1);
    m.ui.fire(favourites().Button3->onClick); // nothing selected: nothing happens
    EXPECT_EQ(list().count(), 4);

    m.ui.fire(favourites().Button4->onClick); // "Закрыть"
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(m.files.files[DirsPath].size(), 4 * dirsfile::RecordSize);

    show();
    EXPECT_EQ(list().items, (std::vector<std::wstring>{L"C:\\Two", L"C:\\Three", L"C:\\Three", longFolder.substr(0, 100)}));
}

TEST_F(Favourites, AFolderAddedWhileTheListIsHiddenIsLostAtTheNextShow) {
    write({"C:\\Kept"});
    show();
    m.ui.fire(favourites().Button2->onClick);
    close();
    add(L"C:\\Lost");
    show();
    EXPECT_EQ(list().items, std::vector<std::wstring>{L"C:\\Kept"});
}

TEST_F(Favourites, OpenExploresTheSelectedEntryAndKeepsTheWindow) {
    write({"C:\\A", "E:\\Gone"});
    show();
    list().setSelectedIndex(1);
    m.ui.fire(list().onDblClick);
    m.ui.fire(favourites().Button1->onClick);
    ASSERT_EQ(m.shell.explored.size(), 2u);
    EXPECT_EQ(m.shell.explored[0], std::make_pair(m.app->Form1->window().handle(), std::wstring(L"E:\\Gone")));
    EXPECT_TRUE(window().visible());
}

TEST_F(Favourites, AFailedSaveKeepsTheOldFileTheWindowAndItsList) {
    write({"C:\\Old"});
    show();
    add(L"C:\\New");
    m.files.unwritable.insert(DirsPath);
    close();
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"File access denied."});
    EXPECT_TRUE(window().visible());
    EXPECT_TRUE(m.app->flags.FavouritesShown) << "the window is still shown";
    EXPECT_EQ(list().count(), 2);
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]), std::vector<std::string>{"C:\\Old"});

    m.files.unwritable.clear(); // closing again retries
    close();
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]), (std::vector<std::string>{"C:\\Old", "C:\\New"}));
}

TEST_F(Favourites, AFileThatCannotBeCreatedLeavesTheListAsItWas) {
    m.files.unwritable.insert(DirsPath);
    list().addItem(L"kept");
    show();
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"File access denied."});
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(list().items, std::vector<std::wstring>{L"kept"}) << "a failed prepare leaves the list";
}

TEST_F(Favourites, AFileThatCannotBeReadIsReportedAndTheWindowStillWorks) {
    write({"C:\\Unread"});
    m.files.readErrors[DirsPath] = 1117;
    list().addItem(L"stale entry");
    show();
    EXPECT_EQ(m.ui.errors, std::vector<std::wstring>{L"I/O error 1117."});
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(list().count(), 0) << "cleared before the read; nothing was read";
    const auto unread = m.files.files[DirsPath];
    close();
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(m.files.files[DirsPath], unread) << "the folders it could not show are not thrown away";

    show();
    add(L"C:\\New");
    list().setSelectedIndex(0);
    m.ui.fire(favourites().Button1->onClick);
    EXPECT_EQ(m.shell.explored.size(), 1u);
    close(); // the list was changed: the close rewrites the file from it
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]), std::vector<std::string>{"C:\\New"});
}

TEST_F(Favourites, AFolderOutsideTheCodePageGoesInByItsShortFormOrNotAtAll) {
    show();
    m.files.shortPaths[L"C:\\日本"] = L"C:\\8A1F~1";
    add(L"C:\\日本");
    EXPECT_EQ(list().items, std::vector<std::wstring>{L"C:\\8A1F~1"});
    // The system converts "é" to "e" and calls that exact; "C:\Cafe" would name another folder.
    m.system.bestFit[L'é'] = 'e';
    add(L"C:\\Café");
    ASSERT_EQ(m.ui.errors.size(), 1u);
    EXPECT_NE(m.ui.errors[0].find(L"C:\\Café"), std::wstring::npos);
    EXPECT_EQ(list().count(), 1);
    close();
    EXPECT_EQ(dirsfile::decode(m.files.files[DirsPath]), std::vector<std::string>{"C:\\8A1F~1"});
}

TEST_F(Favourites, TheAddFolderWindowBrowsesFromTheWorkingFolderAndFollowsThePicker) {
    auto& picker = static_cast<fakes::FakeDriveComboBox&>(*adder().DriveComboBox1);
    EXPECT_EQ(browser().directory(), L"C:\\Programs\\Vextral");
    EXPECT_EQ(picker.item(0), L"c: [system]");
    browser().driveFolders[L'C'] = L"C:\\Work";
    m.ui.fire([&] { picker.setDrive(L'C'); });
    EXPECT_EQ(browser().directory(), L"C:\\Programs\\Vextral") << "same drive: no change";
    m.ui.fire([&] { picker.setDrive(L'E'); });
    EXPECT_EQ(browser().directory(), L"E:\\");
    browser().unopenable.insert(L"F:\\");
    m.ui.fire([&] { picker.setDrive(L'F'); });
    EXPECT_EQ(m.ui.errors.size(), 1u) << "a drive that is not ready is reported";
    EXPECT_EQ(browser().directory(), L"E:\\");
}

TEST_F(Favourites, BothWindowsStandBesideThePanel) {
    const Rect panel = m.form(L"TForm3").bounds();
    const Rect fav = window().bounds();
    const Rect add = m.form(L"TForm5").bounds();
    EXPECT_EQ(fav.top, 768 - panel.height - 29);
    EXPECT_EQ(fav.left, panel.width + 8);
    EXPECT_EQ(add.top, fav.top);
    EXPECT_EQ(add.left, panel.width + 10 + fav.width);
    EXPECT_EQ(fav.left, m.form(L"TForm2").bounds().left) << "the drive dialog's spot";
    EXPECT_EQ(fav.top, m.form(L"TForm2").bounds().top);
}

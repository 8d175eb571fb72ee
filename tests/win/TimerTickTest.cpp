#include "app/Application.h"
#include "app/TForm1.h"
#include "platform/win32/Win32Disks.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32MediaFoundation.h"
#include "platform/win32/Win32Mci.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32SystemActions.h"
#include "platform/win32/Win32WindowList.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include "player/Playlist.h"
#include "player/TForm8.h"
#include "WaveFile.h"
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>

// Every allocation through operator new in this test program is counted while `counting` is on.
namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
} // namespace

void* operator new(std::size_t size) {
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// The real files, counting every call while `counting` is on.
class CountingFiles : public vx::platform::Files {
  public:
    long calls = 0;
    bool exists(const std::wstring& p) override { return note(), real_.exists(p); }
    std::vector<std::uint8_t> readAll(const std::wstring& p) override { return note(), real_.readAll(p); }
    void writeAll(const std::wstring& p, const std::vector<std::uint8_t>& b) override { note(), real_.writeAll(p, b); }
    void append(const std::wstring& p, const std::vector<std::uint8_t>& b) override { note(), real_.append(p, b); }
    std::vector<vx::platform::DirEntry> list(const std::wstring& f) override { return note(), real_.list(f); }
    bool setCurrentDirectory(const std::wstring& p) override { return note(), real_.setCurrentDirectory(p); }
    std::wstring currentDirectory() override { return note(), real_.currentDirectory(); }
    std::wstring shortPath(const std::wstring& p) override { return note(), real_.shortPath(p); }

  private:
    void note() {
        if (counting)
            ++calls;
    }
    vx::win32::Win32Files real_;
};

} // namespace

// While a track plays and does not end, the player's once-a-second tick only reads the device
// and shows the remaining time: no heap allocation and no file access.
TEST(PlayerTimerTick, AllocatesNothingAndTouchesNoFileWhileATrackPlays) {
    using namespace vx;
    win32::Win32Registry registry;
    CountingFiles files;
    win32::Win32System system;
    win32::Win32Shell shell;
    win32::Win32Toolkit toolkit(L"Vextral tick test");
    win32::Win32Mci mci;
    win32::Win32SystemActions actions;
    win32::Win32Screen screen;
    win32::Win32WindowList windows;
    win32::Win32Disks disks;
    win32::Win32MediaFoundation mediaFoundation;
    Platform platform{registry, files, system, shell, toolkit, mci, actions, screen, windows, disks, mediaFoundation};
    Application app(platform);
    app.create();

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring song = std::wstring(temp) + L"vx_tick_song.wav";
    wave::writeWave(song, 60000);
    app.Form8->playlist->add(L"song", song);
    app.Form8->PlayN(0);
    ASSERT_TRUE(app.Form1->MediaPlayer1.isOpen());
    app.Form8->Timer1Timer(); // the first tick after the start may settle what it needs

    counting = true;
    for (int tick = 0; tick < 50; ++tick)
        app.Form8->Timer1Timer();
    counting = false;

    EXPECT_EQ(allocations.load(), 0) << "operator new calls in 50 ticks";
    EXPECT_EQ(files.calls, 0) << "file calls in 50 ticks";
    EXPECT_NE(app.Form1->MediaPlayer1.position(), app.Form1->MediaPlayer1.length()) << "the track did not end";
    app.Form1->MediaPlayer1.close();
    DeleteFileW(song.c_str());
}

#include "app/Application.h"
#include "platform/ui/Guard.h"
#include "platform/win32/Win32Disks.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Mci.h"
#include "platform/win32/Win32MediaFoundation.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32SystemActions.h"
#include "platform/win32/Win32WindowList.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vx::win32::Win32Registry registry;
    vx::win32::Win32Files files;
    vx::win32::Win32System system;
    vx::win32::Win32Shell shell;
    vx::win32::Win32Toolkit toolkit(vx::Application::Title);
    toolkit.onScreenChanged = [&system] { system.screenChanged(); };
    vx::win32::Win32Mci mci;
    vx::win32::Win32SystemActions actions;
    vx::win32::Win32Screen screen;
    vx::win32::Win32WindowList windows;
    vx::win32::Win32Disks disks;
    vx::win32::Win32MediaFoundation mediaFoundation;
    vx::Platform platform{registry, files,  system,  shell, toolkit,        mci,
                          actions,  screen, windows, disks, mediaFoundation};

    vx::Application app(platform);
    if (!vx::ui::guarded(toolkit, [&] { app.create(); }))
        return 1;
    app.run();
    return 0;
}

#pragma once
#include "platform/Disks.h"
#include "platform/Files.h"
#include "platform/Mci.h"
#include "platform/MediaFoundation.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/SystemActions.h"
#include "platform/WindowList.h"
#include "platform/ui/Toolkit.h"

namespace vx {

// Everything the program needs of Windows, built once: from the real system in main, from
// fakes in the tests.
struct Platform {
    platform::Registry& registry;
    platform::Files& files;
    platform::System& system;
    platform::Shell& shell;
    ui::Toolkit& ui;
    platform::Mci& mci;
    platform::SystemActions& actions;
    platform::Screen& screen;
    platform::WindowList& windows;
    platform::Disks& disks;
    platform::MediaFoundation& mediaFoundation;
};

} // namespace vx

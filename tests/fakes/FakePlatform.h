#pragma once
#include "app/Application.h"
#include "fakes/FakeDisks.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeMci.h"
#include "fakes/FakeMediaFoundation.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeSystemActions.h"
#include "fakes/FakeWindowList.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeToolkit.h"

namespace vx::fakes {

// A whole fake machine and a fresh program on it, for tests that drive the application.
struct FakeMachine {
    FakeRegistry registry;
    FakeFiles files;
    FakeSystem system;
    FakeShell shell;
    FakeToolkit ui;
    FakeMci mci;
    FakeSystemActions actions;
    FakeScreen screen;
    FakeWindowList windows;
    FakeDisks disks;
    FakeMediaFoundation mf;
    Platform platform{registry, files, system, shell, ui, mci, actions, screen, windows, disks, mf};
    std::unique_ptr<Application> app;

    Application& start() {
        app = std::make_unique<Application>(platform);
        app->create();
        app->run();
        return *app;
    }
    FakeForm& form(const std::wstring& windowClass) { return *ui.form(windowClass); }
    std::wstring programFolder() const { return L"C:\\Programs\\Vextral\\"; }
};

} // namespace vx::fakes

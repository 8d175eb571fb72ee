#pragma once
#include "app/Application.h"
#include "fakes/FakeFiles.h"
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
    Platform platform{registry, files, system, shell, ui};
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

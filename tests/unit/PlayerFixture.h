#pragma once
// A started program on a fake machine, with shortcuts to the player window and its engine.
#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/MediaEngine.h"
#include "player/Playlist.h"
#include "player/TForm8.h"
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

struct PlayerFixture : ::testing::Test {
    vx::fakes::FakeMachine m;
    vx::Application* app = nullptr;
    void SetUp() override { app = &m.start(); }
    vx::TForm8& player() { return *app->Form8; }
    vx::Playlist& list() { return *player().playlist; }
    vx::MediaEngine& engine() { return app->Form1->MediaPlayer1; }
    vx::fakes::FakeMci::Device* device() { return m.mci.device(engine().deviceId()); }
    // Tracks named t0.wav ... in C:\Music, each `ms` long.
    void fill(int n, std::uint32_t ms = 30000) {
        for (int i = 0; i < n; ++i) {
            const std::wstring name = L"t" + std::to_wstring(i) + L".wav";
            m.mci.lengths[name] = ms;
            list().add(name, L"C:\\Music\\" + name);
        }
    }
    // The element of the open device: the track that is playing, or "".
    std::wstring playing() { return engine().isOpen() ? device()->element : L""; }
};

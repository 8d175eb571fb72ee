#pragma once
// A started program on a fake machine, with shortcuts to the player window and its engine.
#include "app/TForm1.h"
#include "fakes/FakePlatform.h"
#include "player/MediaEngine.h"
#include "player/Playlist.h"
#include "player/TForm8.h"
#include <gtest/gtest.h>

struct PlayerFixture : ::testing::Test {
    vx::fakes::FakeMachine m;
    vx::Application* app = nullptr;
    void SetUp() override { app = &m.start(); }
    vx::TForm8& player() { return *app->Form8; }
    vx::Playlist& list() { return *player().playlist; }
    vx::MediaEngine& engine() { return app->Form1->MediaPlayer1; }
    vx::fakes::FakeMci::Device* device() { return m.mci.device(engine().deviceId()); }
};

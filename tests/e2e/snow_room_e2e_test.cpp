// snow_room in a real window: title, place and size, the start-up line on a
// pipe, the door key, the light keys and the exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "harness.h"

namespace {

using e2e::App;
using e2e::Image;
using namespace std::chrono_literals;

constexpr const char* kTitle = ">>RIVO";

// Where the shut door stands in the start-up picture.
constexpr int kDoorX0 = 240, kDoorY0 = 200, kDoorX1 = 340, kDoorY1 = 420;

class SnowRoomWindow : public e2e::ProgramWindow {
protected:
    SnowRoomWindow() : ProgramWindow("snow_room", kTitle) {}
};

TEST_F(SnowRoomWindow, OpensTitledWindowAt220With800x600AndSaysItStarted) {
    EXPECT_EQ(app.title(), kTitle);
    EXPECT_EQ(app.geometry(), (e2e::Geometry{220, 220, 800, 600}));
    EXPECT_EQ(start.width, 800);
    EXPECT_EQ(start.height, 600);
    // Written without a line end, and there while the window is open.
    EXPECT_EQ(app.out(), "iniciou");
    e2e::save_screenshot(start, "snow_room_start.png");
}

TEST_F(SnowRoomWindow, StartPictureShowsTheLitRoomWithTheDoorShut) {
    const e2e::Color door = start.mean(kDoorX0, kDoorY0, kDoorX1, kDoorY1);
    EXPECT_GT(door.b, 200);
    EXPECT_LT(door.r + door.g, 40);
    // Side walls green, the ceiling olive, the table red.
    EXPECT_GT(start.mean(10, 150, 60, 250).g, 200);
    const e2e::Color ceiling = start.mean(300, 20, 500, 60);
    EXPECT_GT(ceiling.g, ceiling.b + 50);
    const e2e::Color table = start.mean(360, 430, 500, 460);
    EXPECT_GT(table.r, 200);
    EXPECT_LT(table.g, 60);
}

TEST_F(SnowRoomWindow, DoorKeysOpenAndCloseTheDoor) {
    app.key("p");
    const auto door_open = [](const Image& shot) {
        return !shot.empty() && shot.mean(kDoorX0 + 20, kDoorY0, kDoorX1, kDoorY1).b < 120;
    };
    const Image open = app.screenshot_until(door_open);
    ASSERT_TRUE(door_open(open));
    e2e::save_screenshot(open, "snow_room_door_open.png");
    // Through the opening: the night, the snowman and the moon.
    EXPECT_GT(open.mean_difference(start), 2.0);

    app.key("P");
    const Image shut = app.screenshot_until(
        [](const Image& shot) { return shot.mean(kDoorX0 + 20, kDoorY0, kDoorX1, kDoorY1).b > 200; });
    EXPECT_GT(shut.mean(kDoorX0 + 20, kDoorY0, kDoorX1, kDoorY1).b, 200);
}

TEST_F(SnowRoomWindow, LightKeysDimAndRestoreTheRoom) {
    app.key("l");
    const auto dim = [this](const Image& shot) { return shot.mean_difference(start) > 5; };
    const Image unlit = app.screenshot_until(dim);
    EXPECT_TRUE(dim(unlit));
    app.key("L");
    // Back to the lit picture; only the snow moves meanwhile.
    const Image lit = app.screenshot_until([this](const Image& shot) { return shot.mean_difference(start) < 1; });
    EXPECT_LT(lit.mean_difference(start), 1);
}

TEST_F(SnowRoomWindow, EscEndsWithStatusZero) {
    app.key("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
    EXPECT_EQ(app.err(), "");
}

// The start-up line reaches a reader on a pipe while the window is still open.
TEST(SnowRoomStart, StartUpLineArrivesOnAPipeWhileRunning) {
    const std::string shown = e2e::display();
    const std::string folder = e2e::program_dir("snow_room");
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        if (chdir(folder.c_str()) != 0) _exit(126);
        setenv("DISPLAY", shown.c_str(), 1);
        execl("./snow_room", "snow_room", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // Once the window is open, the line must already be in the pipe.
    bool window_open = false;
    for (const auto give_up = std::chrono::steady_clock::now() + e2e::kWindowTimeout;
         !window_open && std::chrono::steady_clock::now() < give_up;) {
        window_open = !e2e::run("xdotool search --name '^>>RIVO$' 2>/dev/null").empty();
        if (!window_open) e2e::sleep_for(0.2s);
    }
    std::string got;
    pollfd reader{fds[0], POLLIN, 0};
    while (window_open && got.size() < 7 && poll(&reader, 1, 2000) > 0) {
        char buffer[16];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    int status = 0;
    const bool still_running = waitpid(pid, &status, WNOHANG) == 0;
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    close(fds[0]);
    EXPECT_TRUE(window_open);
    EXPECT_EQ(got, "iniciou");
    EXPECT_TRUE(still_running);
}

}  // namespace

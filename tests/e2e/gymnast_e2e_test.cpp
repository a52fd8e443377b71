// gymnast in a real window: title, size, the first frame, a paced
// somersault from the Up arrow, the right-button menu, exit statuses.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "harness.h"

namespace {

namespace fs = std::filesystem;
using e2e::App;
using e2e::Image;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kTitle = "Zezaruz";
constexpr double kSameView = 0.5;
constexpr double kOtherView = 3.0;
constexpr int kMenuEntries = 6;

class GymnastWindow : public e2e::ProgramWindow {
protected:
    GymnastWindow() : ProgramWindow("gymnast", kTitle) {}

    // A movement started by a key or the menu: the picture once it has begun
    // to change, and the one the program is left with when it is over.
    struct Movement {
        Image moving, end;
    };
    Movement movement() {
        Movement m;
        m.moving = app.screenshot_until([this](const Image& shot) { return shot.mean_difference(start) > kOtherView; });
        EXPECT_TRUE(app.wait_for_input()) << "the movement never ended";
        m.end = app.screenshot();
        return m;
    }

    // Opens the menu with the right button inside the window and releases it
    // over entry (0 to 5), the way a user picks one.
    bool choose(int entry) {
        e2e::run("xdotool mousemove --window " + app.window() + " 100 100 mousedown 3 2>/dev/null");
        std::string menu;
        const auto give_up = Clock::now() + e2e::kWindowTimeout;
        while (menu.empty() && Clock::now() < give_up) {
            menu = e2e::run("xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null | head -1");
            while (!menu.empty() && menu.back() == '\n') menu.pop_back();
            if (menu.empty()) e2e::sleep_for(0.1s);
        }
        if (menu.empty()) {
            e2e::run("xdotool mouseup 3 2>/dev/null");
            return false;
        }
        std::istringstream geometry(e2e::run("xdotool getwindowgeometry --shell " + menu + " 2>/dev/null"));
        int x = 0, y = 0, width = 0, height = 0;
        for (std::string line; std::getline(geometry, line);) {
            const auto eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq);
            const int value = std::stoi(line.substr(eq + 1));
            if (key == "X") x = value;
            if (key == "Y") y = value;
            if (key == "WIDTH") width = value;
            if (key == "HEIGHT") height = value;
        }
        const int at_x = x + width / 2;
        const int at_y = y + height * (2 * entry + 1) / (2 * kMenuEntries);
        e2e::run("xdotool mousemove " + std::to_string(at_x) + " " + std::to_string(at_y) + " 2>/dev/null");
        e2e::sleep_for(0.3s);
        e2e::run("xdotool mouseup 3 2>/dev/null");
        return height > 0;
    }

};

// Pixels of the figure's purple trunk: red and blue well above green.
int purple_pixels(const Image& image) {
    int n = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const e2e::Color c = image.at(x, y);
            if (c.r > c.g + 60 && c.b > c.g + 60) ++n;
        }
    return n;
}

// Pixels that differ clearly between two pictures of the same size.
int changed_pixels(const Image& a, const Image& b) {
    int n = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const e2e::Color p = a.at(x, y), q = b.at(x, y);
            if (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 60) ++n;
        }
    return n;
}

TEST_F(GymnastWindow, OpensTitledWindowAt10x10WithSize450x350) {
    EXPECT_EQ(app.title(), kTitle);
    EXPECT_EQ(app.geometry(), (e2e::Geometry{10, 10, 450, 350}));
    EXPECT_EQ(start.width, 450);
    EXPECT_EQ(start.height, 350);
}

TEST_F(GymnastWindow, FirstFrameShowsTheFigureInsideTheTexturedBox) {
    e2e::save_screenshot(start, "gymnast_start.png");
    EXPECT_GT(start.share_unlike({0, 0, 0}), 0.95);  // ground, walls and sky fill the view
    EXPECT_GT(start.distinct_colors(), 300);         // textured, not flat
    EXPECT_GT(purple_pixels(start), 200);            // the trunk, in the middle
    const e2e::Color middle = start.mean(205, 140, 245, 190);
    EXPECT_GT(middle.r, middle.g + 40);
}

TEST_F(GymnastWindow, UpArrowPlaysAPacedSomersaultAndEndsInANewPicture) {
    const auto pressed = Clock::now();
    app.key("Up");
    const Movement somersault = movement();
    const double seconds = std::chrono::duration<double>(Clock::now() - pressed).count();
    e2e::save_screenshot(somersault.moving, "gymnast_somersault.png");
    EXPECT_GT(seconds, 4.0);  // 249 frames at 60 a second, not as fast as they draw
    EXPECT_GT(somersault.end.mean_difference(somersault.moving), kOtherView);
    EXPECT_GT(somersault.end.mean_difference(start), kOtherView);  // camera circled and tipped, arms out
    EXPECT_GT(purple_pixels(somersault.end), 100);
}

TEST_F(GymnastWindow, PoseKeysMoveALimbAndTheResetKeyBringsItBack) {
    app.key("t", 45);  // right arm straight out sideways
    const Image raised = app.screenshot_until([this](const Image& shot) { return changed_pixels(shot, start) > 150; });
    EXPECT_GT(changed_pixels(raised, start), 150);
    app.key("period");
    const Image back = app.screenshot_until([this](const Image& shot) { return changed_pixels(shot, start) < 10; });
    EXPECT_LT(changed_pixels(back, start), 10);
}

TEST_F(GymnastWindow, MenuPlaysTheBackwardSomersaultAndSairEnds) {
    ASSERT_TRUE(choose(1));  // "Mortal Tras"
    EXPECT_GT(movement().end.mean_difference(start), kOtherView);
    ASSERT_TRUE(choose(5));  // "Sair"
    EXPECT_EQ(app.wait_exit(), 0);
}

TEST_F(GymnastWindow, EscEndsWithStatusZero) {
    app.key("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
    EXPECT_EQ(app.err(), "");
}

TEST(GymnastStart, MissingImageEndsWithStatusOneAndNamesTheFile) {
    e2e::DataCopy data("gymnast");
    fs::remove(data.path("images/ceu.bmp"));
    App app("gymnast", {}, "", {data.variable()});
    EXPECT_EQ(app.wait_exit(), 1);
    EXPECT_EQ(app.err(), "gymnast: cannot load texture \"" + data.path("images/ceu.bmp") + "\": no such file\n");
}

}  // namespace

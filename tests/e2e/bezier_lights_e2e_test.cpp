// bezier_lights in a real window: its picture, resizing, keys and exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "harness.h"

namespace {

using e2e::App;
using e2e::Color;
using e2e::Image;
using namespace std::chrono_literals;

// Clear colour (0, 0.4, 0.4) in 8-bit channels.
constexpr Color kBackground{0, 102, 102};
constexpr int kTolerance = 6;

struct Box {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive; empty when x1 < x0
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
};

bool is_background(Color c) {
    return std::abs(c.r - kBackground.r) <= kTolerance && std::abs(c.g - kBackground.g) <= kTolerance &&
           std::abs(c.b - kBackground.b) <= kTolerance;
}

// The pixels the patch covers.
Box surface_box(const Image& image) {
    Box box{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (!is_background(image.at(x, y))) {
                box.x0 = std::min(box.x0, x);
                box.y0 = std::min(box.y0, y);
                box.x1 = std::max(box.x1, x);
                box.y1 = std::max(box.y1, y);
            }
    return box;
}

// The program names its window after its own path as started.
const std::string kTitle = e2e::program_dir("bezier_lights") + "/bezier_lights";

class BezierLightsWindow : public e2e::ProgramWindow {
protected:
    BezierLightsWindow() : ProgramWindow("bezier_lights", kTitle) {}

    void SetUp() override {
        ProgramWindow::SetUp();
        start_box = surface_box(start);
    }

    // The picture drawn for a window of this size: the start picture's patch
    // scaled with the window's shorter side, about the window's centre. Until
    // the program has drawn it the window shows the old picture, cut or
    // padded, which never fits.
    bool drawn_for(const Image& shot, int width, int height) const {
        if (shot.width != width || shot.height != height) return false;
        const double scale = std::min(width, height) / static_cast<double>(std::min(start.width, start.height));
        const Box box = surface_box(shot);
        const auto near = [](double a, double b) { return std::abs(a - b) <= 3; };
        return near(box.width(), start_box.width() * scale) && near(box.height(), start_box.height() * scale) &&
               near(box.x0 + box.x1 - width, (start_box.x0 + start_box.x1 - start.width) * scale) &&
               near(box.y0 + box.y1 - height, (start_box.y0 + start_box.y1 - start.height) * scale);
    }

    Image resized(int width, int height) {
        e2e::run("xdotool windowsize " + app.window() + " " + std::to_string(width) + " " +
                 std::to_string(height) + " 2>/dev/null");
        return app.screenshot_until([&](const Image& shot) { return drawn_for(shot, width, height); });
    }

    Box start_box;
};

TEST_F(BezierLightsWindow, OpensTitledWindowShowingLitPatchOnTealBackground) {
    EXPECT_EQ(app.title(), kTitle);
    EXPECT_EQ(app.geometry(), (e2e::Geometry{100, 100, 500, 500}));

    for (const auto& [cx, cy] : {std::pair{2, 2}, {497, 2}, {2, 497}, {497, 497}}) {
        const Color c = start.at(cx, cy);
        EXPECT_TRUE(is_background(c)) << cx << "," << cy << ": " << c.r << " " << c.g << " " << c.b;
    }
    // The patch fills much of the middle and is shaded: grey with many levels, not one flat colour.
    EXPECT_FALSE(is_background(start.at(250, 250)));
    EXPECT_GT(start.share_unlike(kBackground, kTolerance), 0.15);
    EXPECT_GT(start.distinct_colors(), 100);
    const Color lit = start.mean(230, 230, 270, 270);
    EXPECT_GT(lit.r, 60);
    EXPECT_NEAR(lit.r, lit.g, 8);
    EXPECT_NEAR(lit.g, lit.b, 8);
}

TEST_F(BezierLightsWindow, WideAndTallWindowsKeepThePatchUndistortedAndCentred) {
    const Box square = surface_box(resized(400, 400));
    ASSERT_GT(square.width(), 100);

    // Twice as wide: the same patch, shifted right by half the extra width.
    const Box wide = surface_box(resized(800, 400));
    EXPECT_NEAR(wide.width(), square.width(), 2);
    EXPECT_NEAR(wide.height(), square.height(), 2);
    EXPECT_NEAR(wide.x0, square.x0 + 200, 2);
    EXPECT_NEAR(wide.y0, square.y0, 2);

    // Twice as high: shifted down by half the extra height.
    const Box tall = surface_box(resized(400, 800));
    EXPECT_NEAR(tall.width(), square.width(), 2);
    EXPECT_NEAR(tall.height(), square.height(), 2);
    EXPECT_NEAR(tall.x0, square.x0, 2);
    EXPECT_NEAR(tall.y0, square.y0 + 200, 2);
    EXPECT_TRUE(app.running());
}

TEST_F(BezierLightsWindow, OtherKeysLeaveThePictureAndEscEndsWithStatus0) {
    // Events are taken in order: the pictures drawn for the resizes that
    // follow the keys show what the keys left behind.
    for (const char* key : {"a", "space", "Return", "1", "Up"}) app.key(key);
    resized(400, 400);
    const Image after = resized(500, 500);
    ASSERT_TRUE(app.running());
    EXPECT_LT(after.mean_difference(start), 0.5);

    app.key("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
    EXPECT_EQ(app.out(), "");
}

}  // namespace

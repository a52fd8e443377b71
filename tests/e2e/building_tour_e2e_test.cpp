// building_tour in a real window: title, size, keys, screenshots, exit status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "harness.h"

namespace {

namespace fs = std::filesystem;
using e2e::App;
using e2e::Image;
using namespace std::chrono_literals;

constexpr const char* kTitle = "::: Bloco VELD Beta :::";

// Pictures of the same view are the same, pixel for pixel; a camera move
// changes many pixels, a gate's swing seen from the start a few.
constexpr double kSameView = 0.01;
constexpr double kOtherView = 4.0;
constexpr double kGatesMoved = 0.05;

class BuildingTourWindow : public e2e::ProgramWindow {
protected:
    BuildingTourWindow() : ProgramWindow("building_tour", kTitle) {}
};

TEST_F(BuildingTourWindow, OpensTitledWindowAtOriginWithSize640x480) {
    EXPECT_EQ(app.title(), kTitle);
    EXPECT_EQ(app.geometry(), (e2e::Geometry{0, 0, 640, 480}));
    EXPECT_EQ(start.width, 640);
    EXPECT_EQ(start.height, 480);
}

TEST_F(BuildingTourWindow, StartViewShowsGroundAndTexturedBuilding) {
    e2e::save_screenshot(start, "building_tour_start.png");
    // The ground fills the lower half: lit, not the black clear colour. Its
    // first pass wins the depth test, so it shows one flat colour.
    Image ground;
    ground.width = start.width;
    ground.height = start.height / 2;
    ground.rgb.assign(start.rgb.end() - static_cast<long>(ground.width) * ground.height * 3, start.rgb.end());
    EXPECT_GT(ground.share_unlike({0, 0, 0}), 0.99);
    EXPECT_GT(ground.mean(0, 0, ground.width, ground.height).r, 100);
    // The building above it is textured: brick, glass and concrete.
    EXPECT_GT(start.distinct_colors(), 500);
}

TEST_F(BuildingTourWindow, GateKeysOpenAndCloseTheGates) {
    // From the start view the pavilion's gates swing out at its two sides;
    // nothing else moves, so shut again means the start picture exactly.
    const auto swung = [this](const Image& shot) { return shot.mean_difference(start) > kGatesMoved; };
    const auto shut = [this](const Image& shot) { return shot.mean_difference(start) < kSameView; };
    app.key("D", 80);
    const Image open = app.screenshot_until(swung);
    EXPECT_TRUE(swung(open));
    e2e::save_screenshot(open, "building_tour_gates_open_far.png");
    app.key("d", 80);
    EXPECT_TRUE(shut(app.screenshot_until(shut)));

    // Held down, the key repeats and the gates keep swinging.
    EXPECT_TRUE(swung(app.hold_repeating("D", swung)));
}

TEST_F(BuildingTourWindow, TourKeyStartsAndPausesTheTour) {
    app.key("a");
    const Image first = app.screenshot_until([this](const Image& shot) { return shot.mean_difference(start) > kOtherView; });
    ASSERT_GT(first.mean_difference(start), kOtherView) << "the tour did not start";
    const Image second = app.screenshot_until([&](const Image& shot) { return shot.mean_difference(first) > kOtherView; });
    EXPECT_GT(second.mean_difference(first), kOtherView) << "the tour stopped by itself";

    // Paused, the picture holds still: the tour moves the camera every frame,
    // so while it runs no two pictures half a second apart agree.
    app.key("a");
    const auto give_up = std::chrono::steady_clock::now() + e2e::kStateTimeout;
    Image before, after;
    do {
        before = app.screenshot();
        e2e::sleep_for(0.5s);
        after = app.screenshot();
    } while (after.mean_difference(before) >= kSameView && std::chrono::steady_clock::now() < give_up);
    EXPECT_LT(after.mean_difference(before), kSameView) << "the tour goes on after the pause key";
}

TEST_F(BuildingTourWindow, InsideTheTourTheBuildingFillsTheView) {
    // The start view shows the black sky above the building; about 25 s into
    // the tour the camera is in among the walls and no sky is left in sight.
    EXPECT_LT(start.share_unlike({0, 0, 0}), 0.8);
    app.key("a");
    const auto inside = [](const Image& shot) { return shot.share_unlike({0, 0, 0}) > 0.99; };
    const Image tour = app.screenshot_until(inside, 120s);
    e2e::save_screenshot(tour, "building_tour_tour.png");
    EXPECT_TRUE(inside(tour));
}

TEST_F(BuildingTourWindow, EscEndsWithStatusZero) {
    app.key("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
    EXPECT_EQ(app.err(), "");
}

TEST(BuildingTourStart, MissingImageEndsWithStatusOneAndNamesTheFile) {
    e2e::DataCopy data("building_tour");
    fs::remove(data.path("texture/vidro.bmp"));
    App app("building_tour", {}, "", {data.variable()});
    EXPECT_EQ(app.wait_exit(), 1);
    EXPECT_EQ(app.err(), "building_tour: cannot load texture \"" + data.path("texture/vidro.bmp") + "\": no such file\n");
}

TEST(BuildingTourStart, DamagedImageEndsWithStatusOneAndTheReason) {
    e2e::DataCopy data("building_tour");
    fs::resize_file(data.path("texture/muro2.bmp"), 100);
    App app("building_tour", {}, "", {data.variable()});
    EXPECT_EQ(app.wait_exit(), 1);
    const std::string named = "building_tour: cannot load texture \"" + data.path("texture/muro2.bmp") + "\": ";
    EXPECT_EQ(app.err().rfind(named, 0), 0u) << app.err();
}

}  // namespace

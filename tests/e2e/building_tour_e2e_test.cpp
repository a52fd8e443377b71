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

// Pictures of the same view differ only by noise; a camera move changes many pixels.
constexpr double kSameView = 1.0;
constexpr double kOtherView = 4.0;

class BuildingTourWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(app.wait_for_window(kTitle).empty()) << app.err();
        start = app.settled_screenshot();
        ASSERT_FALSE(start.empty());
    }

    App app{"building_tour"};
    Image start;
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
    // Down in front of the first wing's front gates, then swing them out towards the camera.
    app.key("4", 20);
    app.key("8", 40);
    app.key("0", 15);
    const Image shut = app.settled_screenshot();
    app.key("D", 80);
    const Image open = app.settled_screenshot();
    e2e::save_screenshot(open, "building_tour_gates_open.png");
    EXPECT_GT(open.mean_difference(shut), 1.0);
    app.key("d", 80);
    EXPECT_LT(app.settled_screenshot().mean_difference(shut), 0.05);

    // Held down, the key repeats and the gates keep swinging.
    app.hold("D", 2s);
    EXPECT_GT(app.settled_screenshot().mean_difference(shut), 1.0);
}

TEST_F(BuildingTourWindow, TourKeyStartsAndPausesTheTour) {
    app.key("a");
    e2e::sleep_for(1s);
    const Image first = app.screenshot();
    e2e::sleep_for(1s);
    const Image second = app.screenshot();
    EXPECT_GT(second.mean_difference(first), kOtherView);
    EXPECT_GT(second.mean_difference(start), kOtherView);

    app.key("a");
    const Image paused = app.settled_screenshot();
    e2e::sleep_for(1s);
    EXPECT_LT(app.screenshot().mean_difference(paused), kSameView);
}

TEST_F(BuildingTourWindow, TwentyFiveSecondsIntoTheTourTheBuildingFillsTheView) {
    // The start view shows the black sky above the building; 25 s in, the
    // camera is in among the walls and no sky is left in sight.
    EXPECT_LT(start.share_unlike({0, 0, 0}), 0.8);
    app.key("a");
    e2e::sleep_for(25s);
    const Image tour = app.screenshot();
    e2e::save_screenshot(tour, "building_tour_tour.png");
    EXPECT_GT(tour.share_unlike({0, 0, 0}), 0.99);
}

TEST_F(BuildingTourWindow, EscEndsWithStatusZero) {
    app.key("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
    EXPECT_EQ(app.err(), "");
}

TEST(BuildingTourStart, MissingImageEndsWithStatusOneAndNamesTheFile) {
    const fs::path dir = fs::temp_directory_path() / "building_tour_missing";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy(e2e::program_dir("building_tour") + "/texture", dir / "texture", fs::copy_options::recursive);
    fs::remove(dir / "texture" / "vidro.bmp");

    App app("building_tour", {}, dir.string());
    EXPECT_EQ(app.wait_exit(20s), 1);
    EXPECT_EQ(app.err(), "building_tour: cannot load texture \"texture/vidro.bmp\": no such file\n");
    fs::remove_all(dir);
}

TEST(BuildingTourStart, DamagedImageEndsWithStatusOneAndTheReason) {
    const fs::path dir = fs::temp_directory_path() / "building_tour_damaged";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy(e2e::program_dir("building_tour") + "/texture", dir / "texture", fs::copy_options::recursive);
    fs::resize_file(dir / "texture" / "muro2.bmp", 100);

    App app("building_tour", {}, dir.string());
    EXPECT_EQ(app.wait_exit(20s), 1);
    EXPECT_EQ(app.err().rfind("building_tour: cannot load texture \"texture/muro2.bmp\": ", 0), 0u) << app.err();
    fs::remove_all(dir);
}

}  // namespace

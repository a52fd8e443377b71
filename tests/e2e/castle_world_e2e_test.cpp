// castle_world in a real window: title, size, the start view, keys, exit
// status; and the fast drawing path against the plain one, pixel for pixel,
// in a real context of the same X server.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "harness.h"
#include "music.h"
#include "scene.h"
#include "shell.h"
#include "textures.h"

namespace {

namespace fs = std::filesystem;
using e2e::App;
using e2e::Image;
using namespace std::chrono_literals;

constexpr const char* kTitle = "Zadizur";
constexpr double kSameView = 0.5;
constexpr double kOtherView = 3.0;

// The music plays on SDL's silent driver, so a missing or refused tune shows
// as a warning on stderr even without a sound card.
class CastleWindow : public e2e::ProgramWindow {
protected:
    CastleWindow() : ProgramWindow("castle_world", kTitle, {"SDL_AUDIODRIVER=dummy"}) {}
};

// The lowered drawbridge lies over the moat in front of the gate: wood,
// where the start picture shows grass, in the rows just above its front edge.
bool bridge_down(const Image& shot) {
    int wood = 0, all = 0;
    for (int y = 288; y < 300; ++y)
        for (int x = 20; x < 300; ++x, ++all) {
            const e2e::Color c = shot.at(x, y);
            wood += c.r > c.g + 15 && c.r > c.b + 15;
        }
    return wood > all * 6 / 10;
}

TEST_F(CastleWindow, TitledWindowOf640x360At100) {
    EXPECT_EQ(app.title(), kTitle);
    const e2e::Geometry g = app.geometry();
    EXPECT_EQ(g.width, 640);
    EXPECT_EQ(g.height, 360);
    EXPECT_EQ(start.width, 640);
    EXPECT_EQ(app.err(), "") << "every image and the music found, from a folder of no concern to it";
}

TEST_F(CastleWindow, FirstFrameFacesTheGatehouseOverTheGrass) {
    e2e::save_screenshot(start, "castle_world_start.png");
    EXPECT_GT(start.distinct_colors(), 200);  // textured walls, not one sky colour
    const e2e::Color grass = start.mean(0, 300, 640, 360);
    EXPECT_GT(grass.g, grass.r + 20);
    EXPECT_GT(grass.g, grass.b + 20);
    const e2e::Color wall = start.mean(0, 0, 640, 150);
    EXPECT_LT(std::abs(wall.r - wall.b), 40);  // grey stone, not blue sky
}

TEST_F(CastleWindow, HoldingWWalksTowardTheGate) {
    app.key_down("w");
    const Image walked = app.screenshot_until([&](const Image& shot) { return shot.mean_difference(start) > kOtherView; });
    app.key_up("w");
    EXPECT_GT(walked.mean_difference(start), kOtherView);
}

TEST_F(CastleWindow, PageDownLowersTheDrawbridgeOverTheFollowingFrames) {
    EXPECT_LT(app.screenshot().mean_difference(start), kSameView);  // nothing moves by itself here
    ASSERT_FALSE(bridge_down(start));
    app.key("Next");
    // One step a frame: pictures of the bridge on its way come before the one of it down.
    bool seen_on_its_way = false;
    const Image lowered = app.screenshot_until([&](const Image& shot) {
        const bool down = bridge_down(shot);
        seen_on_its_way = seen_on_its_way || (!down && shot.mean_difference(start) > kOtherView);
        return down;
    });
    EXPECT_TRUE(bridge_down(lowered));
    EXPECT_TRUE(seen_on_its_way);
    e2e::save_screenshot(lowered, "castle_world_bridge.png");
}

TEST_F(CastleWindow, EscEndsOnReleaseWithStatusZero) {
    // Keys are taken in order: once the walk that follows it shows, the
    // program has seen Esc go down, and must still be running.
    app.key_down("Escape");
    app.key_down("w");
    app.screenshot_until([&](const Image& shot) { return shot.mean_difference(start) > kOtherView; });
    EXPECT_TRUE(app.running());
    app.key_up("w");
    app.key_up("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
}

TEST(CastleStartUp, MissingImageEndsWithStatusOneNamingIt) {
    e2e::DataCopy data("castle_world");
    fs::remove(data.path("mountain.bmp"));
    App app("castle_world", {}, "", {data.variable()});
    EXPECT_EQ(app.wait_exit(), 1);
    EXPECT_NE(app.err().find(data.path("mountain.bmp")), std::string::npos) << app.err();
    EXPECT_EQ(app.err().find("music"), std::string::npos) << app.err();  // no sound was opened
}

// A named pipe in place of the tune once hung start-up in a black window: now
// one warning, and the scene runs.
TEST(CastleStartUp, TuneThatIsAPipeGivesOneWarningAndTheSceneRuns) {
    e2e::DataCopy data("castle_world");
    const std::string tune = data.path(castle_world::kMusicFile);
    fs::remove(tune);
    ASSERT_EQ(mkfifo(tune.c_str(), 0600), 0);

    App app("castle_world", {}, "", {data.variable(), "SDL_AUDIODRIVER=dummy"});
    ASSERT_FALSE(app.wait_for_window(kTitle).empty()) << app.err();
    EXPECT_GT(app.first_picture().distinct_colors(), 200);
    EXPECT_EQ(app.err(), "castle_world: no music: " + tune + ": not a regular file\n");
    app.key("Escape");
    EXPECT_EQ(app.wait_exit(), 0);
}

// --- the fast path against the plain one -----------------------------------------

class SamePicture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("DISPLAY", e2e::display().c_str(), 1);
        ASSERT_EQ(chdir(e2e::program_dir("castle_world").c_str()), 0);
        int argc = 1;
        char name[] = "castle_world_e2e";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(castle_world::kWindowWidth, castle_world::kWindowHeight);
        glutCreateWindow("castle_world identity");
        glutDisplayFunc([] {});
        for (int i = 0; i < 10; ++i) glutMainLoopEvent();
        castle_world::initScene();
    }

    static std::vector<unsigned char> picture(const castle_world::State& s, bool fast) {
        castle_world::load_projection(s);
        castle_world::draw_frame(s, fast ? castle_world::Path::fast : castle_world::Path::plain);
        glFinish();
        std::vector<unsigned char> pixels(std::size_t(s.width) * s.height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, s.width, s.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
};

castle_world::State place(float x, float y, float z, float heading, float pitch) {
    castle_world::State s;
    s.posX = x;
    s.posY = y;
    s.posZ = z;
    s.angle = heading;
    orientMe(s, heading);
    s.angle2 = pitch;
    Look(s, pitch);
    return s;
}

TEST_F(SamePicture, FastPathDrawsThePlainPicturePixelForPixel) {
    const float pi = float(M_PI);
    std::vector<castle_world::State> places = {
        castle_world::State{},
        place(850, 20, 600, pi, 0),           // inside the walls, toward the keep
        place(850, 20, 600, pi / 2, 0),       // toward the side wall
        place(800, 400, -300, pi, -0.6f),     // high above the front, looking down
        place(200, 20, 1300, 2.4f, 0.3f),     // a rear corner, looking up
        place(1000, 20, 900, -0.5f, -0.2f),   // among the houses, toward the fountain
    };
    castle_world::State open = place(850, 30, 120, pi, 0.1f);
    open.porta_castelo = 75;
    open.porta_castelo2 = 30;
    open.portao_madeira = 60;
    open.porta_grade = 45;
    open.mov_ceu = 37;
    open.iluminacao = 1;
    places.push_back(open);
    castle_world::State crouched = place(900, 20, 960, pi + 0.3f, 0);
    crouched.agachar = -30;
    places.push_back(crouched);

    for (std::size_t k = 0; k < places.size(); ++k) {
        SCOPED_TRACE(k);
        const std::vector<unsigned char> plain = picture(places[k], false);
        const std::vector<unsigned char> fast = picture(places[k], true);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < plain.size(); ++i) differing += plain[i] != fast[i];
        EXPECT_EQ(differing, 0u);
        // A picture with something in it, not two equally empty frames.
        std::size_t lit = 0;
        for (unsigned char c : plain) lit += c > 8;
        EXPECT_GT(lit, plain.size() / 2);
    }
}

}  // namespace

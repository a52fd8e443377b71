// The ground, the village and the whole frame through the recording
// stand-in: places from the layout of the scene, and the boxes the view test
// leaves objects out by.

#include <GL/glut.h>

#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "landscape.h"
#include "shell.h"
#include "village.h"

namespace castle_world {
namespace {

using glrec::Vec3;

class Scene : public Drawing {};

TEST_F(Scene, MoatRowsAndBanksAtTheirEdges) {
    chao_chunk(pen, 0, 1);  // z 100 to 200
    chao_chunk(pen, 0, 2);  // z 200 to 300
    EXPECT_EQ(quads_in(tex(slot::grass), {0, 0, 150}, {10, 0, 160}).size(), 1u);
    EXPECT_EQ(quads_in(tex(slot::water), {0, -5, 160}, {10, -5, 170}).size(), 1u);
    EXPECT_EQ(quads_in(tex(slot::water), {0, -5, 190}, {10, -5, 200}).size(), 1u);
    EXPECT_EQ(quads_in(tex(slot::grass), {0, 0, 200}, {10, 0, 210}).size(), 1u);
    EXPECT_EQ(quads_in(tex(slot::earth), {0, -5, 160}, {10, 0, 160}).size(), 1u);
    EXPECT_EQ(quads_in(tex(slot::earth), {0, -5, 200}, {10, 0, 200}).size(), 1u);
    EXPECT_TRUE(quads_in(tex(slot::earth), {0, -5, 161}, {100, 0, 199}).empty());
    EXPECT_TRUE(quads_in(tex(slot::grass), {0, -1, 160}, {100, 1, 200}).empty());
}

TEST_F(Scene, GroundEndsAtSeventeenHundred) {
    chao(pen);
    const Extent all = extent(quads());
    EXPECT_NEAR(all.min.x, 0, 1e-3);
    EXPECT_NEAR(all.max.x, 1700, 1e-3);
    EXPECT_NEAR(all.max.z, 1700, 1e-3);
    EXPECT_EQ(quads_in(tex(slot::grass), {1690, 0, 1690}, {1700, 0, 1700}).size(), 1u);
    const Extent moat = extent(quads_in(tex(slot::water), {-1, -5, 0}, {1701, -5, 1700}));
    EXPECT_NEAR(moat.min.z, 160, 1e-3);
    EXPECT_NEAR(moat.max.z, 200, 1e-3);
    EXPECT_NEAR(moat.max.x, 1700, 1e-3);
}

// s of the corner furthest toward -x minus s of the one furthest toward +x.
float s_toward_minus_x(const glrec::Quad& q) {
    const glrec::Vertex* low = &q.corners[0];
    const glrec::Vertex* high = &q.corners[0];
    for (const glrec::Vertex& v : q.corners) {
        if (v.scene.x < low->scene.x) low = &v;
        if (v.scene.x > high->scene.x) high = &v;
    }
    return low->s - high->s;
}

TEST_F(Scene, NoticesReadUnmirroredFromTheFront) {
    // Seen from -z the viewer's right is -x: s must grow that way.
    placa_vende(pen);
    taverna(pen);
    const auto notice = quads_with_texture(tex(slot::sell));
    const auto sign = quads_with_texture(tex(slot::taverna1));
    ASSERT_EQ(notice.size(), 1u);
    ASSERT_EQ(sign.size(), 1u);
    EXPECT_GT(s_toward_minus_x(notice[0]), 0);
    EXPECT_GT(s_toward_minus_x(sign[0]), 0);
    EXPECT_FLOAT_EQ(notice[0].corners[0].scene.z, -0.6f);
    // The board's upright t runs with y.
    for (const auto& c : notice[0].corners) EXPECT_FLOAT_EQ(c.t, c.scene.y > 7 ? 1.0f : 0.0f);
}

class Layout : public Drawing {
protected:
    void SetUp() override {
        Drawing::SetUp();
        draw_objects(State{}, Path::plain);
    }
    // Quads of a texture in one axis plane (min == max on that axis) inside [lo, hi].
    static Extent plane(int slot_, int axis, Vec3 lo, Vec3 hi) {
        std::vector<glrec::Quad> flat;
        for (const glrec::Quad& q : quads_in(tex(slot_), lo, hi)) {
            const Vec3 a = q.min(), b = q.max();
            const float span[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
            if (span[axis] < 1e-3f) flat.push_back(q);
        }
        return extent(flat);
    }
};

TEST_F(Layout, FrontLineAndGatehouse) {
    const Extent front = plane(slot::wall, 2, {0, 0, 200}, {1700, 150, 210});
    EXPECT_NEAR(front.min.x, 130, 1e-2);
    EXPECT_NEAR(front.max.x, 1580, 1e-2);
    // The gatehouse opening, x 810 to 890 below 120, holds no wall face.
    EXPECT_TRUE(quads_in(tex(slot::wall), {810.5f, 0, 199}, {889.5f, 119.5f, 211}).empty());
    const Extent towers = plane(slot::wall, 2, {600, 0, 140}, {1100, 210, 160});
    EXPECT_NEAR(towers.min.x, 640, 1e-2);
    EXPECT_NEAR(towers.max.x, 1070, 1e-2);
}

TEST_F(Layout, SideWallsTowersAndRearWall) {
    for (float x : {70.0f, 1630.0f}) {
        SCOPED_TRACE(x);
        const Extent side = plane(slot::wall, 0, {x, 0, 0}, {x + 10, 149, 1700});
        EXPECT_NEAR(side.min.z, 260, 1e-2);
        EXPECT_NEAR(side.max.z, 1390, 1e-2);
    }
    // Tower floors, one tile at each tower's corner.
    for (float z : {150.0f, 770.0f, 1390.0f}) {
        EXPECT_EQ(quads_in(tex(slot::roof_tower), {20, 0.1f, z}, {30, 0.1f, z + 10}).size(), 1u) << z;
        EXPECT_EQ(quads_in(tex(slot::roof_tower), {1680, 0.1f, z + 100}, {1690, 0.1f, z + 110}).size(), 1u) << z;
    }
    const Extent rear = plane(slot::wall, 2, {0, 0, 1440}, {1700, 149, 1450});
    EXPECT_NEAR(rear.min.x, 130, 1e-2);
    EXPECT_NEAR(rear.max.x, 1580, 1e-2);
}

TEST_F(Layout, KeepAndItsTowers) {
    const Extent floor = extent(quads_with_texture(tex(slot::red_carpet)));
    expect_xz(floor, 750, 960, 1000, 1210, 1e-2);
    std::vector<Vec3> roofs;
    for (const glrec::Solid& s : glrec::recorder().solids())
        if (s.kind == "gluCylinder" && s.params.at(0) == 55) roofs.push_back(s.center());
    ASSERT_EQ(roofs.size(), 4u);
    for (const Vec3& r : roofs) {
        EXPECT_TRUE(std::fabs(r.x - 695) < 1e-2 || std::fabs(r.x - 1015) < 1e-2) << r.x;
        EXPECT_TRUE(std::fabs(r.z - 1005) < 1e-2 || std::fabs(r.z - 1215) < 1e-2) << r.z;
        EXPECT_NEAR(r.y, 200, 1e-2);
    }
}

TEST_F(Layout, VillagePlaces) {
    const Extent fountain = extent(quads_with_texture(tex(slot::fountain)));
    expect_xz(fountain, 835, 865, 700, 730, 1e-2);

    const Extent tavern = extent(quads_with_texture(tex(slot::parede_taverna)));
    expect_xz(tavern, 650, 700, 500, 570, 1e-2);

    const Extent notice = extent(quads_with_texture(tex(slot::sell)));
    EXPECT_NEAR((notice.min.x + notice.max.x) / 2, 890, 1e-2);
    EXPECT_NEAR(notice.min.z, 949.4, 1e-2);

    // Small houses: origins at x 945 and 780, z 550 to 850, each 20 square toward -x and +z.
    const Extent small = extent(quads_with_texture(tex(slot::casa2)));
    expect_xz(small, 760, 945, 550, 870, 1e-2);
    // Large houses: origins at x 1075 and 700, z 600 to 800; the roofs overhang by 10.
    const Extent roofs = extent(quads_with_texture(tex(slot::telha)));
    expect_xz(roofs, 700 - 60, 1075 + 10, 600 - 10, 800 + 60, 1e-2);

    bool sky = false;
    for (const glrec::Solid& s : glrec::recorder().solids())
        if (s.kind == "gluSphere") {
            sky = glrec::near(s.center(), {850, 0, 850}, 1e-3f) && s.params.at(0) == 1300;
            EXPECT_EQ(s.texture, tex(slot::sky));
        }
    EXPECT_TRUE(sky);
}

// The corners of a solid's own bounding box, in scene coordinates.
std::vector<Vec3> solid_corners(const glrec::Solid& s) {
    const std::vector<double>& a = s.params;
    float r = 0, z0 = 0, z1 = 0;
    if (s.kind == "glutSolidCube") {
        r = float(a.at(0) / 2);
        z0 = -r;
        z1 = r;
    } else if (s.kind == "glutSolidCone") {
        r = float(a.at(0));
        z1 = float(a.at(1));
    } else if (s.kind == "gluCylinder") {
        r = float(std::max(a.at(0), a.at(1)));
        z1 = float(a.at(2));
    } else if (s.kind == "glutSolidTorus") {
        r = float(a.at(0) + a.at(1));
        z0 = -float(a.at(0));
        z1 = float(a.at(0));
    } else {
        ADD_FAILURE() << "unexpected solid " << s.kind;
    }
    std::vector<Vec3> out;
    for (int c = 0; c < 8; ++c) out.push_back(s.scene.apply({c & 1 ? r : -r, c & 2 ? r : -r, c & 4 ? z1 : z0}));
    return out;
}

// The fast path leaves out what lies wholly outside the view by these boxes:
// everything an object draws, gates at either end, must lie inside its box.
TEST_F(Scene, EveryObjectLiesInsideItsBox) {
    State open;
    open.porta_castelo = 120;
    open.porta_castelo2 = 30;
    open.portao_madeira = 45;
    open.porta_grade = 90;
    for (const State& s : {State{}, open}) {
        for (int i = 0; i < placed_count(); ++i) {
            glrec::recorder().clear_recording();
            draw_placed(i, s);
            const Placed p = placed(i);
            SCOPED_TRACE(p.name);
            const Vec3 lo{p.box.min[0], p.box.min[1], p.box.min[2]}, hi{p.box.max[0], p.box.max[1], p.box.max[2]};
            auto inside = [&](Vec3 v) {
                return v.x >= lo.x && v.y >= lo.y && v.z >= lo.z && v.x <= hi.x && v.y <= hi.y && v.z <= hi.z;
            };
            const auto drawn = quads();
            ASSERT_FALSE(drawn.empty());
            for (const glrec::Quad& q : drawn)
                for (const glrec::Vertex& v : q.corners) ASSERT_TRUE(inside(v.scene)) << i;
            for (const glrec::Solid& solid : glrec::recorder().solids())
                for (const Vec3& corner : solid_corners(solid)) ASSERT_TRUE(inside(corner)) << i << " " << solid.kind;
        }
    }
}

TEST(Frame, LightMaterialAndCameraFromTheState) {
    glrec::recorder().reset();
    state = State{};
    changeSize(640, 360);
    // The camera is loaded at once, not left at the identity until the first move.
    const glrec::Mat4 expected = glrec::Mat4::look_at({800, 20, 0}, {800 + state.lx, 20, 1}, {0, 1, 0});
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(glrec::recorder().modelview().m[k], expected.m[k], 1e-5);

    state.iluminacao = 1;
    frame(1, Path::plain);
    const glrec::Recorder& r = glrec::recorder();
    EXPECT_TRUE(r.enabled(GL_LIGHTING));
    EXPECT_TRUE(r.enabled(GL_COLOR_MATERIAL));
    EXPECT_NEAR(r.light(0).scene_position[1], 2000, 1e-2);
    EXPECT_EQ(r.light(0).specular[1], 0.3f);
    EXPECT_EQ(r.front_material().shininess, 50);
    EXPECT_EQ(r.modelview_depth(), 1u);
    EXPECT_TRUE(r.errors().empty());
    EXPECT_EQ(r.count("glutSwapBuffers"), 1u);
    EXPECT_NEAR(state.mov_ceu, 0.2, 1e-6);

    state.iluminacao = 0;
    frame(1, Path::plain);
    EXPECT_FALSE(glrec::recorder().enabled(GL_LIGHTING));
}

TEST(Frame, MouseWarpsBackToTheCentre) {
    glrec::recorder().reset();
    state = State{};
    changeSize(800, 600);
    MoveMouse(400, 300);
    EXPECT_EQ(glrec::recorder().count("glutWarpPointer"), 0u);
    MoveMouse(10, 300);
    const auto warps = glrec::recorder().calls_named("glutWarpPointer");
    ASSERT_EQ(warps.size(), 1u);
    EXPECT_EQ(warps[0].args, (std::vector<double>{400, 300}));
}

TEST(Frame, CallbacksAndKeyRepeat) {
    glrec::recorder().reset();
    register_callbacks();
    const glrec::Callbacks& c = glrec::recorder().callbacks();
    EXPECT_EQ(c.display, &renderScene);
    EXPECT_EQ(c.idle, &renderScene);
    EXPECT_EQ(c.passive_motion, static_cast<void (*)(int, int)>(&MoveMouse));
    EXPECT_EQ(c.keyboard_up, &keyboard1);
    EXPECT_EQ(c.special_up, &releaseKey);
    EXPECT_EQ(c.mouse, nullptr);
    EXPECT_EQ(glrec::recorder().calls_named("glutIgnoreKeyRepeat").at(0).args.at(0), 1);
}

}  // namespace
}  // namespace castle_world

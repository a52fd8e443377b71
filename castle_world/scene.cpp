#include "scene.h"

#define GL_GLEXT_PROTOTYPES  // occlusion queries, OpenGL 1.5
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "castle.h"
#include "landscape.h"
#include "village.h"

namespace castle_world {

namespace {

// --- light ------------------------------------------------------------------

constexpr GLfloat kLightAmbient[4] = {0, 0, 0, 0};
constexpr GLfloat kLightSpecular[4] = {0.2f, 0.3f, 0.3f, 1};
constexpr GLfloat kLightDiffuse[4] = {0, 0, 0, 0};
constexpr GLfloat kLightPosition[4] = {300, 2000, -20, 1};
constexpr GLfloat kMaterialSpecular[4] = {0, 0, 0, 0};
constexpr GLfloat kMaterialShininess = 50;

void light(const State& s) {
    if (s.iluminacao)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_AMBIENT, kLightAmbient);
    glLightfv(GL_LIGHT0, GL_SPECULAR, kLightSpecular);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kLightDiffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, kLightPosition);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kMaterialSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kMaterialShininess);
}

// --- the objects and their pieces -------------------------------------------

enum Kind { kTaverna, kCasa1, kCasa2, kPortao, kMuro, kMuro2, kCastelo, kPlaca, kFonte, kKinds };

// Pieces in drawing order; a fixed piece is compiled once, a moving one drawn each frame.
struct Piece {
    void (*fixed)(Pen&);
    void (*moving)(Pen&, const State&);
};

const std::vector<Piece> kPieces[kKinds] = {
    {{taverna, nullptr}},
    {{casa1, nullptr}},
    {{casa2, nullptr}},
    {{portao_wall, nullptr}, {nullptr, portao_machinery}, {portao_towers, nullptr}, {nullptr, portao_grade}},
    {{muro, nullptr}},
    {{muro2, nullptr}},
    {{castelo_front, nullptr}, {nullptr, castelo_door}, {castelo_rest, nullptr}},
    {{placa_vende, nullptr}},
    {{fonte, nullptr}},
};

constexpr const char* kNames[kKinds] = {"taverna", "casa1", "casa2", "portao", "muro",
                                        "muro2",   "castelo", "placa_vende", "fonte"};

// glTranslatef(first), glRotatef(degrees about y) if any, glTranslatef(then).
struct Placement {
    Kind kind;
    float first[3];
    float degrees;
    float then[3];
};

std::vector<Placement> make_placements() {
    std::vector<Placement> p;
    p.push_back({kTaverna, {650, 0, 500}, 0, {0, 0, 0}});
    for (int i = 1; i <= 7; ++i)
        for (int j : {1, 4}) p.push_back({kCasa1, {1000, 0, 500}, -90, {50.0f * i, 0, 55.0f * j}});
    for (int i = 1; i <= 3; ++i)
        for (int j : {1, 4}) p.push_back({kCasa2, {1200, 0, 500}, -90, {100.0f * i, 0, 125.0f * j}});
    p.push_back({kPortao, {750, 0, 200}, 0, {0, 0, 0}});
    p.push_back({kMuro, {640, 0, 210}, 180, {0, 0, 0}});
    p.push_back({kMuro, {1070, 0, 200}, 0, {0, 0, 0}});
    p.push_back({kMuro, {80, 0, 260}, -90, {0, 0, 0}});
    p.push_back({kMuro, {1640, 0, 260}, -90, {0, 0, 0}});
    p.push_back({kMuro, {80, 0, 880}, -90, {0, 0, 0}});
    p.push_back({kMuro, {1640, 0, 880}, -90, {0, 0, 0}});
    p.push_back({kMuro2, {130, 0, 1440}, 0, {0, 0, 0}});
    p.push_back({kCastelo, {750, 0, 1000}, 0, {0, 0, 0}});
    p.push_back({kPlaca, {890, 0, 950}, 0, {0, 0, 0}});
    p.push_back({kFonte, {845, 0, 700}, 0, {0, 0, 0}});
    return p;
}

const std::vector<Placement> kPlacements = make_placements();

constexpr float kSkyAt[3] = {850, 0, 850};

void push_placement(Pen& pen, const Placement& p) {
    pen.push();
    pen.translate(p.first[0], p.first[1], p.first[2]);
    if (p.degrees != 0) pen.rotate(p.degrees, 0, 1, 0);
    if (p.then[0] != 0 || p.then[1] != 0 || p.then[2] != 0) pen.translate(p.then[0], p.then[1], p.then[2]);
}

void draw_placement(Pen& pen, const Placement& p, const State& s) {
    push_placement(pen, p);
    for (const Piece& piece : kPieces[p.kind]) {
        if (piece.fixed) piece.fixed(pen);
        if (piece.moving) piece.moving(pen, s);
    }
    pen.pop();
}

// What the fast path needs to know of an object it may leave out: its box,
// what it leaves for a GLUT solid drawn after it, and whether its own first
// solid shows what was drawn before it.
struct Footprint {
    Box box;
    Texel leaves;
    bool shows_earlier;
};

// Every position the gates take, each counter through its whole travel.
std::vector<State> gate_positions() {
    std::vector<State> out;
    for (int k = 0; k <= kDoorOpen; ++k) {
        State s;
        s.porta_castelo = k;
        s.porta_castelo2 = std::min(k, kBarTravel);
        s.portao_madeira = std::min(k, kBridgeDown);
        s.porta_grade = std::min(k, kPortcullisUp);
        out.push_back(s);
    }
    return out;
}

// The measure with a margin of 1 all round, so the box's faces stand clear
// of what it holds.
Footprint footprint(const Pen& pen) {
    Box b = pen.extent();
    for (int a = 0; a < 3; ++a) {
        b.min[a] -= 1;
        b.max[a] += 1;
    }
    return {b, pen.texel(), pen.shows_earlier()};
}

// Measured once from the drawing itself, the ground by chunks first, then
// the placements in drawing order.
const std::vector<Footprint> kFootprints = [] {
    std::vector<Footprint> out;
    for (int ci = 0; ci < kChunks; ++ci)
        for (int cj = 0; cj < kChunks; ++cj) {
            Pen pen(Pen::kMeasure);
            chao_chunk(pen, ci, cj);
            out.push_back(footprint(pen));
        }
    const std::vector<State> positions = gate_positions();
    for (const Placement& p : kPlacements) {
        Pen pen(Pen::kMeasure);
        push_placement(pen, p);
        for (const Piece& piece : kPieces[p.kind]) {
            if (piece.fixed) piece.fixed(pen);
            if (piece.moving)
                for (const State& s : positions) piece.moving(pen, s);
        }
        pen.pop();
        out.push_back(footprint(pen));
    }
    return out;
}();

constexpr int kGroundPieces = kChunks * kChunks;

// --- view volume ----------------------------------------------------------------

struct Planes {
    double p[6][4];
};

// The six planes of the view volume in scene coordinates, from the same
// projection and camera the frame loads (rows of projection x camera).
Planes view_planes(const State& s) {
    const View v = camera_view(s);
    double f[3] = {double(v.centre[0]) - v.eye[0], double(v.centre[1]) - v.eye[1], double(v.centre[2]) - v.eye[2]};
    const double fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    for (double& c : f) c /= fl;
    // side = f x up, up' = side x f
    double side[3] = {-f[2], 0, f[0]};
    const double sl = std::sqrt(side[0] * side[0] + side[2] * side[2]);
    for (double& c : side) c /= sl;
    const double up[3] = {side[1] * f[2] - side[2] * f[1], side[2] * f[0] - side[0] * f[2],
                          side[0] * f[1] - side[1] * f[0]};
    double m[4][4] = {};  // row-major camera matrix
    for (int c = 0; c < 3; ++c) {
        m[0][c] = side[c];
        m[1][c] = up[c];
        m[2][c] = -f[c];
    }
    for (int r = 0; r < 3; ++r) m[r][3] = -(m[r][0] * v.eye[0] + m[r][1] * v.eye[1] + m[r][2] * v.eye[2]);
    m[3][3] = 1;

    const double cot = 1 / std::tan(kFieldOfView * M_PI / 360);
    double pr[4][4] = {};
    pr[0][0] = cot / s.ratio;
    pr[1][1] = cot;
    pr[2][2] = -(kFarPlane + kNearPlane) / (kFarPlane - kNearPlane);
    pr[2][3] = -2 * kFarPlane * kNearPlane / (kFarPlane - kNearPlane);
    pr[3][2] = -1;

    double clip[4][4] = {};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) clip[r][c] += pr[r][k] * m[k][c];

    Planes out{};
    for (int a = 0; a < 3; ++a)
        for (int c = 0; c < 4; ++c) {
            out.p[2 * a][c] = clip[3][c] + clip[a][c];
            out.p[2 * a + 1][c] = clip[3][c] - clip[a][c];
        }
    return out;
}

bool outside(const Planes& planes, const Box& b) {
    for (const auto& p : planes.p) {
        bool all_out = true;
        for (int corner = 0; corner < 8 && all_out; ++corner) {
            const double x = (corner & 1 ? b.max : b.min)[0];
            const double y = (corner & 2 ? b.max : b.min)[1];
            const double z = (corner & 4 ? b.max : b.min)[2];
            if (p[0] * x + p[1] * y + p[2] * z + p[3] >= 0) all_out = false;
        }
        if (all_out) return true;
    }
    return false;
}

// Whether nothing of the box would pass the depth test now: its faces are
// drawn, unseen and leaving the depth buffer alone, and the samples that pass
// are counted. Every face of the box lies in front of what it holds, so an
// object with one visible fragment has a visible box.
bool hidden(const Box& b, const State& s) {
    const View v = camera_view(s);
    // From inside the box (the near plane within reach) its faces are no longer in front.
    constexpr float kReach = 2;
    bool inside = true;
    for (int a = 0; a < 3; ++a) inside = inside && v.eye[a] > b.min[a] - kReach && v.eye[a] < b.max[a] + kReach;
    if (inside) return false;

    static const GLuint query = [] {
        GLuint q = 0;
        glGenQueries(1, &q);
        return q;
    }();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glBeginQuery(GL_SAMPLES_PASSED, query);
    glBegin(GL_QUADS);
    for (int axis = 0; axis < 3; ++axis)
        for (const float* side : {b.min, b.max}) {
            const int u = (axis + 1) % 3, w = (axis + 2) % 3;
            const float corners[4][2] = {{b.min[u], b.min[w]}, {b.max[u], b.min[w]}, {b.max[u], b.max[w]}, {b.min[u], b.max[w]}};
            for (const auto& c : corners) {
                float p[3];
                p[axis] = side[axis];
                p[u] = c[0];
                p[w] = c[1];
                glVertex3fv(p);
            }
        }
    glEnd();
    glEndQuery(GL_SAMPLES_PASSED);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    GLuint samples = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &samples);
    return samples == 0;
}

// Occlusion queries came with OpenGL 1.5; an older driver draws everything.
bool queries_supported() {
    static const bool supported = [] {
        const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        int major = 0, minor = 0;
        return version && std::sscanf(version, "%d.%d", &major, &minor) == 2 && (major > 1 || minor >= 5);
    }();
    return supported;
}

// The big objects drawn after the front line of walls, which it often hides.
bool worth_asking(Kind k) { return (k == kCastelo || k == kMuro2) && queries_supported(); }

// --- display lists --------------------------------------------------------------

struct Compiled {
    GLuint list = 0;
    Texel leaves;
};

Compiled compile(const std::function<void(Pen&)>& draw) {
    Compiled c;
    c.list = glGenLists(1);
    glNewList(c.list, GL_COMPILE);
    Pen pen(Pen::kFast);
    draw(pen);
    glEndList();
    c.leaves = pen.texel();
    return c;
}

struct Lists {
    std::vector<Compiled> pieces[kKinds];
    Compiled chunks[kGroundPieces];
    Compiled sky;
};

Lists& lists() {
    static Lists* made = [] {
        auto* l = new Lists;
        for (int k = 0; k < kKinds; ++k)
            for (const Piece& piece : kPieces[k]) l->pieces[k].push_back(piece.fixed ? compile(piece.fixed) : Compiled{});
        for (int i = 0; i < kGroundPieces; ++i)
            l->chunks[i] = compile([=](Pen& pen) { chao_chunk(pen, i / kChunks, i % kChunks); });
        l->sky = compile(ceu);
        return l;
    }();
    return *made;
}

void draw_plain(Pen& pen, const State& s) {
    pen.push();
    chao(pen);
    pen.pop();
    for (const Placement& p : kPlacements) draw_placement(pen, p, s);
}

void draw_fast(Pen& pen, const State& s) {
    const Lists& l = lists();
    const Planes planes = view_planes(s);
    // What the objects left out would have left bound and sent last.
    Texel missed;
    for (int i = 0; i < placed_count(); ++i) {
        const Footprint& f = kFootprints[std::size_t(i)];
        const Placement* p = i < kGroundPieces ? nullptr : &kPlacements[std::size_t(i - kGroundPieces)];
        if (outside(planes, f.box) || (p && worth_asking(p->kind) && hidden(f.box, s))) {
            if (f.leaves.slot >= 0) missed = f.leaves;
            continue;
        }
        // Its first solid shows what the object before it left, which was not drawn.
        if (f.shows_earlier) pen.restore(missed);
        missed = Texel{};
        if (!p) {
            pen.call(l.chunks[i].list, l.chunks[i].leaves);
            continue;
        }
        push_placement(pen, *p);
        const std::vector<Piece>& pieces = kPieces[p->kind];
        const std::vector<Compiled>& compiled = l.pieces[p->kind];
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            if (pieces[k].fixed) pen.call(compiled[k].list, compiled[k].leaves);
            if (pieces[k].moving) pieces[k].moving(pen, s);
        }
        pen.pop();
    }
}

}  // namespace

void compile_scene() { lists(); }

void load_projection(const State& s) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, s.width, s.height);
    gluPerspective(kFieldOfView, s.ratio, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    load_camera(s);
}

void load_camera(const State& s) {
    const View v = camera_view(s);
    glLoadIdentity();
    gluLookAt(v.eye[0], v.eye[1], v.eye[2], v.centre[0], v.centre[1], v.centre[2], 0, 1, 0);
}

void draw_objects(const State& s, Path path) {
    const bool fast = path == Path::fast;
    Pen pen(fast ? Pen::kFast : Pen::kPlain);
    if (fast)
        draw_fast(pen, s);
    else
        draw_plain(pen, s);

    pen.push();
    pen.translate(kSkyAt[0], kSkyAt[1], kSkyAt[2]);
    pen.rotate(s.mov_ceu, 0, 0, 1);
    if (fast)
        pen.call(lists().sky.list, lists().sky.leaves);
    else
        ceu(pen);
    pen.pop();
}

void draw_frame(const State& s, Path path) {
    load_camera(s);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    light(s);
    draw_objects(s, path);
}

int placed_count() { return int(kFootprints.size()); }

Placed placed(int index) {
    const Box& box = kFootprints.at(std::size_t(index)).box;
    if (index < kGroundPieces) return {"chao", box};
    return {kNames[kPlacements.at(std::size_t(index - kGroundPieces)).kind], box};
}

void draw_placed(int index, const State& s) {
    Pen pen(Pen::kPlain);
    if (index < kGroundPieces)
        chao_chunk(pen, index / kChunks, index % kChunks);
    else
        draw_placement(pen, kPlacements.at(std::size_t(index - kGroundPieces)), s);
}

}  // namespace castle_world

#include "layout.h"

#include <GL/gl.h>

#include <cstddef>
#include <initializer_list>

#include "openings.h"
#include "structure.h"
#include "textures.h"
#include "walls.h"

namespace building_tour {

namespace {

// ---------------------------------------------------------------------------
// Placement tables. A row is one call for every combination of its y, z and x
// values (y outermost, then z, then x, each in the listed order), in the
// primitive's own argument order. Where same-texture quads overlap, the one
// drawn first wins the depth test, so the order of rows and values is kept.

constexpr int kMaxValues = 18;

// A short list of coordinates, kept in the order written.
struct Values {
    float v[kMaxValues] = {};
    int n = 0;

    constexpr Values() = default;
    constexpr Values(std::initializer_list<float> values) {
        for (float f : values) v[n++] = f;
    }
    constexpr const float* begin() const { return v; }
    constexpr const float* end() const { return v + n; }
    constexpr bool contains(float f) const {
        for (int i = 0; i < n; ++i)
            if (v[i] == f) return true;
        return false;
    }
};

// first, first + step, ... up to last.
constexpr Values steps(float first, float last, float step) {
    Values out;
    for (float f = first; f <= last; f += step) out.v[out.n++] = f;
    return out;
}

constexpr Values without(const Values& from, std::initializer_list<float> dropped) {
    Values out;
    for (float f : from) {
        bool keep = true;
        for (float d : dropped) keep = keep && f != d;
        if (keep) out.v[out.n++] = f;
    }
    return out;
}

// The extra-length argument of the walls that have one.
struct Extra {
    bool extension_rule = false;
    float length = 0;
};
constexpr Extra kExtensionRule{true, 0};
constexpr Extra extra(float length) { return {false, length}; }

using Draw3 = void (*)(float x, float y, float z);
using Draw4 = void (*)(float x, float extra, float y, float z);
using Group = void (*)();

// A primitive of either signature, or a group of calls under its own transform.
struct Primitive {
    Draw3 three = nullptr;
    Draw4 four = nullptr;
    Group group = nullptr;
    constexpr Primitive(Draw3 f) : three(f) {}
    constexpr Primitive(Draw4 f) : four(f) {}
    constexpr Primitive(Group f) : group(f) {}
};

// Windows and turned groups bind their own textures.
constexpr int kOwnTexture = -1;

struct Row {
    Primitive draw;
    // Slot bound before the row; walls that bind their own get the same slot twice.
    int texture = kOwnTexture;
    Values y, z, x;
    Extra extra;

    constexpr Row(Primitive draw, int texture, Values y, Values z, Values x, Extra extra = {})
        : draw(draw), texture(texture), y(y), z(z), x(x), extra(extra) {}
    constexpr Row(Group group) : draw(group) {}
};

// ---------------------------------------------------------------------------
// Wing grid (wing frame).

constexpr Values kColumnLines = {-95, -72, -49, -26, -3, 20, 43, 66};
constexpr Values kInnerColumnLines = without(kColumnLines, {-95, 66});
constexpr Values kBayColumnLines = without(kColumnLines, {66});  // west column of each bay

constexpr Values kS = {-92, -69, -46, -23, 0, 23, 46};
constexpr Values kP = {-92, -82, -69, -59, -46, -36, -23, -13, 0, 10, 23, 33, 46, 56};
constexpr Values kPPrime = without(kP, {-36, -23});  // the doorway panels left out
constexpr Values kW = {-92, -74, -69, -51, -46, -28, -23, -5, 0, 18, 23, 41, 46, 64};
constexpr Values kWPrime = without(kW, {-46, -28, -23, -5});  // no high windows in bays 3 and 4
constexpr Values kWindowStarts = {-90, -67, -44, -21, 2, 25, 48};  // S + 2
constexpr Values kCorridorWindowStarts = {-90, -67, 2, 25, 48};

// Inner faces run on behind the columns between bays 1-2, 2-3, 4-5, 5-6 and 6-7.
constexpr float kExtensionLength = 3;
constexpr Values kExtended = {-82, -59, -13, 10, 33, -74, -51, -5, 18, 41};

constexpr bool grid_consistent() {
    for (int i = 0; i < kS.n; ++i) {
        const float s = kS.v[i];
        if (kP.v[2 * i] != s || kP.v[2 * i + 1] != s + 10) return false;
        if (kW.v[2 * i] != s || kW.v[2 * i + 1] != s + 18) return false;
        if (kWindowStarts.v[i] != s + 2) return false;
        if (kColumnLines.v[i] != s - 3) return false;
    }
    return true;
}
static_assert(grid_consistent(), "panel, piece and window starts follow the bay starts");
static_assert(kWPrime.n == 10 && kInnerColumnLines.n == 6 && kBayColumnLines.n == 7);

float extra_at(const Extra& e, float x) {
    if (!e.extension_rule) return e.length;
    return kExtended.contains(x) ? kExtensionLength : 0;
}

void draw_row(const Row& row) {
    if (row.draw.group) {
        row.draw.group();
        return;
    }
    if (row.texture != kOwnTexture) bind_slot(row.texture);
    for (float y : row.y)
        for (float z : row.z)
            for (float x : row.x) {
                if (row.draw.four)
                    row.draw.four(x, extra_at(row.extra, x), y, z);
                else
                    row.draw.three(x, y, z);
            }
}

template <std::size_t N>
void draw_rows(const Row (&rows)[N]) {
    for (const Row& row : rows) draw_row(row);
}

// ---------------------------------------------------------------------------
// Floors and ceilings of a wing: 18 tiles of 9 a row.

constexpr Values kWingTileX = steps(-95, -95 + 9 * 17, 9);
static_assert(kWingTileX.n == 18);

constexpr Row kWingFloors[] = {
    {draw_chao, slot::cimento2, {24.01f, 0.01f},
     {-1, -11, -21, -31, -63, -73, -83, -93, -42, -52}, kWingTileX},
    {draw_chao, slot::branco, {24}, {-1, -11, -21, -31, -42, -52, -63, -73, -83, -93}, kWingTileX},
    {draw_chao, slot::branco, {48.01f}, {-1, -11, -21, -31, -41, -51, -61, -71, -81, -91, -94}, kWingTileX},
};

// ---------------------------------------------------------------------------
// Columns and beams of a wing. Beams bind their own slot.

constexpr float kBeamBase = 0;
constexpr float kBeamTop = 48;

struct CornerColumn {
    float x, z, z_left, z_right;
};

// One range of rooms: a corner column with its storey beams at each end of
// the facade side, a bare corner column at each end of the other side, and
// the column pairs in between.
struct RoomRangeBeams {
    float z;
    CornerColumn west, west_bare, east, east_bare;
};

constexpr RoomRangeBeams kFrontRangeBeams{
    0, {-95, 0, -1, 0}, {-95, -42, -41, -42}, {66, 0, 0, -1}, {66, -42, -42, -41}};
constexpr RoomRangeBeams kBackRangeBeams{
    -62, {-95, -62, -63, -62}, {-95, -104, -103, -103}, {66, -62, -62, -63}, {66, -104, -103, -103}};

struct FacadeBeams {
    float z;
    int dir;  // side of z the beams stand on
};
constexpr FacadeBeams kFacadeBeams[] = {{0, 1}, {-104, -1}};
constexpr Values kFacadeBeamHeights = {20, 44};

void draw_corner(void (*draw)(float, float, float, float, float, float), const CornerColumn& c) {
    draw(c.x, kBeamBase, kBeamTop, c.z, c.z_left, c.z_right);
}

void draw_range_beams(const RoomRangeBeams& range) {
    draw_corner(draw_viga_quina, range.west);
    draw_corner(draw_viga_quina_S, range.west_bare);
    for (float x : kInnerColumnLines) draw_viga(x, kBeamBase, kBeamTop, range.z);
    draw_corner(draw_viga_quina, range.east);
    draw_corner(draw_viga_quina_S, range.east_bare);
}

// ---------------------------------------------------------------------------
// Walls of a wing.

constexpr Row kWingWalls[] = {
    /*  1 */ {draw_muro_N, slot::muro1, {0, 24}, {0, -104}, kP},
    /*  2 */ {draw_muro_interno, slot::branco, {0, 24}, {-102}, kP, kExtensionRule},
    /*  3 */ {draw_muro_janela_interna, slot::branco, {10, 34}, {-102}, kW, kExtensionRule},
    /*  4 */ {draw_muro_janela_interna, slot::branco, {34}, {-63}, without(kW, {-28, -23}), kExtensionRule},
    /*  5 */ {draw_muro_N, slot::muro1, {0}, {-42, -62}, kPPrime},
    /*  6 */ {draw_muro_interno, slot::branco, {0, 24}, {0}, kP, kExtensionRule},
    /*  7 */ {draw_muro_interno, slot::branco, {0, 24}, {-40, -62}, kPPrime, kExtensionRule},
    /*  8 */ {draw_muro_corredor, slot::branco, {10, 34}, {-63}, kPPrime, kExtensionRule},
    /*  9 */ {draw_muro_janela_interna_lado, slot::branco, {10, 34}, {-63}, kWPrime, kExtensionRule},
    /* 10 */ {draw_muro_corredor_porta, slot::branco, {17, 41}, {-63}, {-46, -23}, extra(10)},
    /* 11 */ {draw_muro_corredor_porta, slot::muro_superior_porta, {17, 41}, {-62}, {-13, -23, -36, -46}, extra(0)},
    /* 12 */ {draw_muro_corredor, slot::muro2, {10}, {-42, -62}, kPPrime, extra(0)},
    /* 13 */ {draw_muro_corredor, slot::muro2, {34}, {-62}, kPPrime, extra(0)},
    /* 14 */ {draw_muro_N, slot::muro1, {24}, {-62, -42}, kPPrime},
    /* 15 */ {draw_muro_janela_interna_lado, slot::muro_tira_lado, {34, 10}, {-62}, kWPrime, kExtensionRule},
    /* 16 */ {draw_muro_corredor_porta, slot::muro_superior_porta, {17, 41}, {-42}, {-13, -23, -36, -46}, extra(0)},
    /* 17 */ {draw_muro_corredor_porta, slot::branco, {17, 41}, {-41}, {-46, -23}, extra(14)},
    /* 18 */ {draw_muro_corredor, slot::branco, {10, 34}, {-41}, kPPrime, kExtensionRule},
    /* 19 */ {draw_muro_janela_interna, slot::branco, {10, 34}, {0}, kW, kExtensionRule},
    /* 20 */ {draw_muro_L, slot::muro1, {0, 10, 24, 34}, {-1, -11, -21, -31, -63, -73, -83, -93}, {69, -95}},
    /* 21 */ {draw_muro_L, slot::branco, {0, 10, 24, 34}, {-1, -11, -21, -31, -63, -73, -83, -93}, {66, -26, -23, -92}},
    /* 22 */ {draw_muro_janela_interna_lado, slot::muro_tira_lado, {10, 34}, {-42}, kWPrime, kExtensionRule},
    /* 23 */ {draw_muro_janela_interna_lado, slot::branco, {10, 34}, {-41}, kWPrime, kExtensionRule},
    /* 24 */ {draw_muro_janela_N, slot::muro_tira, {10, 34}, {-104, 0}, kW},
    /* 25 */ {draw_muro_corredor, slot::muro2, {34}, {-42}, kPPrime, kExtensionRule},
};

// ---------------------------------------------------------------------------
// Storey bands of a wing, at the bay starts. The program binds the two
// textures alternately, in pairs of rows.

constexpr Row kWingBands[] = {
    {draw_faixa_horizontal, slot::cimento, {20}, {0, -42}, kS},
    {draw_faixa_horizontal, slot::branco, {20}, {-1, -41}, kS},
    {draw_faixa_horizontal, slot::cimento, {44}, {0, -42}, kS},
    {draw_faixa_horizontal, slot::branco, {44}, {-41}, kS},
    {draw_faixa_horizontal, slot::cimento, {20}, {-62, -104}, kS},
    {draw_faixa_horizontal, slot::branco, {20}, {-63, -103}, kS},
    {draw_faixa_horizontal, slot::branco, {44}, {-1}, kS},
    {draw_faixa_horizontal, slot::cimento, {44}, {-62, -104}, kS},
    {draw_faixa_horizontal, slot::branco, {44}, {-63, -103}, kS},
};

// ---------------------------------------------------------------------------
// Windows of a wing.

constexpr Row kWingWindows[] = {
    {draw_window_N, kOwnTexture, {10, 34}, {0}, kWindowStarts},
    {draw_window_corredor, kOwnTexture, {10, 34}, {-41}, kCorridorWindowStarts},
    {draw_window_N, kOwnTexture, {10, 34}, {-103}, kWindowStarts},
    {draw_window_corredor, kOwnTexture, {10, 34}, {-62}, kCorridorWindowStarts},
};

// ---------------------------------------------------------------------------
// Gates, in the first wing's frame.

struct Gate {
    float x, z;
    int dir;
};
// In the gaps between the wings and the pavilion, front and back.
constexpr Gate kFacadeGates[] = {{69, 0, -1}, {69, -94, 1}, {149, 0, -1}, {149, -94, 1}};
// Across the corridors, turned to run along -z and narrowed to the corridor.
constexpr Gate kCorridorGates[] = {{-70.5f, -44, -1}, {310, -34, 1}};
constexpr float kGateBase = 0;
constexpr float kCorridorGateTurn = 90;
constexpr float kCorridorGateNarrowing = 0.8f;

// ---------------------------------------------------------------------------
// The central pavilion (site frame).

constexpr Values kPavilionX = steps(-50, 40, 10);
constexpr Values kAnnexX = steps(-30, 20, 10);
constexpr Values kBesideStairwellX = {-50, -40, -30, 20, 30, 40};

constexpr Row kPavilionFloors[] = {
    {draw_chao_meio, slot::cimento2, {24.01f}, {-1, -11, -21, -71, -81, 10, -91, -94}, kPavilionX},
    {draw_chao_meio, slot::cimento2, {0.01f}, {-1, -11, -21, -71, -81, -84}, kPavilionX},
    {draw_chao_meio, slot::cimento2, {0.01f, 24.01f}, {-31, -41, -51, -61}, kBesideStairwellX},
    {draw_chao_meio, slot::cimento2, {24.01f}, {20, -101, -104}, kAnnexX},
    {draw_chao_meio, slot::cimento2, {0.01f}, {-94, -104, -101}, kAnnexX},
    {draw_chao_meio, slot::cimento2, {0.01f}, {-40, -50}, {-60, -50}},
    {draw_chao_meio, slot::branco, {24}, {-1, -11, -21, -71, -81, -91, -94}, kPavilionX},
    {draw_chao_meio, slot::branco, {0}, {-31, -41, -51, -61}, {-50, -40, -30}},
    {draw_chao_meio, slot::branco, {24}, {-31, -41, -51, -61}, kBesideStairwellX},
    {draw_chao_meio, slot::branco, {24, 48}, {20, -104}, kAnnexX},
    {draw_chao_meio, slot::branco, {24}, {10}, kPavilionX},
    {draw_chao_meio, slot::branco, {48}, {10, -91, -94}, kPavilionX},
    {draw_chao_meio, slot::branco, {48}, {1, -9, -19, -29, -39, -49, -59, -69, -79, -89}, steps(-60, 40, 10)},
};

// The annex side walls are drawn as front walls turned a quarter about y.
struct Turn {
    float dx, dy, dz;
};
constexpr float kAnnexTurn = 90;
constexpr Turn kFrontAnnexTurn{-49, 0, -12};
constexpr Turn kRearAnnexTurn{-10, 10, -126};

constexpr Row kFrontAnnexWindows[] = {
    {draw_window_N, kOwnTexture, {10}, {20, 79}, {-30}},
    {draw_muro_janela_N, slot::grafiato, {10}, {19, 79}, {-32, -14}},
    {draw_muro_janela_N, slot::branco, {10}, {20, 78}, {-32, -14}},
};

constexpr Row kFrontAnnexBands[] = {
    {draw_faixa_horizontal, slot::grafiato, {20}, {19, 79}, {-32}},
    {draw_faixa_horizontal, slot::branco, {20}, {20, 78}, {-32}},
};

constexpr Row kRearAnnexWindows[] = {
    {draw_window_corredor, kOwnTexture, {0}, {40, -19}, {-30}},
    {draw_muro_corredor, slot::grafiato, {0}, {40, -20}, {-32, -22}, extra(0)},
    {draw_muro_corredor, slot::branco, {0}, {39, -19}, {-32, -22}, extra(0)},
    {draw_muro_janela_interna_lado, slot::grafiato, {0}, {40, -20}, {-32, -14}, extra(0)},
    {draw_muro_janela_interna_lado, slot::branco, {0}, {39, -19}, {-32, -14}, extra(0)},
    {draw_faixa_horizontal, slot::grafiato, {10}, {40, -20}, {-32}},
    {draw_faixa_horizontal, slot::branco, {10}, {39, -19}, {-32}},
};

template <std::size_t N>
void draw_turned(const Turn& turn, const Row (&rows)[N]) {
    glPushMatrix();
    glTranslatef(turn.dx, turn.dy, turn.dz);
    glRotatef(kAnnexTurn, 0, 1, 0);
    draw_rows(rows);
    glPopMatrix();
}

void front_annex_side_windows() { draw_turned(kFrontAnnexTurn, kFrontAnnexWindows); }
void front_annex_side_bands() { draw_turned(kFrontAnnexTurn, kFrontAnnexBands); }
void rear_annex_side_windows() { draw_turned(kRearAnnexTurn, kRearAnnexWindows); }

constexpr Row kPavilionWalls[] = {
    /*  1 */ {draw_parede_meio, slot::grafiato, {0, 10, 24, 34}, {20, -114}, kAnnexX},
    /*  2 */ {draw_muro_L, slot::grafiato, {24, 34}, {20, -104}, {-30, 30}},
    /*  3 */ {draw_parede_meio, slot::muro1, {0, 10}, {-1}, steps(-20, 20, 10)},
    /*  4 */ {draw_parede_meio, slot::muro1, {24, 34}, {-1}, {-30, -20, 10, 20, -50, -40, 30, 40}},
    /*  5 */ {draw_parede_meio, slot::muro1, {24}, {10, -104, -103}, {-50, -40, 30, 40}},
    /*  6 */ {draw_muro_L, slot::muro1, {24, 34}, {10}, {-50}},
    /*  7 */ {draw_muro_janela_N, slot::muro_tira, {34}, {10, -104}, {-50, -32, 48, 30}},
    /*  8 */ {draw_parede_meio, slot::branco, {0, 10, 24, 34}, {19, -113}, kAnnexX},
    /*  9 */ {draw_parede_meio, slot::branco, {0, 10}, {0}, steps(-20, 20, 10)},
    /* 10 */ {draw_parede_meio, slot::branco, {24, 34}, {0}, {-30, -20, 10, 20, -50, -40, 30, 40}},
    /* 11 */ {draw_window_N, kOwnTexture, {34}, {11, -103}, {-48, 32}},
    /* 12 */ {draw_muro_L, slot::branco, {24, 34}, {20}, {-29, 29}},
    /* 13 */ {draw_muro_corredor_porta, slot::muro_superior_porta, {17}, {-1}, {-30}, extra(0)},
    /* 14 */ {draw_muro_corredor_porta, slot::muro_superior_porta, {41}, {-1}, {-10, 0}, extra(0)},
    /* 15 */ {draw_muro_corredor_porta, slot::branco, {17}, {0}, {-30}, extra(0)},
    /* 16 */ {draw_muro_corredor_porta, slot::branco, {41}, {0}, {-10, 0}, extra(0)},
    /* 17 */ {draw_muro_L, slot::grafiato, {0}, {20, 10, -104, -94}, {-30, 30}},
    /* 18 */ {front_annex_side_windows},
    /* 19 */ {draw_muro_L, slot::branco, {0}, {20, 10}, {-29, 29}},
    /* 20 */ {draw_faixa_horizontal, slot::grafiato, {44, 20}, {20, -114}, {-30, -10, 10}},
    /* 21 */ {front_annex_side_bands},
    /* 22 */ {draw_faixa_horizontal, slot::branco, {44}, {19, -113, -95}, {-30, -10, 10}},
    /* 23 */ {draw_faixa_horizontal, slot::branco, {20}, {19, -1, -113, -95}, {-30, -10, 10}},
    /* 24 */ {draw_faixa_horizontal, slot::branco, {44}, {0}, {-30, -10, 10, -50, 30}},
    /* 25 */ {draw_faixa_horizontal, slot::cimento, {44}, {-1}, {-50, -30, -10, 10, 30}},
    /* 26 */ {draw_faixa_horizontal, slot::cimento, {20}, {-1, 0}, {-50, 30}},
    /* 27 */ {draw_faixa_horizontal, slot::cimento, {44}, {10, -104, -103}, {-50, 30}},
    /* 28 */ {draw_parede_meio, slot::muro1, {0, 10, 24, 34}, {-94}, {-20, -10, 0, 10}},
    /* 29 */ {draw_muro_L, slot::muro1, {24, 34}, {-94}, {-30, 30, 50}},
    /* 30 */ {draw_parede_meio, slot::branco, {0, 10, 24, 34}, {-95}, {-20, -10, 0, 10}},
    /* 31 */ {draw_muro_L, slot::branco, {24, 34}, {-104, -94}, {-29, 29, -1}},
    /* 32 */ {draw_muro_L, slot::branco, {0}, {-104, -94}, {-29, 29, 0}},
    /* 33 */ {rear_annex_side_windows},
    /* 34 */ {draw_muro_corredor_porta, slot::muro_superior_porta, {41, 17}, {-94}, {-30, 20}, extra(0)},
    /* 35 */ {draw_muro_corredor_porta, slot::branco, {41, 17}, {-95}, {-30, 20}, extra(0)},
    /* 36 */ {draw_faixa_horizontal, slot::cimento, {44}, {-94}, {-30, -10, 10}},
    /* 37 */ {draw_faixa_horizontal, slot::cimento, {20}, {-94}, {-50, 30, -30, -10, 10}},
    /* 38 */ {draw_muro_L, slot::branco, {10}, {-94, -104}, {0}},
    // The upper corridors of the wings closed at their outer ends.
    /* 39 */ {draw_muro_L, slot::muro1, {24, 34}, {-30, -40}, {213.5f}},
    /* 40 */ {draw_muro_L, slot::muro1, {24, 34}, {-40, -50}, {-213.5f}},
};

}  // namespace

void chama_desenha_chao() { draw_rows(kWingFloors); }

void draw_todas_vigas() {
    draw_range_beams(kFrontRangeBeams);
    for (float x : kColumnLines) draw_viga_corredor(x, kBeamBase, kBeamTop, 0);
    draw_range_beams(kBackRangeBeams);
    for (const FacadeBeams& side : kFacadeBeams)
        for (float y : kFacadeBeamHeights)
            for (float x : kBayColumnLines) draw_viga_horizontal(x, y, side.z, side.dir);
}

void draw_todos_muros() { draw_rows(kWingWalls); }

void draw_faixas() { draw_rows(kWingBands); }

void draw_janelas() { draw_rows(kWingWindows); }

void draw_todas_portas() {
    for (const Gate& g : kFacadeGates) draw_door_master(g.x, kGateBase, g.z, g.dir);
    for (const Gate& g : kCorridorGates) {
        glPushMatrix();
        glTranslatef(g.x, kGateBase, g.z);
        glRotatef(kCorridorGateTurn, 0, 1, 0);
        glScalef(kCorridorGateNarrowing, 1, 1);
        draw_door_master(0, 0, 0, g.dir);
        glPopMatrix();
    }
}

void draw_centro() {
    draw_rows(kPavilionFloors);
    draw_rows(kPavilionWalls);
}

}  // namespace building_tour

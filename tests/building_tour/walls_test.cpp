#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "gl_recorder.h"
#include "primitive_checks.h"
#include "state.h"
#include "textures.h"
#include "walls.h"

namespace {

using namespace building_tour;

using glrec::Vec3;
constexpr TexList kUpright = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

glrec::Quad only_quad() {
    const auto quads = glrec::recorder().quads();
    EXPECT_EQ(quads.size(), 1u);
    return quads.at(0);
}

class Walls : public PrimitiveTest {
protected:
    void redraw(const std::function<void()>& draw) {
        glrec::recorder().clear_recording();
        draw();
    }
};

TEST_F(Walls, CorridorWallStretchesOneImageOverItsExtraLength) {
    redraw([] { draw_muro_corredor(0, 0, 0, 0); });
    expect_quad(only_quad(), {{{0, 7, 0}, {10, 7, 0}, {10, 0, 0}, {0, 0, 0}}}, kUpright);
    redraw([] { draw_muro_corredor(0, 5, 0, 0); });
    expect_quad(only_quad(), {{{0, 7, 0}, {15, 7, 0}, {15, 0, 0}, {0, 0, 0}}}, kUpright);
    redraw([] { draw_muro_corredor_porta(3, -10, 1, 2); });  // shortened to nothing
    expect_quad(only_quad(), {{{3, 4, 2}, {3, 4, 2}, {3, 1, 2}, {3, 1, 2}}}, kUpright);
}

TEST_F(Walls, InnerWallsStandOneUnitBehindTheirPlaneInWhite) {
    redraw([] { draw_muro_interno(0, 0, 0, 0); });
    expect_quad(only_quad(), {{{0, 10, -1}, {10, 10, -1}, {10, 0, -1}, {0, 0, -1}}}, kUpright);
    EXPECT_EQ(only_quad().texture(), TextureArray[slot::branco]);
    redraw([] { draw_muro_janela_interna(4, 1, 2, 6); });
    expect_quad(only_quad(), {{{4, 12, 5}, {7, 12, 5}, {7, 2, 5}, {4, 2, 5}}}, kUpright);
    EXPECT_EQ(only_quad().texture(), TextureArray[slot::branco]);
}

TEST_F(Walls, SideWallAndFloorTileMappings) {
    redraw([] { draw_muro_L(5, 1, 2); });
    expect_quad(only_quad(), {{{5, 1, 2}, {5, 1, -8}, {5, 11, -8}, {5, 11, 2}}}, {{{1, 1}, {0, 1}, {0, 0}, {1, 0}}});
    redraw([] { draw_chao(1, 24, 0); });
    expect_quad(only_quad(), {{{1, 24, 0}, {1, 24, -10}, {10, 24, -10}, {10, 24, 0}}}, kUpright);
}

// The facade panel binds its own image; the others draw with the caller's.
TEST_F(Walls, OnlyTheirOwnSlotOrTheCallersTexture) {
    bind_slot(slot::vidro);
    redraw([] { draw_muro_N(0, 0, 0); });
    EXPECT_EQ(only_quad().texture(), TextureArray[slot::muro1]);

    const std::function<void()> unbound[] = {
        [] { draw_parede_meio(0, 0, 0); },      [] { draw_muro_corredor(0, 0, 0, 0); },
        [] { draw_muro_janela_N(0, 0, 0); },    [] { draw_muro_janela_interna_lado(0, 0, 0, 0); },
        [] { draw_faixa_horizontal(0, 0, 0); }, [] { draw_chao_meio(0, 0, 0); },
    };
    for (const auto& draw : unbound) {
        bind_slot(slot::vidro);
        redraw(draw);
        EXPECT_EQ(only_quad().texture(), TextureArray[slot::vidro]);
        EXPECT_EQ(glrec::recorder().count("glBindTexture"), 0u);
    }
}

// One group of four textured vertices; normals, colours, materials and
// matrices are left to the caller.
TEST_F(Walls, EveryPrimitiveSendsOnlyOneTexturedQuad) {
    const std::function<void()> all[] = {
        [] { draw_muro_N(1, 2, 3); },          [] { draw_parede_meio(1, 2, 3); },
        [] { draw_muro_corredor(1, 2, 3, 4); }, [] { draw_muro_corredor_porta(1, 2, 3, 4); },
        [] { draw_muro_interno(1, 2, 3, 4); }, [] { draw_muro_janela_N(1, 2, 3); },
        [] { draw_muro_janela_interna(1, 2, 3, 4); }, [] { draw_muro_janela_interna_lado(1, 2, 3, 4); },
        [] { draw_muro_L(1, 2, 3); },          [] { draw_faixa_horizontal(1, 2, 3); },
        [] { draw_chao(1, 2, 3); },            [] { draw_chao_meio(1, 2, 3); },
    };
    for (const auto& draw : all) {
        redraw(draw);
        const auto& calls = glrec::recorder().calls();
        const std::size_t i = !calls.empty() && calls[0].name == "glBindTexture" ? 1 : 0;
        ASSERT_EQ(calls.size(), i + 10);
        EXPECT_EQ(calls[i].name, "glBegin");
        EXPECT_EQ(calls[i].args.at(0), GL_QUADS);
        for (int v = 0; v < 4; ++v) {
            EXPECT_EQ(calls[i + 1 + 2 * v].name, "glTexCoord2f");
            EXPECT_EQ(calls[i + 2 + 2 * v].name, "glVertex3f");
        }
        EXPECT_EQ(calls.back().name, "glEnd");
    }
}

}  // namespace

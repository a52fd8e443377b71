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
constexpr TexList kStraightTex = {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
constexpr int kCallers = -1;  // draws with the texture the caller bound

struct Case {
    const char* name;
    std::function<void()> draw;
    int slot;
    std::array<Vec3, 4> corners;
    TexList tex;
};

// Each primitive at x 1, extra 4, y 2, z 3: its one quad, corner by corner in
// drawing order, with its texture coordinates and the texture it shows.
TEST(Walls, EachPrimitiveDrawsItsOneQuadWithItsMapping) {
    const Case cases[] = {
        {"muro_N", [] { draw_muro_N(1, 2, 3); }, slot::muro1, {{{1, 12, 3}, {11, 12, 3}, {11, 2, 3}, {1, 2, 3}}},
         kStraightTex},
        {"parede_meio", [] { draw_parede_meio(1, 2, 3); }, kCallers,
         {{{1, 12, 3}, {11, 12, 3}, {11, 2, 3}, {1, 2, 3}}}, kStraightTex},
        {"muro_corredor", [] { draw_muro_corredor(1, 4, 2, 3); }, kCallers,
         {{{1, 9, 3}, {15, 9, 3}, {15, 2, 3}, {1, 2, 3}}}, kStraightTex},
        {"muro_corredor_porta", [] { draw_muro_corredor_porta(1, 4, 2, 3); }, kCallers,
         {{{1, 5, 3}, {15, 5, 3}, {15, 2, 3}, {1, 2, 3}}}, kStraightTex},
        {"muro_interno", [] { draw_muro_interno(1, 4, 2, 3); }, slot::branco,
         {{{1, 12, 2}, {15, 12, 2}, {15, 2, 2}, {1, 2, 2}}}, kStraightTex},
        {"muro_janela_N", [] { draw_muro_janela_N(1, 2, 3); }, kCallers,
         {{{1, 12, 3}, {3, 12, 3}, {3, 2, 3}, {1, 2, 3}}}, kStraightTex},
        {"muro_janela_interna", [] { draw_muro_janela_interna(1, 4, 2, 3); }, slot::branco,
         {{{1, 12, 2}, {7, 12, 2}, {7, 2, 2}, {1, 2, 2}}}, kStraightTex},
        {"muro_janela_interna_lado", [] { draw_muro_janela_interna_lado(1, 4, 2, 3); }, kCallers,
         {{{1, 12, 3}, {7, 12, 3}, {7, 9, 3}, {1, 9, 3}}}, kStraightTex},
        {"muro_L", [] { draw_muro_L(1, 2, 3); }, kCallers, {{{1, 2, 3}, {1, 2, -7}, {1, 12, -7}, {1, 12, 3}}},
         {{{1, 1}, {0, 1}, {0, 0}, {1, 0}}}},
        {"faixa_horizontal", [] { draw_faixa_horizontal(1, 2, 3); }, kCallers,
         {{{1, 2, 3}, {1, 6, 3}, {21, 6, 3}, {21, 2, 3}}}, kStraightTex},
        {"chao", [] { draw_chao(1, 2, 3); }, kCallers, {{{1, 2, 3}, {1, 2, -7}, {10, 2, -7}, {10, 2, 3}}},
         kStraightTex},
        {"chao_meio", [] { draw_chao_meio(1, 2, 3); }, kCallers, {{{1, 2, 3}, {1, 2, -7}, {11, 2, -7}, {11, 2, 3}}},
         kStraightTex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        glrec::recorder().reset();
        reset_state();
        glGenTextures(slot::count, TextureArray);
        bind_slot(slot::vidro);
        glrec::recorder().clear_recording();
        c.draw();

        const auto quads = glrec::recorder().quads();
        ASSERT_EQ(quads.size(), 1u);
        expect_quad(quads[0], c.corners, c.tex);
        EXPECT_EQ(quads[0].texture(), TextureArray[c.slot == kCallers ? slot::vidro : c.slot]);
        // Its bind, if any, then begin, four texture coordinates and corners, end: normals,
        // colours, materials and matrices are the caller's.
        EXPECT_EQ(glrec::recorder().calls().size(), (c.slot == kCallers ? 0u : 1u) + 10);
    }
}

}  // namespace

#pragma once
// What the primitive tests share: a fresh recorder with the texture table
// filled, and a check of one quad's corners and texture coordinates.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gl_recorder.h"
#include "state.h"
#include "textures.h"

using TexList = std::array<std::array<float, 2>, 4>;

inline void expect_quad(const glrec::Quad& q, const std::array<glrec::Vec3, 4>& corners, const TexList& tex) {
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("corner " + std::to_string(i));
        EXPECT_TRUE(glrec::near(q.corners[i].scene, corners[i]))
            << q.corners[i].scene.x << ", " << q.corners[i].scene.y << ", " << q.corners[i].scene.z;
        EXPECT_EQ(q.corners[i].s, tex[i][0]);
        EXPECT_EQ(q.corners[i].t, tex[i][1]);
    }
}

class PrimitiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::recorder().reset();
        building_tour::reset_state();
        glGenTextures(building_tour::slot::count, building_tour::TextureArray);
        glrec::recorder().clear_recording();
    }
};

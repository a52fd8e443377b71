// The recording stand-in itself, for the forms no program draws with: each
// hands on what it was given, whatever the type it came in.
#include "gl_recorder.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

void pointer_moved(int, int) {}

TEST(GlRecorder, EveryVertexFormTakesItsPointAndTheCurrentColourAndTexCoord) {
    auto& rec = glrec::recorder();
    rec.reset();
    const GLdouble far_corner[3] = {3, 4, 5};
    const GLfloat st[2] = {1, 0.5f};
    glBegin(GL_QUADS);
    glColor4ub(255, 0, 51, 102);
    glTexCoord2d(0.25, 0.75);
    glVertex2i(1, 2);
    glColor3ub(0, 255, 0);  // alpha back to 1
    glVertex3dv(far_corner);
    glTexCoord2fv(st);
    glVertex2d(-1, 6);
    glVertex3i(0, -2, 7);
    glEnd();

    const auto quads = rec.quads();
    ASSERT_EQ(quads.size(), 1u);
    const auto& c = quads[0].corners;
    EXPECT_TRUE(glrec::near(c[0].scene, {1, 2, 0}));
    EXPECT_TRUE(glrec::near(c[1].scene, {3, 4, 5}));
    EXPECT_TRUE(glrec::near(c[2].scene, {-1, 6, 0}));
    EXPECT_EQ(c[0].color, (glrec::Vec4{1, 0, 0.2f, 0.4f}));
    EXPECT_EQ(c[1].color, (glrec::Vec4{0, 1, 0, 1}));
    EXPECT_EQ(c[1].s, 0.25f);
    EXPECT_EQ(c[1].t, 0.75f);
    EXPECT_EQ(c[3].s, 1);
    EXPECT_EQ(c[3].t, 0.5f);
    EXPECT_TRUE(glrec::near(quads[0].min(), {-1, -2, 0}));
    EXPECT_TRUE(glrec::near(quads[0].max(), {3, 6, 7}));
}

TEST(GlRecorder, MatrixTextureQuadricAndCallbackFormsKeepWhatTheyWereGiven) {
    auto& rec = glrec::recorder();
    rec.reset();
    const GLdouble shift[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 3, 4, 1};
    const GLfloat stretch[16] = {2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(shift);
    glMultMatrixf(stretch);
    EXPECT_TRUE(glrec::near(rec.modelview().apply({1, 1, 1}), {4, 4, 5}));

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    EXPECT_EQ(rec.textures().at(name).parameters.at(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(rec.texture_env_mode(), GL_REPLACE);

    GLUquadric* q = gluNewQuadric();
    gluQuadricDrawStyle(q, GLU_LINE);
    gluQuadricTexture(q, GL_TRUE);
    gluSphere(q, 1, 8, 8);
    ASSERT_EQ(rec.solids().size(), 1u);
    EXPECT_EQ(rec.solids()[0].draw_style, GLenum(GLU_LINE));
    EXPECT_TRUE(rec.solids()[0].tex_coords);

    glutPassiveMotionFunc(pointer_moved);
    EXPECT_EQ(rec.callbacks().passive_motion, &pointer_moved);
    EXPECT_EQ(rec.callbacks().motion, nullptr);
}

}  // namespace

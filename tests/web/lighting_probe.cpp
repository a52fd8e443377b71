// Draws one small flat quad per tile, each lit under one known set of
// lighting state, and prints where each tile is with the colour OpenGL's
// lighting equation gives for it, worked out by hand. The browser test
// (browser_test.mjs) reads the canvas and compares.
//
// Every quad lies in the plane z = 0 of eye space, facing +z, and is only
// 0.002 wide there: a positional light sees all four corners at the same
// distance, so the colour lit at the corners is the colour of every pixel.
// The viewer is at infinity (OpenGL's default), so the eye vector is +z.
#include <GL/glut.h>

#include <cstdio>
#include <initializer_list>

namespace {

constexpr int kTile = 64;
constexpr int kColumns = 3;
constexpr float kHalf = 0.001f;  // the quad's half width in eye space
constexpr float kCos60 = 0.5f, kSin60 = 0.8660254f;

struct Case {
    const char* name;
    void (*setup)();
    bool back_face;  // drawn clockwise, so the viewer sees its back
    float expected[3];
};

void light(GLenum l, GLenum pname, float a, float b, float c, float d) {
    const float v[4] = {a, b, c, d};
    glLightfv(l, pname, v);
}
void material(GLenum face, GLenum pname, float r, float g, float b) {
    const float v[4] = {r, g, b, 1};
    glMaterialfv(face, pname, v);
}
void model_ambient(float r, float g, float b) {
    const float v[4] = {r, g, b, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, v);
}

// Every tile starts from nothing lit: each case says all it relies on.
void reset() {
    glDisable(GL_COLOR_MATERIAL);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    model_ambient(0, 0, 0);
    for (GLenum face : {GL_FRONT, GL_BACK})
        for (GLenum pname : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION}) material(face, pname, 0, 0, 0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    for (GLenum l : {GL_LIGHT0, GL_LIGHT1}) {
        glDisable(l);
        for (GLenum pname : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR}) light(l, pname, 0, 0, 0, 1);
        light(l, GL_POSITION, 0, 0, 1, 0);
        glLightf(l, GL_CONSTANT_ATTENUATION, 1);
        glLightf(l, GL_LINEAR_ATTENUATION, 0);
        glLightf(l, GL_QUADRATIC_ATTENUATION, 0);
    }
}

const Case kCases[] = {
    // A directional light 60 degrees off the normal: N.L = cos 60 = 0.5.
    // ambient  ma * la     = (0.5 0.5 0.5) * (0.2 0.4 0.6)          = (0.1 0.2 0.3)
    // diffuse  0.5 md * ld = 0.5 * (0.6 0.8 1.0) * (1.0 0.5 0.25)   = (0.3 0.2 0.125)
    {"directional ambient and diffuse",
     [] {
         light(GL_LIGHT0, GL_POSITION, kSin60, 0, kCos60, 0);
         light(GL_LIGHT0, GL_AMBIENT, 0.2f, 0.4f, 0.6f, 1);
         light(GL_LIGHT0, GL_DIFFUSE, 1.0f, 0.5f, 0.25f, 1);
         glEnable(GL_LIGHT0);
         material(GL_FRONT, GL_AMBIENT, 0.5f, 0.5f, 0.5f);
         material(GL_FRONT, GL_DIFFUSE, 0.6f, 0.8f, 1.0f);
     },
     false,
     {0.4f, 0.4f, 0.425f}},
    // A positional light 2 units straight above: d = 2, N.L = 1.
    // attenuation 1 / (1 + 0.5 * 2 + 0.25 * 2^2) = 1/3, on ambient and diffuse alike
    // (ma la + md ld) / 3 = ((0.3 0.3 0.3) + (0.9 0.6 0.3)) / 3 = (0.4 0.3 0.2)
    {"positional light with attenuation",
     [] {
         light(GL_LIGHT1, GL_POSITION, 0, 0, 2, 1);
         light(GL_LIGHT1, GL_AMBIENT, 0.3f, 0.3f, 0.3f, 1);
         light(GL_LIGHT1, GL_DIFFUSE, 1, 1, 1, 1);
         glLightf(GL_LIGHT1, GL_CONSTANT_ATTENUATION, 1);
         glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, 0.5f);
         glLightf(GL_LIGHT1, GL_QUADRATIC_ATTENUATION, 0.25f);
         glEnable(GL_LIGHT1);
         material(GL_FRONT, GL_AMBIENT, 1, 1, 1);
         material(GL_FRONT, GL_DIFFUSE, 0.9f, 0.6f, 0.3f);
     },
     false,
     {0.4f, 0.3f, 0.2f}},
    // No light on: emission + ma * global ambient
    // = (0.1 0.2 0.3) + (0.5 0.25 1.0) * (0.4 0.4 0.2) = (0.3 0.3 0.5)
    {"emission and global ambient",
     [] {
         model_ambient(0.4f, 0.4f, 0.2f);
         material(GL_FRONT, GL_EMISSION, 0.1f, 0.2f, 0.3f);
         material(GL_FRONT, GL_AMBIENT, 0.5f, 0.25f, 1.0f);
     },
     false,
     {0.3f, 0.3f, 0.5f}},
    // The current colour c = (0.8 0.4 0.2) stands for both ambient and
    // diffuse, replacing the material's (0 0 0) and (1 1 1). Light along the normal:
    // c * global ambient + 1 * c * ld = c * (0.25 + 0.5) = (0.6 0.3 0.15)
    {"colour material, ambient and diffuse",
     [] {
         model_ambient(0.25f, 0.25f, 0.25f);
         light(GL_LIGHT0, GL_DIFFUSE, 0.5f, 0.5f, 0.5f, 1);
         glEnable(GL_LIGHT0);
         material(GL_FRONT, GL_DIFFUSE, 1, 1, 1);
         glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
         glEnable(GL_COLOR_MATERIAL);
         glColor3f(0.8f, 0.4f, 0.2f);
     },
     false,
     {0.6f, 0.3f, 0.15f}},
    // Light 60 degrees off the normal, viewer along it: the half-vector lies
    // 30 degrees off the normal, N.H = cos 30, and (N.H)^4 = (3/4)^2 = 0.5625.
    // diffuse  0.5 * (1 1 1) * (0.2 0.2 0.2)   = (0.1 0.1 0.1)
    // specular 0.5625 * (0.8 0.4 1.0) * (1 1 1) = (0.45 0.225 0.5625)
    {"specular highlight",
     [] {
         light(GL_LIGHT0, GL_POSITION, kSin60, 0, kCos60, 0);
         light(GL_LIGHT0, GL_DIFFUSE, 0.2f, 0.2f, 0.2f, 1);
         light(GL_LIGHT0, GL_SPECULAR, 1, 1, 1, 1);
         glEnable(GL_LIGHT0);
         material(GL_FRONT, GL_DIFFUSE, 1, 1, 1);
         material(GL_FRONT, GL_SPECULAR, 0.8f, 0.4f, 1.0f);
         glMaterialf(GL_FRONT, GL_SHININESS, 4);
     },
     false,
     {0.55f, 0.325f, 0.6625f}},
    // The viewer sees the back, whose normal (0 0 -1) points away; two-sided
    // lighting lights it with the back material and the reversed normal:
    // -N.L = cos 60 = 0.5, so 0.5 * (0.2 0.6 1.0) = (0.1 0.3 0.5).
    // Lit one-sided it would be black (N.L < 0, the front material has no ambient).
    {"two-sided, back face",
     [] {
         glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
         light(GL_LIGHT0, GL_POSITION, kSin60, 0, kCos60, 0);
         light(GL_LIGHT0, GL_DIFFUSE, 1, 1, 1, 1);
         glEnable(GL_LIGHT0);
         material(GL_FRONT, GL_DIFFUSE, 1, 0, 0);
         material(GL_BACK, GL_DIFFUSE, 0.2f, 0.6f, 1.0f);
     },
     true,
     {0.1f, 0.3f, 0.5f}},
};
constexpr int kCount = sizeof kCases / sizeof kCases[0];
constexpr int kRows = (kCount + kColumns - 1) / kColumns;

void display() {
    static bool reported = false;
    glViewport(0, 0, kColumns * kTile, kRows * kTile);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    for (int i = 0; i < kCount; ++i) {
        const Case& c = kCases[i];
        const int x = (i % kColumns) * kTile, y = (i / kColumns) * kTile;
        glViewport(x, y, kTile, kTile);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kHalf, kHalf, -kHalf, kHalf, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();  // lights are placed in eye space
        reset();
        c.setup();
        glBegin(GL_QUADS);
        glNormal3f(0, 0, c.back_face ? -1.f : 1.f);
        const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (int k = 0; k < 4; ++k) {
            const float* p = corners[c.back_face ? 3 - k : k];
            glVertex3f(p[0] * kHalf, p[1] * kHalf, 0);
        }
        glEnd();
        if (!reported)
            // The tile's centre counted from the top-left corner, as a screenshot counts.
            std::printf("tile %d %d %.4f %.4f %.4f %s\n", x + kTile / 2, (kRows * kTile) - (y + kTile / 2),
                        c.expected[0], c.expected[1], c.expected[2], c.name);
    }
    glFlush();
    if (!reported) std::printf("drawn\n");
    std::fflush(stdout);
    reported = true;
}

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_SINGLE | GLUT_RGB);
    glutInitWindowSize(kColumns * kTile, kRows * kTile);
    glutCreateWindow("lighting probe");
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}

#include "shell.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <cstdlib>

#include "frame_clock.h"
#include "layout.h"
#include "state.h"
#include "structure.h"
#include "textures.h"
#include "tour.h"

namespace building_tour {

namespace {

constexpr float kFieldOfView = 100;
constexpr double kNearPlane = 0.1;
constexpr float kFarPlane = 300;

constexpr float kGroundHalf = 120;
constexpr float kGroundDrop = -0.02f;
constexpr float kSceneScale = 0.5f;
constexpr double kMarkerSide = 3;

constexpr float kMoveStep = 1;
constexpr float kTurnStep = 0.05f;
constexpr int kRotationStep = 5;
constexpr float kDoorStep = 1;

constexpr unsigned char kEsc = 27;
constexpr int kAxisY = 2;

// The ground quad, corners in drawing order, with the texture coordinates of the second pass.
constexpr float kGround[4][3] = {
    {kGroundHalf, 0, -kGroundHalf}, {-kGroundHalf, 0, -kGroundHalf},
    {-kGroundHalf, 0, kGroundHalf}, {kGroundHalf, 0, kGroundHalf}};
constexpr float kGroundTexCoords[4][2] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};

void draw_ground(bool textured) {
    glPushMatrix();
    glTranslatef(0, kGroundDrop, 0);
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    for (int i = 0; i < 4; ++i) {
        if (textured) glTexCoord2f(kGroundTexCoords[i][0], kGroundTexCoords[i][1]);
        glVertex3f(kGround[i][0], kGround[i][1], kGround[i][2]);
    }
    glEnd();
    glPopMatrix();
}

// Site frame: the pavilion and its stairs; both wings are placed from here too.
constexpr float kSiteOffset[3] = {0, 0, 57};
constexpr float kStairAt[3] = {0, 0, -31};
// The wings stand a hair above the ground so their floors never fight it.
constexpr float kFirstWingAt[3] = {-119, 0.01f, 0};
constexpr float kSecondWingAt[3] = {145, 0.01f, 10};

// One wing; only the first has gates: they fill the gaps on both sides of the pavilion.
void draw_wing(const float (&at)[3], bool with_gates) {
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    if (with_gates) draw_todas_portas();
    draw_todas_vigas();
    draw_todos_muros();
    draw_janelas();
    draw_faixas();
    chama_desenha_chao();
    glPopMatrix();
}

}  // namespace

void InitGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);

    load_textures();
}

void reshape(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, static_cast<double>(width) / height, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
}

void render_scene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, 0, 1, 0);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);

    // First pass with whatever texture is current; the textured second pass
    // at the same depth loses the depth test wherever the first one drew.
    draw_ground(false);
    set_building_material();
    bind_slot(slot::image);
    draw_ground(true);

    glPushMatrix();
    glScalef(kSceneScale, kSceneScale, kSceneScale);
    glRotatef(rodarx, 1, 0, 0);
    glRotatef(rodary, 0, 1, 0);
    glRotatef(rodarz, 0, 0, 1);

    glPushMatrix();
    glTranslatef(x_dir, y_dir, z_dir);
    bind_slot(slot::branco);
    glutSolidCube(kMarkerSide);
    glPopMatrix();

    glTranslatef(kSiteOffset[0], kSiteOffset[1], kSiteOffset[2]);
    draw_centro();
    draw_escada(kStairAt[0], kStairAt[1], kStairAt[2]);
    draw_wing(kFirstWingAt, true);
    draw_wing(kSecondWingAt, false);

    glPopMatrix();
    glutSwapBuffers();
    glutPostRedisplay();
}

void keyboard(unsigned char key, int, int) {
    switch (key) {
        case kEsc: std::exit(0);
        case '8': move_camera(0, 0, -kMoveStep); break;
        case '2': move_camera(0, 0, kMoveStep); break;
        case '4': move_camera(-kMoveStep, 0, 0); break;
        case '6': move_camera(kMoveStep, 0, 0); break;
        case '5': move_camera(0, kMoveStep, 0); break;
        case '0': move_camera(0, -kMoveStep, 0); break;
        case '7': rotaciona(x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, kTurnStep, kAxisY); break;
        case '9': rotaciona(x_pos, y_pos, z_pos, x_dir, y_dir, z_dir, -kTurnStep, kAxisY); break;
        case '1': rotaciona(x_dir, y_dir, z_dir, x_pos, y_pos, z_pos, kTurnStep, kAxisY); break;
        case '3': rotaciona(x_dir, y_dir, z_dir, x_pos, y_pos, z_pos, -kTurnStep, kAxisY); break;
        case 'd': angle_door += kDoorStep; break;
        case 'D': angle_door -= kDoorStep; break;
        case 'X': turn_scene(rodarx, kRotationStep); break;
        case 'x': turn_scene(rodarx, -kRotationStep); break;
        case 'Y': turn_scene(rodary, kRotationStep); break;
        case 'y': turn_scene(rodary, -kRotationStep); break;
        case 'Z': turn_scene(rodarz, kRotationStep); break;
        case 'z': turn_scene(rodarz, -kRotationStep); break;
        case 'R':
        case 'r':
            reset_camera();
            cont = 0;
            return;
        case 'A':
        case 'a':
            test = !test;
            return;
        default: return;
    }
    glutPostRedisplay();
}

void display() {
    // The clock is the frame's one timer: it paces frames to 60 a second and
    // says how many 1/60 s steps of the tour are due before this picture.
    static FrameClock clock;
    advance_tour(clock.begin_frame());
    render_scene();
    clock.end_frame();
}

}  // namespace building_tour

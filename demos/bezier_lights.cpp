#include "bezier_lights.h"

#include <GL/glut.h>

#include <cstdlib>

const GLfloat ctrlpoints[4][4][3] = {
    {{-1.5f, -1.5f, 4}, {-0.5f, -1.5f, 2}, {0.5f, -1.5f, -1}, {1.5f, -1.5f, 2}},
    {{-1.5f, -0.5f, 1}, {-0.5f, -0.5f, 3}, {0.5f, -0.5f, 0}, {1.5f, -0.5f, -1}},
    {{-1.5f, 0.5f, 4}, {-0.5f, 0.5f, 0}, {0.5f, 0.5f, 3}, {1.5f, 0.5f, 4}},
    {{-1.5f, 1.5f, -2}, {-0.5f, 1.5f, -2}, {0.5f, 1.5f, 0}, {1.5f, 1.5f, -1}},
};

namespace {

constexpr int kOrder = 4;
constexpr int kUStride = 3;               // next point along u: one (x, y, z)
constexpr int kVStride = kOrder * kUStride;  // next row along v: four points
constexpr unsigned char kEsc = 27;

}  // namespace

void init() {
    glClearColor(0, 0.4f, 0.4f, 1);
    glEnable(GL_DEPTH_TEST);
    glMap2f(GL_MAP2_VERTEX_3, 0, 1, kUStride, kOrder, 0, 1, kVStride, kOrder, &ctrlpoints[0][0][0]);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_AUTO_NORMAL);
    glMapGrid2f(kGridSteps, 0, 1, kGridSteps, 0, 1);
    initlights();
}

void initlights() {
    // Given under an identity model-view: the light sits 2 units in front of the eye.
    const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1};
    const GLfloat position[] = {0, 0, 2, 1};
    const GLfloat mat_diffuse[] = {0.6f, 0.6f, 0.6f, 1};
    const GLfloat mat_specular[] = {1, 1, 1, 1};
    const GLfloat mat_shininess[] = {50};

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, mat_diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, mat_specular);
    glMaterialfv(GL_FRONT, GL_SHININESS, mat_shininess);
}

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glRotatef(kRotation, 1, 1, 1);
    glEvalMesh2(GL_FILL, 0, kGridSteps, 0, kGridSteps);
    glPopMatrix();
    glFlush();
}

void reshape(int w, int h) {
    glViewport(0, 0, w, h);
    // A minimised or collapsed window reports 0: keep the ratios finite.
    const double width = w > 0 ? w : 1;
    const double height = h > 0 ? h : 1;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (width <= height) {
        glOrtho(-kHalfView, kHalfView, -kHalfView * height / width, kHalfView * height / width, -kHalfView,
                kHalfView);
    } else {
        glOrtho(-kHalfView * width / height, kHalfView * width / height, -kHalfView, kHalfView, -kHalfView,
                kHalfView);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void keyboard(unsigned char key, int, int) {
    if (key == kEsc) std::exit(0);
}

#include "state.h"

#include <cmath>

namespace building_tour {

namespace {

constexpr float kStartEye[3] = {0, 25, 80};
constexpr float kStartTarget[3] = {0, 0, 0};

}  // namespace

float x_pos = kStartEye[0], y_pos = kStartEye[1], z_pos = kStartEye[2];
float x_dir = kStartTarget[0], y_dir = kStartTarget[1], z_dir = kStartTarget[2];
float angle_door = 0;
int rodarx = 0, rodary = 0, rodarz = 0;
bool test = false;
double cont = 0;

GLfloat lightPosition[4] = {0, 80, -50, 1};
GLfloat lightAmbient[4] = {0.5f, 0.5f, 0.5f, 1};
GLfloat lightDiffuse[4] = {10, 10, 10, 1};
GLfloat lightSpecular[4] = {10, 10, 10, 1};
GLfloat floorColor[4] = {1, 1, 0, 0};

void reset_camera() {
    x_pos = kStartEye[0];
    y_pos = kStartEye[1];
    z_pos = kStartEye[2];
    x_dir = kStartTarget[0];
    y_dir = kStartTarget[1];
    z_dir = kStartTarget[2];
}

void reset_state() {
    reset_camera();
    angle_door = 0;
    rodarx = rodary = rodarz = 0;
    test = false;
    cont = 0;
}

void move_camera(float dx, float dy, float dz) {
    x_pos += dx;
    y_pos += dy;
    z_pos += dz;
    x_dir += dx;
    y_dir += dy;
    z_dir += dz;
}

void turn_scene(int& degrees, int step) { degrees = (degrees + step) % 360; }

void rotaciona(float& cx, float& cy, float& cz, float& px, float& py, float& pz, float angle, int axis) {
    const double c = std::cos(static_cast<double>(angle));
    const double s = std::sin(static_cast<double>(angle));
    switch (axis) {
        case 1: {
            const double dy = double{py} - cy, dz = double{pz} - cz;
            py = static_cast<float>(cy + (c * dy - s * dz));
            pz = static_cast<float>(cz + (s * dy + c * dz));
            break;
        }
        case 2: {
            const double dx = double{px} - cx, dz = double{pz} - cz;
            px = static_cast<float>(cx + (c * dx + s * dz));
            pz = static_cast<float>(cz + (-s * dx + c * dz));
            break;
        }
        case 3: {
            const double dx = double{px} - cx, dy = double{py} - cy;
            px = static_cast<float>(cx + (c * dx - s * dy));
            py = static_cast<float>(cy + (s * dx + c * dy));
            break;
        }
        default: break;
    }
}

void set_building_material() {
    glMaterialfv(GL_FRONT, GL_SPECULAR, floorColor);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, lightDiffuse);
    // No shininess is sent. The design's 180 lies outside the 0..128 that
    // OpenGL accepts, so it would only raise GL_INVALID_VALUE every frame and
    // leave the default 0 in force; the surfaces show that 0 either way.
}

}  // namespace building_tour

#include "snowfall.h"

#include <GL/glut.h>

#include "state.h"

namespace snow_room {

namespace {
constexpr double kFlakeRadius = 0.09;
constexpr int kFlakeSlices = 10;
constexpr int kFlakeStacks = 10;
}  // namespace

void DesenhaNeve() {
    for (int i = 0; i < kFlakes; ++i) {
        glPushMatrix();
        glTranslatef(Posx[i], Posy[i], 0);
        glutSolidSphere(kFlakeRadius, kFlakeSlices, kFlakeStacks);
        glPopMatrix();
    }
}

}  // namespace snow_room

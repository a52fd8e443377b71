#include "shapes.h"

#include <GL/glut.h>

namespace snow_room {

void caixa(Vec3 c, Vec3 size) {
    glPushMatrix();
    glTranslatef(c.x, c.y, c.z);
    glScalef(size.x, size.y, size.z);
    glutSolidCube(1);
    glPopMatrix();
}

void esfera(Vec3 c, double r, int slices, int stacks) {
    glPushMatrix();
    glTranslatef(c.x, c.y, c.z);
    glutSolidSphere(r, slices, stacks);
    glPopMatrix();
}

}  // namespace snow_room

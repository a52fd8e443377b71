#pragma once
// The GLU subset this project's programs call, for the browser build.

#include <GL/gl.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GLU_INVALID_ENUM 100900
#define GLU_INVALID_VALUE 100901
#define GLU_OUT_OF_MEMORY 100902

#define GLU_SMOOTH 100000
#define GLU_FLAT 100001
#define GLU_NONE 100002

typedef struct GLUquadric GLUquadric;
typedef GLUquadric GLUquadricObj;

GLUquadric* gluNewQuadric(void);
void gluDeleteQuadric(GLUquadric* quad);
void gluQuadricTexture(GLUquadric* quad, GLboolean texture);
void gluQuadricNormals(GLUquadric* quad, GLenum normal);
void gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks);
void gluCylinder(GLUquadric* quad, GLdouble base, GLdouble top, GLdouble height, GLint slices, GLint stacks);

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
               GLdouble upX, GLdouble upY, GLdouble upZ);
void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top);
GLint gluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLenum format,
                        GLenum type, const void* data);
const GLubyte* gluErrorString(GLenum error);

#ifdef __cplusplus
}
#endif

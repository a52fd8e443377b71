#pragma once
// GLEW's entry points for the browser build. There is no extension loading
// to do over WebGL: the answers describe the context the page really has.

#include <GL/gl.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GLEW_OK 0
#define GLEW_VERSION 1

GLenum glewInit(void);
GLboolean glewIsSupported(const char* name);
const GLubyte* glewGetString(GLenum name);
const GLubyte* glewGetErrorString(GLenum error);

#ifdef __cplusplus
}
#endif

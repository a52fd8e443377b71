// GLEW's answers in a browser: nothing to load, and the context is WebGL
// 1.0 (OpenGL ES 2.0 with its shading language 1.00), which is not desktop
// OpenGL 2.0. Programs get the fixed-function 1.1 subset of this layer.
#include <GL/glew.h>

#include <cstring>

extern "C" {

GLenum glewInit(void) { return GLEW_OK; }

GLboolean glewIsSupported(const char* name) {
    return name && (!std::strcmp(name, "GL_VERSION_1_1") || !std::strcmp(name, "GL_VERSION_1_0"));
}

const GLubyte* glewGetString(GLenum name) {
    const char* s = name == GLEW_VERSION ? "none (a browser: OpenGL 1.1 subset over WebGL 1.0)" : "";
    return reinterpret_cast<const GLubyte*>(s);
}

const GLubyte* glewGetErrorString(GLenum error) {
    return reinterpret_cast<const GLubyte*>(error == GLEW_OK ? "No error" : "Unknown error");
}

}  // extern "C"

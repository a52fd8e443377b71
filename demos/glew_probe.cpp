// glew_probe: opens a window for an OpenGL context, initialises GLEW in it
// and prints whether the context supports OpenGL 2.0. The exit status is the
// verdict: 0 when it does, 1 when it does not or GLEW fails.
//
// No keys or mouse: the empty window stays open until it is closed.

#include <GL/glew.h>
#include <GL/glut.h>

#include <cstdio>

namespace {

constexpr int kWindowX = 100;
constexpr int kWindowY = 300;
constexpr int kWindowSize = 320;
constexpr const char* kWindowTitle = "Janela da GLUT";

}  // namespace

void renderScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(kWindowX, kWindowY);
    glutInitWindowSize(kWindowSize, kWindowSize);
    glutCreateWindow(kWindowTitle);  // makes the context current, which glewInit needs

    const GLenum err = glewInit();
    if (err != GLEW_OK) {
        std::printf("Error: %s\n", reinterpret_cast<const char*>(glewGetErrorString(err)));
        return 1;
    }
    std::printf("Status: Using GLEW %s\n", reinterpret_cast<const char*>(glewGetString(GLEW_VERSION)));

    if (!glewIsSupported("GL_VERSION_2_0")) {
        std::printf("Nao tem suporte para OpenGL 2.0\n");
        return 1;
    }
    std::printf("Compativel com OpenGL 2.0\n");
    // The main loop never returns: a reader on a pipe must get the verdict now.
    std::fflush(stdout);
    glutDisplayFunc(renderScene);
    glutMainLoop();
    return 0;
}

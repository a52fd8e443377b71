// GLUT over the page: the canvas is the window, the browser's animation
// frames drive the main loop, DOM events become GLUT callbacks.
#include <GL/glut.h>
#include <emscripten.h>
#include <emscripten/html5.h>
#include <webgl/webgl1.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "context.h"
#include "port.h"
#include "shapes.h"
#include "webgl_backend.h"

namespace {

constexpr const char* kCanvas = "#canvas";

struct Timer {
    double due;
    void (*func)(int);
    int value;
};

struct Window {
    int width = 300, height = 300;
    unsigned mode = 0;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE gl = 0;
    std::unique_ptr<ff::WebGLBackend> backend;
    std::unique_ptr<ff::Context> context;
    bool redisplay = true, reshaped = false;
    int mouse_x = 0, mouse_y = 0, buttons_down = 0;
    double start = 0;
    void (*display)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboard_up)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*special_up)(int, int, int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*passive)(int, int) = nullptr;
    void (*idle)() = nullptr;
    std::vector<Timer> timers;
};

Window window;

// The page takes output byte by byte, which is no terminal, so the C library
// would hold whole buffers until exit; lines go out as they end, as in a terminal.
const bool line_buffered = [] { return std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ) == 0; }();

// Keys that produce no keypress event but that GLUT delivers as characters.
int control_char(const char* code) {
    if (!std::strcmp(code, "Escape")) return 27;
    if (!std::strcmp(code, "Backspace")) return 8;
    if (!std::strcmp(code, "Tab")) return 9;
    if (!std::strcmp(code, "Delete")) return 127;
    return 0;
}

int special_key(const char* code) {
    static const std::map<std::string, int> keys = {
        {"F1", GLUT_KEY_F1},     {"F2", GLUT_KEY_F2},          {"F3", GLUT_KEY_F3},         {"F4", GLUT_KEY_F4},
        {"F5", GLUT_KEY_F5},     {"F6", GLUT_KEY_F6},          {"F7", GLUT_KEY_F7},         {"F8", GLUT_KEY_F8},
        {"F9", GLUT_KEY_F9},     {"F10", GLUT_KEY_F10},        {"F11", GLUT_KEY_F11},       {"F12", GLUT_KEY_F12},
        {"ArrowLeft", GLUT_KEY_LEFT}, {"ArrowUp", GLUT_KEY_UP}, {"ArrowRight", GLUT_KEY_RIGHT},
        {"ArrowDown", GLUT_KEY_DOWN}, {"PageUp", GLUT_KEY_PAGE_UP}, {"PageDown", GLUT_KEY_PAGE_DOWN},
        {"Home", GLUT_KEY_HOME}, {"End", GLUT_KEY_END},        {"Insert", GLUT_KEY_INSERT}};
    auto it = keys.find(code);
    return it == keys.end() ? 0 : it->second;
}

EM_BOOL on_key_down(int, const EmscriptenKeyboardEvent* e, void*) {
    if (const int c = control_char(e->key)) {
        if (window.keyboard) window.keyboard(static_cast<unsigned char>(c), window.mouse_x, window.mouse_y);
        return EM_TRUE;
    }
    if (const int k = special_key(e->key)) {
        if (window.special) window.special(k, window.mouse_x, window.mouse_y);
        return EM_TRUE;  // arrows must not scroll the page
    }
    return EM_FALSE;  // printable keys arrive as keypress
}

EM_BOOL on_key_press(int, const EmscriptenKeyboardEvent* e, void*) {
    if (e->ctrlKey || e->metaKey || e->altKey) return EM_FALSE;
    const unsigned code = e->charCode ? e->charCode : e->which;
    if (code == 0 || code > 255) return EM_FALSE;
    if (window.keyboard) window.keyboard(static_cast<unsigned char>(code), window.mouse_x, window.mouse_y);
    return EM_TRUE;
}

EM_BOOL on_key_up(int, const EmscriptenKeyboardEvent* e, void*) {
    if (const int k = special_key(e->key)) {
        if (window.special_up) window.special_up(k, window.mouse_x, window.mouse_y);
        return EM_TRUE;
    }
    int c = control_char(e->key);
    if (!c && std::strlen(e->key) == 1) c = static_cast<unsigned char>(e->key[0]);
    if (c && window.keyboard_up) window.keyboard_up(static_cast<unsigned char>(c), window.mouse_x, window.mouse_y);
    return EM_FALSE;
}

EM_BOOL on_mouse(int type, const EmscriptenMouseEvent* e, void*) {
    window.mouse_x = int(e->targetX);
    window.mouse_y = int(e->targetY);
    if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) {
        if (window.buttons_down && window.motion) window.motion(window.mouse_x, window.mouse_y);
        if (!window.buttons_down && window.passive) window.passive(window.mouse_x, window.mouse_y);
        return EM_FALSE;
    }
    const bool down = type == EMSCRIPTEN_EVENT_MOUSEDOWN;
    const int bit = 1 << e->button;
    window.buttons_down = down ? (window.buttons_down | bit) : (window.buttons_down & ~bit);
    if (window.mouse) window.mouse(e->button, down ? GLUT_DOWN : GLUT_UP, window.mouse_x, window.mouse_y);
    return EM_TRUE;
}

void frame() {
    const double now = emscripten_get_now();
    if (!window.reshaped) {
        // GLUT reshapes before the first picture; without a callback it sets the viewport.
        window.reshaped = true;
        if (window.reshape)
            window.reshape(window.width, window.height);
        else
            glViewport(0, 0, window.width, window.height);
    }
    for (std::size_t i = 0; i < window.timers.size();) {
        if (window.timers[i].due <= now) {
            const Timer t = window.timers[i];
            window.timers.erase(window.timers.begin() + long(i));
            t.func(t.value);
        } else {
            ++i;
        }
    }
    if (window.idle) window.idle();
    if (window.redisplay && window.display) {
        window.redisplay = false;
        window.display();
        window.context->present();
    }
}

void stop_loop() { emscripten_cancel_main_loop(); }

}  // namespace

// Shapes are cached by kind and size: the programs draw the same few many times a frame.
namespace {
struct ShapeKey {
    int kind;
    double a, b;
    int c, d;
    bool operator<(const ShapeKey& o) const {
        return std::tie(kind, a, b, c, d) < std::tie(o.kind, o.a, o.b, o.c, o.d);
    }
};
const ff::Mesh& cached(const ShapeKey& key, ff::Mesh (*make)(const ShapeKey&)) {
    static std::map<ShapeKey, ff::Mesh> cache;
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, make(key)).first;
    return it->second;
}
void draw_cached(const ShapeKey& key, ff::Mesh (*make)(const ShapeKey&)) {
    if (ff::Context* c = web::context()) c->draw_shape(cached(key, make));
}
}  // namespace

namespace web {
ff::Context* context() { return window.context.get(); }
}  // namespace web

extern "C" {

void glutInit(int*, char**) {
    window.start = emscripten_get_now();
    std::atexit(stop_loop);
}
void glutInitDisplayMode(unsigned int mode) { window.mode = mode; }
void glutInitWindowSize(int width, int height) {
    window.width = width;
    window.height = height;
}
void glutInitWindowPosition(int, int) {}  // the page places the canvas

int glutCreateWindow(const char* title) {
    emscripten_set_canvas_element_size(kCanvas, window.width, window.height);
    EmscriptenWebGLContextAttributes attrs;
    emscripten_webgl_init_context_attributes(&attrs);
    attrs.alpha = EM_FALSE;  // a window has no see-through pixels, whatever the clear alpha
    attrs.depth = (window.mode & GLUT_DEPTH) != 0;
    attrs.stencil = EM_FALSE;
    attrs.antialias = EM_FALSE;  // the desktop window is not multisampled either
    attrs.majorVersion = 1;
    // A single-buffered program draws once; its picture must survive the page's compositing.
    attrs.preserveDrawingBuffer = (window.mode & GLUT_DOUBLE) == 0;
    window.gl = emscripten_webgl_create_context(kCanvas, &attrs);
    if (window.gl <= 0) {
        std::fputs("glutCreateWindow: this browser gives no WebGL context\n", stderr);
        std::exit(1);
    }
    emscripten_webgl_make_context_current(window.gl);
    // A frame's batches are drawn from one buffer, past 65,535 vertices.
    if (!emscripten_webgl_enable_extension(window.gl, "OES_element_index_uint")) {
        std::fputs("glutCreateWindow: this browser's WebGL lacks 32-bit indices\n", stderr);
        std::exit(1);
    }
    window.backend = std::make_unique<ff::WebGLBackend>();
    window.context = std::make_unique<ff::Context>(*window.backend);
    glutSetWindowTitle(title);

    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, on_key_down);
    emscripten_set_keypress_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, on_key_press);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, on_key_up);
    emscripten_set_mousedown_callback(kCanvas, nullptr, EM_TRUE, on_mouse);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, on_mouse);
    emscripten_set_mousemove_callback(kCanvas, nullptr, EM_TRUE, on_mouse);
    return 1;
}

void glutSetWindowTitle(const char* title) {
    EM_ASM({ if (Module.setWindowTitle) Module.setWindowTitle(UTF8ToString($0)); }, title);
}

void glutDisplayFunc(void (*func)(void)) { window.display = func; }
void glutReshapeFunc(void (*func)(int, int)) { window.reshape = func; }
void glutKeyboardFunc(void (*func)(unsigned char, int, int)) { window.keyboard = func; }
void glutKeyboardUpFunc(void (*func)(unsigned char, int, int)) { window.keyboard_up = func; }
void glutSpecialFunc(void (*func)(int, int, int)) { window.special = func; }
void glutSpecialUpFunc(void (*func)(int, int, int)) { window.special_up = func; }
void glutMouseFunc(void (*func)(int, int, int, int)) { window.mouse = func; }
void glutMotionFunc(void (*func)(int, int)) { window.motion = func; }
void glutPassiveMotionFunc(void (*func)(int, int)) { window.passive = func; }
void glutIdleFunc(void (*func)(void)) { window.idle = func; }
void glutTimerFunc(unsigned int millis, void (*func)(int), int value) {
    window.timers.push_back({emscripten_get_now() + millis, func, value});
}

void glutMainLoop(void) {
    // Never returns, like GLUT's: the browser calls frame() once per animation frame.
    emscripten_set_main_loop(frame, 0, 1);
}

void glutPostRedisplay(void) { window.redisplay = true; }
void glutSwapBuffers(void) {
    if (window.context) window.context->present();  // the browser shows the canvas when the frame returns
}

int glutGet(GLenum state) {
    switch (state) {
        case GLUT_WINDOW_WIDTH: return window.width;
        case GLUT_WINDOW_HEIGHT: return window.height;
        case GLUT_ELAPSED_TIME: return int(emscripten_get_now() - window.start);
        default: return 0;
    }
}

void glutSolidCube(double size) {
    draw_cached({8, size, 0, 0, 0}, [](const ShapeKey& k) { return ff::solid_cube(float(k.a)); });
}
void glutWireCube(double size) {
    draw_cached({9, size, 0, 0, 0}, [](const ShapeKey& k) { return ff::wire_cube(float(k.a)); });
}
void glutSolidSphere(double r, GLint slices, GLint stacks) {
    draw_cached({0, r, 0, slices, stacks}, [](const ShapeKey& k) { return ff::solid_sphere(float(k.a), k.c, k.d); });
}
void glutWireSphere(double r, GLint slices, GLint stacks) {
    draw_cached({1, r, 0, slices, stacks}, [](const ShapeKey& k) { return ff::wire_sphere(float(k.a), k.c, k.d); });
}
void glutSolidCone(double base, double height, GLint slices, GLint stacks) {
    draw_cached({2, base, height, slices, stacks},
                [](const ShapeKey& k) { return ff::solid_cone(float(k.a), float(k.b), k.c, k.d); });
}
void glutWireCone(double base, double height, GLint slices, GLint stacks) {
    draw_cached({3, base, height, slices, stacks},
                [](const ShapeKey& k) { return ff::wire_cone(float(k.a), float(k.b), k.c, k.d); });
}
void glutSolidTorus(double inner, double outer, GLint sides, GLint rings) {
    draw_cached({4, inner, outer, sides, rings},
                [](const ShapeKey& k) { return ff::solid_torus(float(k.a), float(k.b), k.c, k.d); });
}
void glutWireTorus(double inner, double outer, GLint sides, GLint rings) {
    draw_cached({5, inner, outer, sides, rings},
                [](const ShapeKey& k) { return ff::wire_torus(float(k.a), float(k.b), k.c, k.d); });
}
void glutSolidTeapot(double size) {
    draw_cached({6, size, 0, 0, 0}, [](const ShapeKey& k) { return ff::solid_teapot(float(k.a)); });
}
void glutWireTeapot(double size) {
    draw_cached({7, size, 0, 0, 0}, [](const ShapeKey& k) { return ff::wire_teapot(float(k.a)); });
}

// Unpaced frames for the benchmark: each drawn and waited for, as the desktop
// benchmark does; or, with wait 0, only sent (the time spent here, not in the GPU).
EMSCRIPTEN_KEEPALIVE double web_frame_time(int frames, int wait) {
    if (!window.display || frames < 1) return 0;
    unsigned char pixel[4];
    const double t0 = emscripten_get_now();
    for (int i = 0; i < frames; ++i) {
        window.display();
        window.context->present();
        if (wait) emscripten_glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);  // waits for the GPU
    }
    return (emscripten_get_now() - t0) / frames;
}

// Draws sent so far, for the benchmark's report.
EMSCRIPTEN_KEEPALIVE double web_draw_count() { return window.context ? double(window.context->draws()) : 0; }

}  // extern "C"

// Unpaced frames of each scene in a real OpenGL context, and the start-up
// work before the first frame. Needs an X server (Xvfb with llvmpipe here).
//
//   scene_benchmark [--no-memory-tuning] [benchmark options]
//
// --no-memory-tuning leaves glibc's malloc settings as they are, to measure
// what keep_freed_memory() buys.

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "data_dir.h"
#include "memory_tuning.h"
#include "building_tour/shell.h"
#include "building_tour/textures.h"
#include "gymnast/estado.h"
#include "gymnast/shell.h"
#include "gymnast/texturas.h"
#include "snow_room/shell.h"
#include "castle_world/scene.h"
#include "castle_world/shell.h"
#include "castle_world/textures.h"

namespace {

struct Scene {
    const char* program;  // its folder in the build tree holds its data
    int width, height;
    void (*init)();        // OpenGL state and data, as at start-up
    void (*reshape)(int, int);
    void (*frame)();       // one whole frame, ending in a buffer swap
    void (*load)();        // the start-up loading to time, or null
    void (*unload)();      // undoes load between timings
    const char* view = nullptr;  // which view of the program, when it has several
};

void unload_building_textures() { glDeleteTextures(building_tour::slot::count, building_tour::TextureArray); }
void unload_gymnast_textures() { glDeleteTextures(gymnast::slot::count, gymnast::texture_id); }

// The castle world from its start view, and from inside the walls looking
// at the keep over the village; gates closed, one step a frame.
template <castle_world::Path path = castle_world::Path::fast>
void castle_frame_from(float x, float z) {
    castle_world::state = castle_world::State{};
    castle_world::state.posX = x;
    castle_world::state.posZ = z;
    castle_world::frame(1, path);
}
void castle_start_view() { castle_frame_from(castle_world::kStartX, castle_world::kStartZ); }
void castle_inside_walls() { castle_frame_from(850, 600); }
// The same frames on the plain path: each quad bound and sent, every object drawn.
void castle_start_view_plain() {
    castle_frame_from<castle_world::Path::plain>(castle_world::kStartX, castle_world::kStartZ);
}
void castle_inside_walls_plain() { castle_frame_from<castle_world::Path::plain>(850, 600); }
void unload_castle_textures() { glDeleteTextures(castle_world::slot::count, castle_world::textureArray); }

const Scene kScenes[] = {
    {"building_tour", building_tour::kWindowWidth, building_tour::kWindowHeight, building_tour::InitGL,
     building_tour::reshape, building_tour::render_scene, building_tour::load_textures, unload_building_textures},
    {"gymnast", gymnast::kLarguraJanela, gymnast::kAlturaJanela, gymnast::init, gymnast::reshape, gymnast::display,
     gymnast::carregaTexturas, unload_gymnast_textures},
    {"snow_room", snow_room::kWindowWidth, snow_room::kWindowHeight, snow_room::init, snow_room::myReshape,
     [] { snow_room::quadro(1); }, nullptr, nullptr},
    {"castle_world", castle_world::kWindowWidth, castle_world::kWindowHeight, castle_world::initScene,
     castle_world::changeSize, castle_start_view, nullptr, nullptr, "start_view"},
    {"castle_world", castle_world::kWindowWidth, castle_world::kWindowHeight, castle_world::initScene,
     castle_world::changeSize, castle_start_view_plain, nullptr, nullptr, "start_view_plain"},
    {"castle_world", castle_world::kWindowWidth, castle_world::kWindowHeight, castle_world::initScene,
     castle_world::changeSize, castle_inside_walls_plain, nullptr, nullptr, "inside_walls_plain"},
    // Its start-up timing last: it leaves the textures unloaded.
    {"castle_world", castle_world::kWindowWidth, castle_world::kWindowHeight, castle_world::initScene,
     castle_world::changeSize, castle_inside_walls, castle_world::load_textures, unload_castle_textures,
     "inside_walls"},
};

// One window per program, made on first use; its context stays current while
// its scenes are measured (the views of one program share its textures and lists).
void open_window(const Scene& scene) {
    static std::map<std::string, int> windows;
    auto found = windows.find(scene.program);
    if (found != windows.end()) {
        glutSetWindow(found->second);
        return;
    }
    // One process measures every program: point it at each one's data in turn.
    const std::string folder = std::string(SCENES_BUILD_DIR) + "/" + scene.program;
    setenv(data_dir::variable_name(data_dir::this_program().program).c_str(), folder.c_str(), 1);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(scene.width, scene.height);
    glutInitWindowPosition(0, 0);
    windows[scene.program] = glutCreateWindow(scene.program);
    glutDisplayFunc([] {});
    for (int i = 0; i < 10; ++i) glutMainLoopEvent();  // let the window map
    scene.init();
    scene.reshape(scene.width, scene.height);
}

long minor_page_faults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void BM_Frame(benchmark::State& state, const Scene* scene) {
    open_window(*scene);
    const long faults_before = minor_page_faults();
    for (auto _ : state) {
        scene->frame();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["faults/frame"] = benchmark::Counter(static_cast<double>(minor_page_faults() - faults_before),
                                                        benchmark::Counter::kAvgIterations);
}

void BM_StartUp(benchmark::State& state, const Scene* scene) {
    open_window(*scene);
    for (auto _ : state) {
        scene->load();
        glFinish();
        state.PauseTiming();
        scene->unload();
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    bool tune_memory = true;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-memory-tuning") == 0)
            tune_memory = false;
        else
            args.push_back(argv[i]);
    }
    if (tune_memory) keep_freed_memory();

    int glut_argc = 1;
    glutInit(&glut_argc, argv);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);

    for (const Scene& scene : kScenes) {
        const std::string name = std::string(scene.program) + (scene.view ? std::string("/") + scene.view : "");
        benchmark::RegisterBenchmark((name + "/frame").c_str(), BM_Frame, &scene)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        if (scene.load)
            benchmark::RegisterBenchmark((name + "/start_up").c_str(), BM_StartUp, &scene)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    }

    int bench_argc = static_cast<int>(args.size());
    benchmark::Initialize(&bench_argc, args.data());
    if (benchmark::ReportUnrecognizedArguments(bench_argc, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Start-up, the loader, the frame, the keys with their guards, the arrow
// keys and the menu, all through the recording stand-in.
#include "shell.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bmp_reader.h"
#include "bmp_writer.h"
#include "cena.h"
#include "corpo.h"
#include "estado.h"
#include "texturas.h"
#include "traco.h"

namespace {

namespace fs = std::filesystem;
using namespace gymnast;
using gymnast_test::quadros;

// Started as main starts it, but with frames counted and pauses noted.
void inicia() {
    int argc = 1;
    char nome[] = "gymnast";
    char* argv[] = {nome, nullptr};
    gymnast::inicia(&argc, argv, gymnast_test::ritmo);
}

class GymnastShell : public ::testing::Test {
protected:
    void SetUp() override {
        inicia();
        gymnast_test::zera();
    }
    void TearDown() override { gymnast_test::zera(); }

    void press(unsigned char key, int times = 1) {
        for (int i = 0; i < times; ++i) keyboard(key, 0, 0);
    }
    std::size_t redisplays() const { return glrec::recorder().redisplays(); }
};

// ---------------------------------------------------------------- start-up

TEST_F(GymnastShell, StartUpOpensTheWindowLoadsSixImagesAndWiresInputAndMenu) {
    inicia();
    const auto& rec = glrec::recorder();
    EXPECT_EQ(rec.window().title, "Zezaruz");
    EXPECT_EQ(rec.window().width, 450);
    EXPECT_EQ(rec.window().height, 350);
    EXPECT_EQ(rec.window().x, 10);
    EXPECT_EQ(rec.window().y, 10);
    EXPECT_EQ(rec.window().display_mode, unsigned(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH));
    EXPECT_EQ(rec.window().cursor, GLUT_CURSOR_NONE);

    const auto& cb = rec.callbacks();
    EXPECT_EQ(cb.display, &display);
    EXPECT_EQ(cb.reshape, &reshape);
    EXPECT_EQ(cb.keyboard, &keyboard);
    EXPECT_EQ(cb.special, &keyboardX);
    EXPECT_EQ(cb.idle, nullptr);
    EXPECT_EQ(cb.timer, nullptr);

    ASSERT_EQ(rec.menus().size(), 1u);
    const glrec::Menu& menu = rec.menus().begin()->second;
    EXPECT_EQ(menu.button, GLUT_RIGHT_BUTTON);
    const std::vector<std::pair<std::string, int>> esperado = {{"Animacao", 1}, {"Mortal Tras", 5},
                                                               {"Mortal Frente", 6}, {"Queda", 4},
                                                               {"Original", 7}, {"Sair", 2}};
    ASSERT_EQ(menu.entries.size(), esperado.size());
    for (std::size_t i = 0; i < esperado.size(); ++i) {
        EXPECT_EQ(menu.entries[i].label, esperado[i].first);
        EXPECT_EQ(menu.entries[i].value, esperado[i].second);
    }

    EXPECT_TRUE(rec.enabled(GL_DEPTH_TEST));
    EXPECT_TRUE(rec.enabled(GL_TEXTURE_2D));
    // Six textures in slot order, distinct, each from its file, linear filters.
    const auto builds = rec.calls_named("gluBuild2DMipmaps");
    ASSERT_EQ(builds.size(), 6u);
    for (unsigned int s = 0; s < slot::count; ++s) {
        ASSERT_NE(texture_id[s], 0u);
        for (unsigned int t = 0; t < s; ++t) EXPECT_NE(texture_id[s], texture_id[t]);
        const glrec::Texture& tex = rec.textures().at(texture_id[s]);
        EXPECT_EQ(tex.components, 3);
        EXPECT_EQ(tex.format, GLenum(GL_RGB));
        EXPECT_EQ(tex.parameters.at(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(tex.parameters.at(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        const BmpResult file = bmp_read_file(kArquivosTextura[s]);
        ASSERT_TRUE(file.image) << kArquivosTextura[s];
        EXPECT_EQ(tex.width, file.image->width) << kArquivosTextura[s];
        EXPECT_EQ(tex.height, file.image->height) << kArquivosTextura[s];
    }
}

// ---------------------------------------------------------------- loader

fs::path pastaTemporaria() {
    const fs::path dir = fs::temp_directory_path() / "gymnast_shell_test";
    fs::create_directories(dir);
    return dir;
}

TEST_F(GymnastShell, OddWidthImageUploadsItsRowsAsTheyAreUnderAlignmentOne) {
    // 5 pixels a row: 15 bytes, which the reader pads to 16.
    constexpr int kW = 5, kH = 3;
    std::vector<Rgb> pixels;  // bottom row first
    for (int i = 0; i < kW * kH; ++i) pixels.push_back(Rgb{(unsigned char)(10 * i), (unsigned char)(i + 1), 200});
    const std::string path = (pastaTemporaria() / "impar.bmp").string();
    ASSERT_TRUE(bmp_write_file(path, kW, kH, pixels));

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    CarregaTextura(const_cast<char*>(path.c_str()), slot::solo);
    const glrec::Texture& tex = glrec::recorder().textures().at(texture_id[slot::solo]);
    ASSERT_EQ(tex.width, kW);
    ASSERT_EQ(tex.height, kH);
    std::vector<unsigned char> esperado;
    for (const Rgb& p : pixels) esperado.insert(esperado.end(), {p.r, p.g, p.b});
    EXPECT_EQ(tex.pixels, esperado);
    EXPECT_EQ(glrec::recorder().bound_texture(), texture_id[slot::solo]);
}

TEST_F(GymnastShell, UnreadableImageEndsStartUpWithStatusOneNamingFileAndReason) {
    EXPECT_EXIT(CarregaTextura(const_cast<char*>("images/nao_existe.bmp"), 0), ::testing::ExitedWithCode(1),
                "cannot load texture \"/.+/images/nao_existe.bmp\": no such file");
    const std::string path = (pastaTemporaria() / "estragado.bmp").string();
    std::ofstream(path) << "BM not really";
    EXPECT_EXIT(CarregaTextura(const_cast<char*>(path.c_str()), 0), ::testing::ExitedWithCode(1),
                "cannot load texture \".*estragado.bmp\": ");
    // Readable, but wider than this OpenGL takes: refused rather than shown black.
    GLint lado = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &lado);
    const std::string largo = (pastaTemporaria() / "largo.bmp").string();
    ASSERT_TRUE(bmp_write_file(largo, lado + 1, 1, std::vector<Rgb>(lado + 1)));
    EXPECT_EXIT(CarregaTextura(const_cast<char*>(largo.c_str()), 0), ::testing::ExitedWithCode(1),
                "cannot load texture \".*largo.bmp\": image too large for this OpenGL");
}

// ---------------------------------------------------------------- the frame

TEST_F(GymnastShell, FrameDrawsBoxAroundFigureAndMulaSwapsTheBackWalls) {
    for (unsigned int s = 0; s < slot::count; ++s) texture_id[s] = 101 + s;
    auto& rec = glrec::recorder();
    display();
    EXPECT_EQ(rec.calls().back().name, "glutSwapBuffers");
    const auto quads = rec.quads();
    ASSERT_EQ(quads.size(), 6u);  // ground, back, right, front, left, sky
    const GLuint esperado[] = {103, 101, 101, 102, 102, 104};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(quads[i].texture(), esperado[i]) << i;
    // Camera at rest: the scene stands 4 down and 30 away.
    EXPECT_TRUE(glrec::near(quads[1].corners[0].scene, {-150, -13, -150}));
    EXPECT_TRUE(glrec::near(quads[0].corners[2].scene, {50, -11.8f, 20}));
    EXPECT_TRUE(glrec::near(quads[5].corners[0].scene, {-250, 196, -280}));
    EXPECT_EQ(quads[1].corners[0].s, 110);
    EXPECT_EQ(quads[1].corners[2].t, 111);
    EXPECT_EQ(rec.bound_texture(), 105u);  // nula, for the next frame's figure

    // The next frame's figure is drawn with it.
    rec.clear_recording();
    display();
    for (const auto& s : rec.solids())
        if (s.kind == "glutSolidSphere") {
            EXPECT_EQ(s.texture, 105u);
        }

    mula = 1;
    rec.clear_recording();
    display();
    const auto depois = rec.quads();
    EXPECT_EQ(depois[1].texture(), 106u);
    EXPECT_EQ(depois[2].texture(), 106u);
    EXPECT_EQ(depois[3].texture(), 102u);
}

TEST_F(GymnastShell, FrameLightsTheSceneAndTurnsItZThenYThenXOnlyWhereSwitchedOn) {
    auto& rec = glrec::recorder();
    angX = 10, angY = 20, angZ = 30;
    changeX = changeY = changeZ = 1;
    display();
    EXPECT_TRUE(rec.enabled(GL_LIGHTING));
    EXPECT_TRUE(rec.enabled(GL_LIGHT0));
    EXPECT_TRUE(rec.enabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(rec.light(0).ambient, (glrec::Vec4{0.2f, 0.2f, 0.4f, 1}));
    EXPECT_EQ(rec.light(0).specular, (glrec::Vec4{1, 1, 1, 1}));
    auto rotacoes = [&] {
        std::vector<std::vector<double>> r;
        for (const auto& c : rec.calls_named("glRotatef")) r.push_back(c.args);
        return r;
    };
    auto r = rotacoes();
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0], (std::vector<double>{30, 0, 0, 1}));
    EXPECT_EQ(r[1], (std::vector<double>{20, 0, 1, 0}));
    EXPECT_EQ(r[2], (std::vector<double>{10, 1, 0, 0}));

    changeY = 0;
    zoom = 6;
    rec.clear_recording();
    display();
    r = rotacoes();
    EXPECT_EQ(r[0], (std::vector<double>{30, 0, 0, 1}));
    EXPECT_EQ(r[1], (std::vector<double>{10, 1, 0, 0}));
    const auto t = rec.calls_named("glTranslatef");
    EXPECT_EQ(t[0].args, (std::vector<double>{0, -4, -24}));
}

TEST_F(GymnastShell, ReshapeSetsPerspectiveAndViewAndTakesHeightZeroAsOne) {
    auto& rec = glrec::recorder();
    reshape(450, 350);
    EXPECT_EQ(rec.viewport(), (std::array<int, 4>{0, 0, 450, 350}));
    const glrec::Mat4 p = glrec::Mat4::perspective(70, 450.0 / 350.0, 1, 500);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(rec.projection().m[i], p.m[i], 1e-6);
    const glrec::Mat4 v = glrec::Mat4::look_at({0, 0, 15}, {0, 0, -3}, {0, 2, 0});
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(rec.modelview().m[i], v.m[i], 1e-6);
    EXPECT_EQ(rec.matrix_mode(), GLenum(GL_MODELVIEW));

    reshape(450, 0);
    EXPECT_EQ(rec.viewport(), (std::array<int, 4>{0, 0, 450, 1}));
    for (double x : rec.projection().m) EXPECT_TRUE(std::isfinite(x));
    EXPECT_NEAR(rec.projection().at(1, 1) / rec.projection().at(0, 0), 450.0, 1e-6);
}

// ---------------------------------------------------------------- keys

struct Guarda {
    unsigned char tecla;
    float fim;  // the mirror after many presses from 0
};

TEST_F(GymnastShell, EveryJointKeyStopsWhereItsGuardSays) {
    const Guarda casos[] = {
        {'C', 46},   {'c', -16},   {'R', 400},  {'r', -400}, {'t', 182}, {'T', -2},  {'U', 2},   {'u', -136},
        {'Q', 400},  {'q', -400},  {'w', 182},  {'W', -2},   {'E', 2},   {'e', -136}, {'F', 20}, {'f', -120},
        {'g', 60},   {'G', -6},    {'h', 120},  {'H', 0},    {'A', 20},  {'a', -120}, {'s', 60}, {'S', -6},
        {'d', 120},  {'D', 0},
    };
    for (const Guarda& g : casos) {
        gymnast_test::zera();
        press(g.tecla, 200);
        float soma = 0;
        for (int j = 0; j < kJuntas; ++j) soma += std::fabs(espelho(static_cast<Junta>(j)));
        EXPECT_EQ(soma, std::fabs(g.fim)) << g.tecla;  // exactly one joint moved
        EXPECT_EQ(redisplays(), 200u) << g.tecla;
    }
    // The same limb's keys sit side by side: t moves the right arm's abduction.
    gymnast_test::zera();
    press('t');
    EXPECT_EQ(angBracoDirAb, 2);
    press('d');
    EXPECT_EQ(angPernaEsqExt, 2);
}

TEST_F(GymnastShell, GuardsLetTheMirrorOneStepPastWhatTheBodyTakes) {
    press('t', 90);
    EXPECT_EQ(angBracoDirAb, 180);
    EXPECT_EQ(corpo.getTronco().getAngBracoDirAb(), 178);
    press('t');
    EXPECT_EQ(angBracoDirAb, 182);
    press('t');
    EXPECT_EQ(angBracoDirAb, 182);
    EXPECT_EQ(corpo.getTronco().getAngBracoDirAb(), 178);
    press('T', 2);
    EXPECT_EQ(corpo.getTronco().getAngBracoDirAb(), 178);

    // "U" from 0: the trunk keeps 2, the arm refuses it as an elbow bend.
    press('u', 5);
    display();
    EXPECT_EQ(corpo.getBracoDir().getCurvatura(), -10);
    press('U', 4);
    display();
    EXPECT_EQ(corpo.getBracoDir().getCurvatura(), -2);
    press('U', 2);
    EXPECT_EQ(angBracoDirExt, 2);
    EXPECT_EQ(corpo.getTronco().getAngBracoDirExt(), 2);
    display();
    EXPECT_EQ(corpo.getBracoDir().getCurvatura(), -2);
    press('U');
    EXPECT_EQ(angBracoDirExt, 2);

    // "c" stops at -16 while the trunk holds -14.
    press('c', 20);
    EXPECT_EQ(angCabeca, -16);
    EXPECT_EQ(corpo.getTronco().getAngCabeca(), -14);
}

TEST_F(GymnastShell, ZoomKeysStopAt30AndLowerTheRoutinesZoomBelowZero) {
    press('2', 20);
    EXPECT_EQ(zoom, 30);
    zoom = 80.7f;
    press('2');
    EXPECT_EQ(zoom, 80.7f);
    press('1', 60);
    EXPECT_NEAR(zoom, -1.3, 1e-4);
    EXPECT_EQ(redisplays(), 81u);
}

TEST_F(GymnastShell, CameraKeysTurnTheirAxisOnAndStepTheStoredAngle) {
    angY = 10;
    press('Y');
    EXPECT_EQ(changeY, 1);
    EXPECT_EQ(angY, 12);
    press('y', 3);
    EXPECT_EQ(angY, 6);
    press('x');
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(angX, -2);
    EXPECT_EQ(changeZ, 0);
    press('Z', 2);
    EXPECT_EQ(angZ, 4);
    press('V');
    press('v', 3);
    EXPECT_EQ(angTronco, -4);
}

TEST_F(GymnastShell, PoseAndCameraResetKeysEachResetTheirOwnPart) {
    press('R', 5);
    press('X', 5);
    press('2', 2);
    press('.');
    EXPECT_EQ(angBracoDir, 0);
    EXPECT_EQ(angX, 10);
    EXPECT_EQ(quadros, 1);
    press('R', 3);
    press(',');
    EXPECT_EQ(angBracoDir, 6);
    EXPECT_EQ(angX, 0);
    EXPECT_EQ(zoom, 0);
    EXPECT_EQ(changeX, 1);
    EXPECT_EQ(quadros, 2);
}

TEST_F(GymnastShell, KeyOutsideTheTableDoesNothingAtAll) {
    press('R', 2);
    const std::size_t antes = redisplays();
    for (char k : std::string("bB{0 \r")) press(static_cast<unsigned char>(k));
    EXPECT_EQ(redisplays(), antes);
    EXPECT_EQ(angBracoDir, 4);
    EXPECT_EQ(quadros, 0);
}

// ---------------------------------------------------------------- arrow keys and menu

TEST_F(GymnastShell, ArrowKeysStartTheMovementsAndEveryOneRedraws) {
    struct Seta {
        int tecla;
        int quadros;
        float tronco;
    };
    const Seta setas[] = {{GLUT_KEY_UP, 249, -359.75f},
                          {GLUT_KEY_DOWN, 249, 359.75f},
                          {GLUT_KEY_LEFT, 249, -441.95f},
                          {GLUT_KEY_RIGHT, 1413, -441.95f},
                          {GLUT_KEY_F1, 0, 0}};
    for (const Seta& s : setas) {
        gymnast_test::zera();
        keyboardX(s.tecla, 0, 0);
        EXPECT_EQ(quadros, s.quadros) << s.tecla;
        EXPECT_NEAR(angTronco, s.tronco, 0.01) << s.tecla;
        EXPECT_EQ(redisplays(), 1u) << s.tecla;
    }
}

TEST_F(GymnastShell, MenuEntriesDoWhatTheySay) {
    inicia();
    void (*menu)(int) = glrec::recorder().callbacks().menu;
    ASSERT_NE(menu, nullptr);
    struct Entrada {
        int valor;
        int quadros;
        float tronco;
    };
    const Entrada entradas[] = {{1, 1413, -441.95f}, {5, 249, -359.75f}, {6, 249, 359.75f}, {4, 249, -441.95f},
                                {0, 0, 0},           {3, 0, 0}};
    for (const Entrada& e : entradas) {
        gymnast_test::zera();
        menu(e.valor);
        EXPECT_EQ(quadros, e.quadros) << e.valor;
        EXPECT_NEAR(angTronco, e.tronco, 0.01) << e.valor;
        EXPECT_EQ(redisplays(), 1u) << e.valor;
    }

    // "Original" resets the pose, not the camera.
    gymnast_test::zera();
    press('A', 3);
    press('y', 3);
    menu(7);
    EXPECT_EQ(angPernaEsq, 0);
    EXPECT_EQ(angY, -6);
    EXPECT_EQ(quadros, 1);

    EXPECT_EXIT(menu(2), ::testing::ExitedWithCode(0), "");
}

}  // namespace

// glew_probe in real windows: its report and exit status on contexts of
// different OpenGL versions.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "harness.h"

namespace {

using e2e::App;
using e2e::Color;
using e2e::Image;
using namespace std::chrono_literals;

// "Status: Using GLEW <version>", then the verdict, each on its own line, nothing else.
bool is_report(const std::string& out, const std::string& verdict) {
    const std::string status = "Status: Using GLEW ";
    const std::size_t end = out.find('\n');
    if (out.rfind(status, 0) != 0 || end == std::string::npos || end == status.size()) return false;
    for (std::size_t i = status.size(); i < end; ++i)
        if (!std::isdigit(static_cast<unsigned char>(out[i])) && out[i] != '.') return false;
    return out.substr(end + 1) == verdict + "\n";
}

TEST(GlewProbe, ReportsOpenGl20SupportAndKeepsItsBlackWindowOpen) {
    App app{"glew_probe"};
    ASSERT_FALSE(app.wait_for_window("Janela da GLUT").empty()) << app.err();
    EXPECT_EQ(app.geometry(), (e2e::Geometry{100, 300, 320, 320}));

    // The verdict is readable while the program still sits in its main loop.
    std::string out = app.out();
    for (const auto give_up = std::chrono::steady_clock::now() + e2e::kStateTimeout;
         out.find("OpenGL 2.0\n") == std::string::npos && std::chrono::steady_clock::now() < give_up;
         out = app.out())
        e2e::sleep_for(0.1s);
    EXPECT_TRUE(is_report(out, "Compativel com OpenGL 2.0")) << out;

    const Image frame = app.screenshot_until([](const Image& shot) { return !shot.empty(); });
    EXPECT_EQ(frame.width, 320);
    EXPECT_EQ(frame.share_unlike(Color{0, 0, 0}, 2), 0.0);

    // Its report written, it waits in its main loop with the window open.
    EXPECT_TRUE(app.wait_for_input());
    EXPECT_TRUE(app.running());
    app.terminate();
}

TEST(GlewProbe, ContextBelowOpenGl20PrintsStatusAndVerdictThenExitsWith1) {
    App app{"glew_probe", {}, "", {"MESA_GL_VERSION_OVERRIDE=1.5"}};
    EXPECT_EQ(app.wait_exit(), 1);
    const std::string out = app.out();
    EXPECT_TRUE(is_report(out, "Nao tem suporte para OpenGL 2.0")) << out;
}

TEST(GlewProbe, FailedGlewInitPrintsOnlyTheErrorAndExitsWith1) {
    // GLEW refuses a context that claims OpenGL 1.0.
    App app{"glew_probe", {}, "", {"MESA_GL_VERSION_OVERRIDE=1.0"}};
    EXPECT_EQ(app.wait_exit(), 1);
    const std::string out = app.out();
    EXPECT_EQ(out.rfind("Error: ", 0), 0u) << out;
    EXPECT_GT(out.size(), std::string("Error: \n").size());
    EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line";
}

}  // namespace

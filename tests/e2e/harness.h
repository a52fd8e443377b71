#pragma once
// Runs a real program in its window under the test X server (Xvfb), sends it
// keys through XTEST, takes screenshots and collects its exit status and
// output. The X server comes from the CTest fixture "xvfb", which writes its
// display name to $SCENES_XVFB_DIR/display.

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Seconds = std::chrono::duration<double>;

struct Color {
    int r = 0, g = 0, b = 0;
};

// Where a window stands on the screen and its inner size.
struct Geometry {
    int x = -1, y = -1, width = 0, height = 0;
    bool operator==(const Geometry& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};
std::ostream& operator<<(std::ostream& out, const Geometry& g);

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;  // top row first

    bool empty() const { return rgb.empty(); }
    Color at(int x, int y) const;
    // Mean of |a - b| over all channels of all pixels, 0..255; images of different sizes give 255.
    double mean_difference(const Image& other) const;
    // Share of pixels, 0..1, that differ from colour c by more than tolerance on some channel.
    double share_unlike(Color c, int tolerance = 8) const;
    // Number of distinct colours, counted up to limit.
    int distinct_colors(int limit = 1000) const;
    Color mean(int x0, int y0, int x1, int y1) const;  // over [x0, x1) x [y0, y1)
    bool save_png(const std::string& path) const;
};

// The program's folder in the build tree, where it finds its data.
std::string program_dir(const std::string& program);
// The X display of the test server.
std::string display();
// Keeps a picture for a person to look at: build/screenshots/<name>.
void save_screenshot(const Image& image, const std::string& name);

// Failure bounds only: every wait ends as soon as its state is there, so a
// busy machine makes a test slower, never wrong.
constexpr Seconds kWindowTimeout = 60s;
constexpr Seconds kStateTimeout = 60s;

class App {
public:
    // Starts build/<program>/<program> from workdir (default: a folder that
    // has nothing to do with it, so the program must find its own data),
    // with extra environment entries "NAME=value".
    explicit App(const std::string& program, std::vector<std::string> args = {}, std::string workdir = "",
                 std::vector<std::string> env = {});
    ~App();  // kills the program if it still runs
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Waits for a window with this exact title; its id, or "" on time-out.
    std::string wait_for_window(const std::string& title, Seconds timeout = kWindowTimeout);
    std::string window() const { return window_; }
    std::string title() const;
    Geometry geometry() const;

    // Keys by X keysym name: "8", "d", "D", "Escape", "Up", "F1"...
    void key(const std::string& keysym, int times = 1);
    // The test server repeats no key by itself, so each press counts once
    // (xvfb.sh); hold_repeating holds a key down with repeating on, as a
    // user's keyboard does, until pred holds for a screenshot: the last one.
    template <class Pred>
    Image hold_repeating(const std::string& keysym, Pred pred);
    void key_down(const std::string& keysym);
    void key_up(const std::string& keysym);
    void pointer_move(int x, int y);  // relative to the window

    Image screenshot() const;
    // Takes screenshots until pred holds or the time-out passes; the last one.
    template <class Pred>
    Image screenshot_until(Pred pred, Seconds timeout = kStateTimeout) const;
    // The first picture the program drew: a window that shows more than one
    // colour (before its first frame it is one flat colour).
    Image first_picture(Seconds timeout = kStateTimeout) const;

    // Whether the program sits in its main loop waiting for input (blocked in
    // select, where the GLUT loop waits), rather than busy in a callback: a
    // gymnast's movement runs whole inside the key callback that started it.
    bool waiting_for_input() const;
    // Waits until it does; false on time-out.
    bool wait_for_input(Seconds timeout = kStateTimeout) const;

    bool running();
    // Exit status, or -1 if still running after timeout, or 128 + signal.
    int wait_exit(Seconds timeout = kStateTimeout);
    // Ends the program with SIGTERM (there is no window manager to close it).
    void terminate();

    std::string out() const;  // standard output so far
    std::string err() const;  // standard error so far

private:
    void focus() const;
    pid_t pid_ = -1;
    int status_ = -1;
    std::string window_;
    std::string out_path_, err_path_;
};

// One program in its window, from its first picture on: the fixture of every
// program's window tests.
class ProgramWindow : public ::testing::Test {
protected:
    ProgramWindow(std::string program, std::string title, std::vector<std::string> env = {})
        : app(program, {}, "", std::move(env)), title_(std::move(title)) {}
    void SetUp() override {
        ASSERT_FALSE(app.wait_for_window(title_).empty()) << app.err();
        start = app.first_picture();
        ASSERT_GT(start.distinct_colors(), 1) << "no picture drawn";
    }

    App app;
    Image start;  // the first picture

private:
    std::string title_;
};

// A scratch copy of a program's data (every image and tune of its build
// folder, in their subfolders), to take a file from or damage; the program
// is pointed at it through its data variable. Removed at the end.
class DataCopy {
public:
    explicit DataCopy(const std::string& program);
    ~DataCopy();
    DataCopy(const DataCopy&) = delete;
    DataCopy& operator=(const DataCopy&) = delete;

    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // "CASTLE_WORLD_DATA_DIR=<the copy>", for App's environment.
    std::string variable() const { return variable_; }

private:
    std::string folder_;
    std::string variable_;
};

// Runs a shell command and returns its standard output.
std::string run(const std::string& command);
void sleep_for(Seconds s);

template <class Pred>
Image App::hold_repeating(const std::string& keysym, Pred pred) {
    run("xset r on");
    key_down(keysym);
    Image shot = screenshot_until(pred);
    key_up(keysym);
    run("xset r off");
    return shot;
}

template <class Pred>
Image App::screenshot_until(Pred pred, Seconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    Image shot = screenshot();
    while (!pred(shot) && std::chrono::steady_clock::now() < end) {
        sleep_for(0.2s);
        shot = screenshot();
    }
    return shot;
}

}  // namespace e2e

#include "harness.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "data_dir.h"

namespace e2e {

namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// xdotool matches window names as regular expressions.
std::string exact_pattern(const std::string& title) {
    std::string out = "^";
    for (char c : title) {
        if (std::strchr("\\^$.|?*+()[]{}", c)) out += '\\';
        out += c;
    }
    return out + "$";
}

std::string trim(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

std::string temp_file(const char* stem) {
    std::string path = std::string("/tmp/") + stem + "XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) throw std::runtime_error("cannot create a temporary file");
    close(fd);
    return path;
}

// Parses a binary PPM (P6, maxval 255).
Image parse_ppm(const std::string& data) {
    Image image;
    std::size_t pos = 0;
    auto next_token = [&]() {
        while (pos < data.size()) {
            if (data[pos] == '#') {
                while (pos < data.size() && data[pos] != '\n') ++pos;
            } else if (std::isspace(static_cast<unsigned char>(data[pos]))) {
                ++pos;
            } else {
                break;
            }
        }
        const std::size_t start = pos;
        while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos]))) ++pos;
        return data.substr(start, pos - start);
    };
    if (next_token() != "P6") return image;
    const int width = std::atoi(next_token().c_str());
    const int height = std::atoi(next_token().c_str());
    const int maxval = std::atoi(next_token().c_str());
    ++pos;  // the single white space before the pixels
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 3;
    if (width <= 0 || height <= 0 || maxval != 255 || data.size() < pos + bytes) return image;
    image.width = width;
    image.height = height;
    image.rgb.assign(data.begin() + pos, data.begin() + pos + bytes);
    return image;
}

}  // namespace

Color Image::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

double Image::mean_difference(const Image& other) const {
    if (width != other.width || height != other.height || rgb.empty()) return 255;
    double sum = 0;
    for (std::size_t i = 0; i < rgb.size(); ++i) sum += std::abs(int{rgb[i]} - int{other.rgb[i]});
    return sum / rgb.size();
}

double Image::share_unlike(Color c, int tolerance) const {
    if (rgb.empty()) return 0;
    std::size_t unlike = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        if (std::abs(rgb[i] - c.r) > tolerance || std::abs(rgb[i + 1] - c.g) > tolerance ||
            std::abs(rgb[i + 2] - c.b) > tolerance)
            ++unlike;
    return static_cast<double>(unlike) / (rgb.size() / 3);
}

int Image::distinct_colors(int limit) const {
    std::set<uint32_t> seen;
    for (std::size_t i = 0; i < rgb.size() && static_cast<int>(seen.size()) < limit; i += 3)
        seen.insert(uint32_t{rgb[i]} << 16 | uint32_t{rgb[i + 1]} << 8 | rgb[i + 2]);
    return static_cast<int>(seen.size());
}

Color Image::mean(int x0, int y0, int x1, int y1) const {
    long sum[3] = {0, 0, 0};
    long n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Color c = at(x, y);
            sum[0] += c.r;
            sum[1] += c.g;
            sum[2] += c.b;
            ++n;
        }
    if (n == 0) return {};
    return {static_cast<int>(sum[0] / n), static_cast<int>(sum[1] / n), static_cast<int>(sum[2] / n)};
}

bool Image::save_png(const std::string& path) const {
    const std::string ppm = temp_file("shot");
    {
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << width << ' ' << height << "\n255\n";
        out.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    }
    const bool ok = std::system(("convert " + quote(ppm) + " " + quote(path)).c_str()) == 0;
    std::remove(ppm.c_str());
    return ok;
}

DataCopy::DataCopy(const std::string& program) {
    namespace fs = std::filesystem;
    folder_ = (fs::temp_directory_path() / (program + "_data_" + std::to_string(getpid()))).string();
    fs::remove_all(folder_);
    const fs::path from = program_dir(program);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".bmp" && extension != ".mp3")) continue;
        const fs::path to = fs::path(folder_) / fs::relative(entry.path(), from);
        fs::create_directories(to.parent_path());
        fs::copy_file(entry.path(), to);
    }
    variable_ = data_dir::variable_name(program) + "=" + folder_;
}

DataCopy::~DataCopy() { std::filesystem::remove_all(folder_); }

std::string program_dir(const std::string& program) { return std::string(SCENES_BUILD_DIR) + "/" + program; }

std::string display() {
    static const std::string name = [] {
        const char* dir = std::getenv("SCENES_XVFB_DIR");
        std::string found = dir ? trim(read_file(std::string(dir) + "/display")) : "";
        if (found.empty() && std::getenv("DISPLAY")) found = std::getenv("DISPLAY");
        if (found.empty()) throw std::runtime_error("no X display: run through ctest (the xvfb fixture)");
        setenv("DISPLAY", found.c_str(), 1);  // for the tools run from here
        return found;
    }();
    return name;
}

std::string run(const std::string& command) {
    display();
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    pclose(pipe);
    return output;
}

void sleep_for(Seconds s) { std::this_thread::sleep_for(s); }

App::App(const std::string& program, std::vector<std::string> args, std::string workdir,
         std::vector<std::string> env) {
    const std::string shown = display();
    const std::string path = program_dir(program) + "/" + program;
    if (workdir.empty()) workdir = std::filesystem::temp_directory_path().string();
    out_path_ = temp_file("out");
    err_path_ = temp_file("err");

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        if (chdir(workdir.c_str()) != 0) _exit(126);
        setenv("DISPLAY", shown.c_str(), 1);
        for (std::string& entry : env) putenv(entry.data());
        const int out = open(out_path_.c_str(), O_WRONLY | O_TRUNC);
        const int err = open(err_path_.c_str(), O_WRONLY | O_TRUNC);
        const int in = open("/dev/null", O_RDONLY);
        dup2(out, 1);
        dup2(err, 2);
        dup2(in, 0);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
}

App::~App() {
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::remove(out_path_.c_str());
    std::remove(err_path_.c_str());
}

std::string App::wait_for_window(const std::string& title, Seconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    const std::string search = "xdotool search --name " + quote(exact_pattern(title)) + " 2>/dev/null";
    while (std::chrono::steady_clock::now() < end && running()) {
        std::istringstream ids(run(search));
        std::string id;
        if (ids >> id) {
            window_ = id;
            return window_;
        }
        sleep_for(0.1s);
    }
    return "";
}

std::string App::title() const { return trim(run("xdotool getwindowname " + window_ + " 2>/dev/null")); }

Geometry App::geometry() const {
    Geometry g;
    const std::string info = run("xwininfo -id " + window_ + " 2>/dev/null");
    const auto read = [&info](const char* label, int& value) {
        const std::size_t at = info.find(label);
        if (at != std::string::npos) value = std::atoi(info.c_str() + at + std::strlen(label));
    };
    read("Absolute upper-left X:", g.x);
    read("Absolute upper-left Y:", g.y);
    read("Width:", g.width);
    read("Height:", g.height);
    return g;
}

std::ostream& operator<<(std::ostream& out, const Geometry& g) {
    return out << g.width << "x" << g.height << " at (" << g.x << ", " << g.y << ")";
}

// With no window manager a key reaches the window only when it has the focus
// and the pointer is inside it.
void App::focus() const {
    run("xdotool windowfocus --sync " + window_ + " mousemove --window " + window_ + " 5 5 2>/dev/null");
}

void App::key(const std::string& keysym, int times) {
    focus();
    run("xdotool key --delay 15 --repeat " + std::to_string(times) + " " + quote(keysym) + " 2>/dev/null");
}

void App::key_down(const std::string& keysym) {
    focus();
    run("xdotool keydown " + quote(keysym) + " 2>/dev/null");
}

void App::key_up(const std::string& keysym) {
    focus();
    run("xdotool keyup " + quote(keysym) + " 2>/dev/null");
}

void App::pointer_move(int x, int y) {
    run("xdotool mousemove --window " + window_ + " " + std::to_string(x) + " " + std::to_string(y) +
        " 2>/dev/null");
}

Image App::screenshot() const { return parse_ppm(run("import -window " + window_ + " -depth 8 ppm:- 2>/dev/null")); }

Image App::first_picture(Seconds timeout) const {
    return screenshot_until([](const Image& shot) { return shot.distinct_colors(2) > 1; }, timeout);
}

void save_screenshot(const Image& image, const std::string& name) {
    std::filesystem::create_directories(program_dir("screenshots"));
    image.save_png(program_dir("screenshots") + "/" + name);
}

bool App::waiting_for_input() const {
    // The first field is the number of the system call the process is blocked in.
    std::ifstream call("/proc/" + std::to_string(pid_) + "/syscall");
    long number = -1;
    call >> number;
    return number == SYS_select || number == SYS_pselect6;
}

bool App::wait_for_input(Seconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!waiting_for_input()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        sleep_for(0.05s);
    }
    return true;
}

bool App::running() {
    if (pid_ <= 0 || status_ >= 0) return false;
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == 0) return true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

int App::wait_exit(Seconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (running()) {
        if (std::chrono::steady_clock::now() >= end) return -1;
        sleep_for(0.05s);
    }
    return status_;
}

void App::terminate() {
    if (!running()) return;
    kill(pid_, SIGTERM);
    if (wait_exit(5s) < 0) {
        kill(pid_, SIGKILL);
        wait_exit(5s);
    }
}

std::string App::out() const { return read_file(out_path_); }
std::string App::err() const { return read_file(err_path_); }

}  // namespace e2e

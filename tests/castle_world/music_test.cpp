// The background music as it reaches the output: SDL's disk driver writes
// every sample it is given to a file, so the loop, its level and its period
// can be checked without a sound card.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "music.h"

namespace {

namespace fs = std::filesystem;
using castle_world::kMusicFile;
using castle_world::Music;

fs::path temp_file(const std::string& name) {
    return fs::temp_directory_path() / ("castle_world_music_" + std::to_string(getpid()) + "_" + name);
}

// Sets the audio driver for the Music objects of one test.
class AudioDriver {
public:
    explicit AudioDriver(const char* driver) { setenv("SDL_AUDIODRIVER", driver, 1); }
    ~AudioDriver() {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }
};

std::vector<int16_t> read_samples(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<int16_t> samples(bytes.size() / sizeof(int16_t));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(int16_t));
    return samples;
}

std::size_t first_sound(const int16_t* samples, std::size_t count) {
    std::size_t i = 0;
    while (i < count && samples[i] == 0) ++i;
    return i;
}

TEST(Music, LoopsTheWholeTuneWithoutAGapAtHalfTheDecodedLevel) {
    const fs::path output = temp_file("out.raw");
    AudioDriver driver("disk");
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);  // as fast as the mixer can go, not in real time

    std::vector<int16_t> decoded;
    int channels = 0;
    {
        Music music(kMusicFile, [&](const castle_world::Sound& sound) {
            channels = sound.channels;
            decoded.assign(sound.samples, sound.samples + sound.count);
        });
        ASSERT_TRUE(music.playing());
        ASSERT_GT(channels, 0);
        ASSERT_FALSE(decoded.empty());
        // The device has written silence while the file was decoding; from
        // here let the tune go round two and a half times.
        std::error_code error;
        const std::uintmax_t started = fs::file_size(output, error);
        ASSERT_FALSE(error) << error.message();
        const std::uintmax_t wanted = started + decoded.size() * 5 / 2 * sizeof(int16_t);
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (fs::file_size(output, error) < wanted || error) {
            ASSERT_LT(std::chrono::steady_clock::now(), give_up) << "the disk driver stopped writing";
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        EXPECT_TRUE(music.playing());  // a looped chunk never ends by itself
    }
    const std::vector<int16_t> played = read_samples(output);
    fs::remove(output);

    // The output is silence until the chunk starts; from there it must be the
    // decoded sound halved, sample for sample, over and over with no gap.
    const std::size_t offset =
        first_sound(played.data(), played.size()) - first_sound(decoded.data(), decoded.size());
    ASSERT_EQ(offset % channels, 0u);
    const std::size_t period = decoded.size();
    ASSERT_GE(played.size(), offset + 2 * period);
    std::size_t mismatches = 0;
    double played_energy = 0;
    double decoded_energy = 0;
    for (std::size_t i = 0; i < 2 * period; ++i) {
        const int expected = decoded[i % period] / 2;
        const int got = played[offset + i];
        if (std::abs(got - expected) > 1 && ++mismatches <= 5)
            ADD_FAILURE() << "sample " << i << " of the loop: " << got << " instead of " << expected;
        played_energy += static_cast<double>(got) * got;
        decoded_energy += static_cast<double>(decoded[i % period]) * decoded[i % period];
    }
    EXPECT_EQ(mismatches, 0u);
    const double rms = std::sqrt(played_energy / (2 * period));
    EXPECT_GT(rms, 1000.0) << "the music is all but silent";
    EXPECT_NEAR(rms / std::sqrt(decoded_energy / (2 * period)), 0.5, 0.01);
}

// Each way of failing: no music, no crash, one line on stderr saying why.
struct Failure {
    const char* name;
    const char* driver;
    const char* file;
    const char* cause;  // part of the warning
};

void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.name; }

class MusicFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(MusicFailure, WarnsOnceAndStaysSilent) {
    const Failure& failure = GetParam();
    // Odd files made on the spot: each must be refused at once, without
    // blocking on a pipe with no writer or reading an endless device.
    const std::string kind = failure.file;
    const fs::path odd = temp_file(kind + ".mp3");
    fs::remove(odd);
    if (kind == "garbage") {
        std::ofstream file(odd, std::ios::binary);
        for (int i = 0; i < 200; ++i) file << "not a tune at all ";
    } else if (kind == "pipe") {
        ASSERT_EQ(mkfifo(odd.c_str(), 0600), 0);
    } else if (kind == "endless") {
        fs::create_symlink("/dev/zero", odd);
    } else if (kind == "huge") {
        std::ofstream(odd, std::ios::binary).put('I');
        fs::resize_file(odd, castle_world::kMaxMusicBytes + 1);  // sparse: no disk is spent
    }
    const bool made = kind == "garbage" || kind == "pipe" || kind == "endless" || kind == "huge";
    const std::string file = made ? odd.string() : failure.file;

    AudioDriver driver(failure.driver);
    ::testing::internal::CaptureStderr();
    bool playing = true;
    std::size_t samples = 0;
    {
        Music music(file.c_str(), [&](const castle_world::Sound& sound) { samples = sound.count; });
        playing = music.playing();
    }
    const std::string warning = ::testing::internal::GetCapturedStderr();
    fs::remove(odd);

    EXPECT_FALSE(playing);
    EXPECT_EQ(samples, 0u);
    ASSERT_FALSE(warning.empty());
    EXPECT_EQ(warning.find('\n'), warning.size() - 1) << warning;
    EXPECT_NE(warning.find(failure.cause), std::string::npos) << warning;
}

INSTANTIATE_TEST_SUITE_P(
    Causes, MusicFailure,
    ::testing::Values(Failure{"NoAudioDevice", "dummy-nonexistent", kMusicFile, "dummy-nonexistent"},
                      Failure{"MissingFile", "dummy", "no-such-tune.mp3", "no-such-tune.mp3: no such file"},
                      Failure{"UndecodableFile", "dummy", "garbage", "garbage.mp3"},
                      Failure{"NamedPipe", "dummy", "pipe", "pipe.mp3: not a regular file"},
                      Failure{"EndlessDevice", "dummy", "endless", "endless.mp3: not a regular file"},
                      Failure{"OversizedFile", "dummy", "huge", "huge.mp3: file too large (more than 64 MB)"}),
    [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

}  // namespace

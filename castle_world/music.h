#pragma once
// The background music, on SDL_mixer.

#include <cstddef>
#include <cstdint>
#include <functional>

struct Mix_Chunk;

namespace castle_world {

// The music file, in the program's data folder.
constexpr const char* kMusicFile = "lord.mp3";

// Far above any real tune; a longer file (or an endless device) is refused
// rather than read until memory runs out.
constexpr std::size_t kMaxMusicBytes = std::size_t{64} << 20;

// The sound once decoded, as the device will play it: interleaved signed
// 16-bit samples, `channels` per frame at `rate` frames a second.
struct Sound {
    const int16_t* samples = nullptr;
    std::size_t count = 0;
    int channels = 0;
    int rate = 0;
};
using DecodedSound = std::function<void(const Sound&)>;

// The background music: the default audio output and one sound decoded whole
// into memory, looped at half volume.
class Music {
public:
    // Reads `file` (a regular file of at most kMaxMusicBytes, never blocking),
    // opens the default output device, decodes the file whole and starts it
    // looping at half volume. On any failure prints one warning line on stderr
    // naming the cause, and stays silent.
    explicit Music(const char* file, const DecodedSound& decoded = nullptr);
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;
    bool playing() const;

private:
    bool audio_ = false;   // SDL's audio subsystem is up
    bool device_ = false;  // the mixer holds the output device
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;
};

}  // namespace castle_world

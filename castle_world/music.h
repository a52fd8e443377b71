#pragma once
// The background music, on SDL_mixer.

#include <cstddef>
#include <cstdint>

struct Mix_Chunk;

namespace castle_world {

// The music file, beside the program.
constexpr const char* kMusicFile = "lord.mp3";

// The background music: the default audio output and one sound decoded whole
// into memory, looped at half volume.
class Music {
public:
    // Opens the default output device, decodes `file` whole and starts it
    // looping at half volume. On any failure prints one warning line on stderr
    // naming the cause, and stays silent.
    explicit Music(const char* file);
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;
    bool playing() const;

    // The decoded sound as the device plays it: interleaved signed 16-bit
    // samples, channels() per frame at rate() frames a second. Empty when
    // nothing was decoded.
    const int16_t* samples() const;
    std::size_t sample_count() const;
    int channels() const { return channels_; }
    int rate() const { return rate_; }

private:
    bool audio_ = false;   // SDL's audio subsystem is up
    bool device_ = false;  // the mixer holds the output device
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;
    int channels_ = 0;
    int rate_ = 0;
};

}  // namespace castle_world

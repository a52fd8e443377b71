#include "music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace castle_world {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 2048;  // about 46 ms of latency: nothing here needs less
constexpr int kHalfVolume = MIX_MAX_VOLUME / 2;
constexpr int kForever = -1;  // loops: the mixer restarts the chunk sample-exactly, without a gap

void warn(const char* what, const char* why) {
    std::fprintf(stderr, "castle_world: no music: %s: %s\n", what, why);
}

}  // namespace

Music::Music(const char* file) {
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads,
    // and the program could no longer be stopped by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        warn("no audio output", SDL_GetError());
        return;
    }
    audio_ = true;
    // Signed 16-bit, so samples() can hand out the chunk as it is.
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
        warn("cannot open the audio device", Mix_GetError());
        return;
    }
    device_ = true;
    Uint16 format = 0;
    Mix_QuerySpec(&rate_, &format, &channels_);

    // Decoded whole now, so a bad file shows at start rather than mid-play.
    std::FILE* stream = std::fopen(file, "rb");
    if (stream == nullptr) {
        warn(file, std::strerror(errno));
        return;
    }
    SDL_RWops* source = SDL_RWFromFP(stream, SDL_TRUE);
    if (source == nullptr) {
        std::fclose(stream);
        warn(file, SDL_GetError());
        return;
    }
    chunk_ = Mix_LoadWAV_RW(source, 1);
    if (chunk_ == nullptr) {
        warn(file, Mix_GetError());
        return;
    }
    Mix_VolumeChunk(chunk_, kHalfVolume);
    channel_ = Mix_PlayChannel(-1, chunk_, kForever);
    if (channel_ < 0) warn(file, Mix_GetError());
}

Music::~Music() {
    if (channel_ >= 0) Mix_HaltChannel(channel_);
    if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
    if (device_) Mix_CloseAudio();
    if (audio_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Music::playing() const { return channel_ >= 0 && Mix_Playing(channel_) != 0; }

const int16_t* Music::samples() const {
    return chunk_ != nullptr ? reinterpret_cast<const int16_t*>(chunk_->abuf) : nullptr;
}

std::size_t Music::sample_count() const { return chunk_ != nullptr ? chunk_->alen / sizeof(int16_t) : 0; }

}  // namespace castle_world

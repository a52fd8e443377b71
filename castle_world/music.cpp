#include "music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <string>

#include "data_dir.h"
#include "file_reader.h"

namespace castle_world {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 2048;  // about 46 ms of latency: nothing here needs less
constexpr int kHalfVolume = MIX_MAX_VOLUME / 2;
constexpr int kForever = -1;  // loops: the mixer restarts the chunk sample-exactly, without a gap

void warn(const std::string& what, const char* why) {
    std::fprintf(stderr, "castle_world: no music: %s: %s\n", what.c_str(), why);
}

}  // namespace

Music::Music(const char* file, const DecodedSound& decoded) {
    // Read first, the way the images are read, so an odd file costs nothing:
    // no device is opened for a tune that will not play.
    const std::string path = data_path(file);
    const FileBytes tune = read_regular_file(path.c_str(), kMaxMusicBytes);
    if (!tune.error.empty()) {
        warn(path, tune.error == "file too large"
                       ? ("file too large (more than " + std::to_string(kMaxMusicBytes >> 20) + " MB)").c_str()
                       : tune.error.c_str());
        return;
    }

    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads,
    // and the program could no longer be stopped by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        warn("no audio output", SDL_GetError());
        return;
    }
    audio_ = true;
    // Signed 16-bit, so the decoded chunk is the samples the device plays.
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
        warn("cannot open the audio device", Mix_GetError());
        return;
    }
    device_ = true;

    // Decoded whole now, so a bad file shows at start rather than mid-play.
    SDL_RWops* source = SDL_RWFromConstMem(tune.bytes.data(), static_cast<int>(tune.bytes.size()));
    if (source == nullptr) {
        warn(path, SDL_GetError());
        return;
    }
    chunk_ = Mix_LoadWAV_RW(source, 1);
    if (chunk_ == nullptr) {
        warn(path, Mix_GetError());
        return;
    }
    if (decoded) {
        Sound sound;
        sound.samples = reinterpret_cast<const int16_t*>(chunk_->abuf);
        sound.count = chunk_->alen / sizeof(int16_t);
        Uint16 format = 0;
        Mix_QuerySpec(&sound.rate, &format, &sound.channels);
        decoded(sound);
    }
    Mix_VolumeChunk(chunk_, kHalfVolume);
    channel_ = Mix_PlayChannel(-1, chunk_, kForever);
    if (channel_ < 0) warn(path, Mix_GetError());
}

Music::~Music() {
    if (channel_ >= 0) Mix_HaltChannel(channel_);
    if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
    if (device_) Mix_CloseAudio();
    if (audio_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Music::playing() const { return channel_ >= 0 && Mix_Playing(channel_) != 0; }

}  // namespace castle_world

// Sounds and channels. The window backend plays through SDL_mixer; when no
// sound device can be opened it falls back to SDL's dummy driver and plays
// on silently. The headless backend keeps channels on the virtual clock, so
// a channel "plays" for exactly the sound's length of game time.
#include "media/media.h"
#include "media/media_internal.h"

#include <SDL_mixer.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

struct Sound {
    std::string path;
    Mix_Chunk* chunk = nullptr;
    double lengthMs = 0;
};

struct Channel {
    int index = -1; // mixer channel (window backend)
    Sound* sound = nullptr;
    double volume = 1.0;
    bool paused = false;
    int64_t startMs = 0; // virtual clock (headless backend)
    int64_t pausedAt = 0;
};

namespace {
// The format the mixer plays in; every sound is converted to it.
constexpr int kMixerRate = 44100;
constexpr SDL_AudioFormat kMixerFormat = AUDIO_S16SYS;
constexpr int kMixerChannels = 2;
// The shortest sound the game takes: less is a click at most, and almost
// always a file cut short.
constexpr int kMinSoundMs = 10;

bool g_mixerOpen = false;
int g_channelsAllocated = 0;
int g_nextChannel = 0;

// Without an open mixer (headless, or no device at all) channels play on
// the game clock only.
bool Virtual() {
    return !g_mixerOpen;
}
} // namespace

namespace {
// The sound libraries below SDL write their own complaints to stderr when
// there is no device; while audio opens, stderr goes to /dev/null so that
// the one warning line below is all the player sees.
struct QuietStderr {
    int saved = -1;
    QuietStderr() {
        fflush(stderr);
        saved = dup(2);
        int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, 2);
            close(null);
        }
    }
    ~QuietStderr() {
        if (saved >= 0) {
            fflush(stderr);
            dup2(saved, 2);
            close(saved);
        }
    }
};

bool OpenMixer() {
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
           Mix_OpenAudio(kMixerRate, kMixerFormat, kMixerChannels, 1024) == 0;
}
} // namespace

namespace media {
void InitSound() {
    std::string why;
    {
        QuietStderr quiet;
        g_mixerOpen = OpenMixer();
        if (!g_mixerOpen) {
            // No device: SDL's dummy driver keeps the mixer working, silently.
            why = SDL_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
            g_mixerOpen = OpenMixer();
        }
    }
    if (!why.empty())
        fprintf(stderr, "Vessara-Demo: no sound device (%s); playing without sound\n", why.c_str());
    if (g_mixerOpen) g_channelsAllocated = Mix_AllocateChannels(32);
}

void ShutdownSound() {
    if (g_mixerOpen) Mix_CloseAudio();
    g_mixerOpen = false;
}
} // namespace media

namespace {
uint32_t Le32(const std::string& b, size_t at) {
    return (uint32_t)(uint8_t)b[at] | (uint32_t)(uint8_t)b[at + 1] << 8 |
           (uint32_t)(uint8_t)b[at + 2] << 16 | (uint32_t)(uint8_t)b[at + 3] << 24;
}

// Checks the frame of a WAV file and walks its chunks: "" when it begins
// "RIFF", length, "WAVE" and each chunk's length fits in the file, else
// why not. SDL would play what there is of a chunk cut short (a sound that
// stops early, from a file damaged on its way), takes the length a chunk
// announces as the memory to set aside for it, and also reads chunks
// without the RIFF header in front of them.
std::string CheckChunks(const std::string& b) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return "not a WAV file (it does not begin with \"RIFF\" and \"WAVE\")";
    for (size_t at = 12; at + 8 <= b.size();) {
        uint32_t len = Le32(b, at + 4);
        size_t left = b.size() - at - 8;
        if (len > left) {
            std::string id;
            for (char c : b.substr(at, 4)) id += (c >= 32 && c < 127) ? c : '?';
            return "the WAV file is cut short: its \"" + id + "\" chunk announces " +
                   std::to_string(len) + " bytes, " + std::to_string(left) + " follow";
        }
        // Chunks start on even bytes; a last chunk may lack its pad byte.
        at += 8 + (size_t)len + (len & 1);
    }
    return "";
}

// Reads and checks one WAV file; the mixer's copy is made when it is open.
Sound* DecodeSoundFile(const std::string& p) {
    std::string bytes;
    if (!ReadWholeFile(p, bytes)) throw DataError(p, "cannot open sound file");
    media::NoteOpened(p);
    std::string cut = CheckChunks(bytes);
    if (!cut.empty()) throw DataError(p, cut);
    SDL_AudioSpec spec;
    Uint8* buf = nullptr;
    Uint32 len = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), (int)bytes.size());
    if (!SDL_LoadWAV_RW(rw, 1, &spec, &buf, &len))
        throw DataError(p, std::string("not a WAV file SDL can read: ") + SDL_GetError());
    int frameBytes = (SDL_AUDIO_BITSIZE(spec.format) / 8) * spec.channels;
    double lengthMs =
        frameBytes > 0 && spec.freq > 0 ? (double)len / frameBytes * 1000.0 / spec.freq : 0;
    SDL_FreeWAV(buf);
    // The mixer converts every sound to its own format when it loads it;
    // the same conversion is checked here, so that a sound the mixer could
    // not take is refused also when no mixer is open (headless).
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, kMixerFormat, kMixerChannels,
                          kMixerRate) < 0)
        throw DataError(p,
                        std::string("a sound format the mixer cannot convert: ") + SDL_GetError());
    if (len == 0) throw DataError(p, "the WAV file holds no sound data");
    if (lengthMs < kMinSoundMs) {
        char why[120];
        snprintf(why, sizeof why, "the sound lasts %.1f ms; a sound must last at least %d ms",
                 lengthMs, kMinSoundMs);
        throw DataError(p, why);
    }
    auto* s = new Sound;
    s->path = p;
    s->lengthMs = lengthMs;
    if (g_mixerOpen) {
        s->chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), (int)bytes.size()), 1);
        if (!s->chunk) throw DataError(p, std::string("cannot decode sound: ") + Mix_GetError());
    }
    return s;
}
} // namespace

Sound* LoadSoundFile(const Str& path, int /*flags*/) {
    std::string p = media::PathOf(path);
    // Every enemy with the same attack names the same sound: each file is
    // read and decoded once (until it is written anew), and its sound shared
    // (a sound never changes once loaded; each holder plays it on a channel
    // of its own).
    static std::map<std::string, Sound*> loaded;
    std::string key = media::FileStamp(p);
    auto it = key.empty() ? loaded.end() : loaded.find(key);
    if (it == loaded.end()) {
        Sound* s = DecodeSoundFile(p);
        if (!key.empty()) loaded[key] = s;
        return s;
    }
    Sound* s = it->second;
    media::NoteOpened(p);
    // Loaded while no mixer was open: the mixer's copy is made now.
    if (g_mixerOpen && !s->chunk) {
        std::unique_ptr<Sound> fresh(DecodeSoundFile(p));
        s->chunk = fresh->chunk;
    }
    return s;
}

double SoundLengthMs(const Sound* s) {
    return s ? s->lengthMs : 0;
}

Channel* PlaySoundOn(Sound* s, Channel* ch) {
    if (!ch) {
        ch = new Channel;
        if (!Virtual()) {
            // Every new channel gets a mixer channel of its own while there are
            // enough; after that the least recently handed out one is shared.
            if (g_nextChannel >= g_channelsAllocated && g_channelsAllocated < 256)
                g_channelsAllocated = Mix_AllocateChannels(g_channelsAllocated * 2);
            ch->index = g_nextChannel % g_channelsAllocated;
            ++g_nextChannel;
        }
    }
    ch->sound = s;
    ch->paused = false;
    ch->startMs = Millis();
    if (!Virtual() && s && s->chunk) {
        Mix_Volume(ch->index, (int)(ch->volume * MIX_MAX_VOLUME));
        Mix_PlayChannel(ch->index, s->chunk, 0);
    }
    return ch;
}

void SetChannelVolume(Channel* ch, double v) {
    if (!ch) return;
    ch->volume = v < 0 ? 0 : (v > 1 ? 1 : v);
    if (!Virtual() && ch->index >= 0) Mix_Volume(ch->index, (int)(ch->volume * MIX_MAX_VOLUME));
}

void PauseChannel(Channel* ch) {
    if (!ch || ch->paused) return;
    ch->paused = true;
    ch->pausedAt = Millis();
    if (!Virtual() && ch->index >= 0) Mix_Pause(ch->index);
}

void ResumeChannel(Channel* ch) {
    if (!ch || !ch->paused) return;
    ch->paused = false;
    ch->startMs += (int64_t)Millis() - ch->pausedAt;
    if (!Virtual() && ch->index >= 0) Mix_Resume(ch->index);
}

int ChannelIsPlaying(Channel* ch) {
    if (!ch || !ch->sound || ch->paused) return 0;
    if (!Virtual())
        return Mix_Playing(ch->index) && Mix_GetChunk(ch->index) == ch->sound->chunk ? 1 : 0;
    return (int64_t)Millis() < ch->startMs + (int64_t)ch->sound->lengthMs ? 1 : 0;
}

#pragma once
// The boundary between the program and its sound module (libveltosound.so),
// which the program loads by path when the first sound is wanted, so that the
// sound server's client library is not loaded while the window starts. C
// linkage and plain structs, so that the module needs no Qt and either side
// can be rebuilt alone; the version tells an old module from a new program.
#include <stddef.h>
#include <stdint.h>

extern "C" {

inline constexpr uint32_t VeltoSoundModuleVersion = 1;

// Interleaved integer PCM: 8-bit unsigned or 16-bit signed little-endian.
struct VeltoSoundFormat {
    uint32_t rate;
    uint8_t channels;
    uint8_t bitsPerSample;
};

struct VeltoSoundModule {
    uint32_t version;
    // Connects to the sound server; null when there is none (or it does not
    // answer within about two seconds). clientName is shown by mixers.
    void* (*open)(const char* clientName);
    // Keeps a copy of one sound under id; false for a format it cannot play.
    bool (*add)(void* player, int id, const VeltoSoundFormat* format, const void* pcm, size_t bytes);
    // Starts sound id at once and returns; a sound still playing is cut off.
    void (*play)(void* player, int id);
    // Stops everything and disconnects; player is gone afterwards.
    void (*close)(void* player);
};

// The one symbol the program looks up.
const VeltoSoundModule* velto_sound_module();
typedef const VeltoSoundModule* (*VeltoSoundModuleEntry)();
}

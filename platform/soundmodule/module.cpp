// The entry point of libveltosound.so: the table the program looks up.
#include "platform/soundmodule/pulseplayer.h"
#include "platform/soundmodule/soundmodule.h"

namespace {

using platform::PulsePlayer;

const VeltoSoundModule Module = {
    VeltoSoundModuleVersion,
    [](const char* clientName) -> void* { return PulsePlayer::Connect(clientName); },
    [](void* player, int id, const VeltoSoundFormat* format, const void* pcm, size_t bytes) {
        return static_cast<PulsePlayer*>(player)->Add(id, *format, pcm, bytes);
    },
    [](void* player, int id) { static_cast<PulsePlayer*>(player)->Play(id); },
    [](void* player) { delete static_cast<PulsePlayer*>(player); },
};

} // namespace

extern "C" __attribute__((visibility("default"))) const VeltoSoundModule* velto_sound_module()
{
    return &Module;
}

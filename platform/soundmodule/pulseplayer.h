#pragma once
// Plays short sounds through the PulseAudio (or PipeWire) server: one client
// connection with its own event thread, one playback stream per sound. A new
// sound disconnects the stream of the one before, which ends it at once.
#include "platform/soundmodule/soundmodule.h"

#include <pulse/pulseaudio.h>

#include <map>
#include <vector>

namespace platform {

class PulsePlayer
{
public:
    // Null when there is no server to talk to.
    static PulsePlayer* Connect(const char* clientName);
    ~PulsePlayer();

    PulsePlayer(const PulsePlayer&) = delete;
    PulsePlayer& operator=(const PulsePlayer&) = delete;

    bool Add(int id, const VeltoSoundFormat& format, const void* pcm, size_t bytes);
    void Play(int id);

private:
    struct Sound {
        pa_sample_spec spec;
        std::vector<uint8_t> pcm;
    };

    PulsePlayer();
    bool Start(const char* clientName);
    void StopCurrent();

    static void ContextState(pa_context* context, void* self);
    static void StreamState(pa_stream* stream, void* self);
    static void StreamDrained(pa_stream* stream, int success, void* self);
    static void ConnectTimedOut(pa_mainloop_api* api, pa_time_event* event, const struct timeval* when, void* self);

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_current = nullptr;  // the sound playing now, if any
    bool m_timedOut = false;
    std::map<int, Sound> m_sounds;
    std::map<pa_stream*, const Sound*> m_pending; // streams waiting to be ready, and what they play
};

} // namespace platform

#include "platform/soundmodule/pulseplayer.h"

namespace platform {

namespace {

// Asked of the server per stream: enough to ride out a busy moment, little
// enough that the sound starts with the click.
constexpr pa_usec_t TargetLatency = 20 * PA_USEC_PER_MSEC;
// A server that takes longer than this to accept us is treated as absent.
constexpr pa_usec_t ConnectTimeout = 2 * PA_USEC_PER_SEC;

} // namespace

PulsePlayer::PulsePlayer() = default;

PulsePlayer* PulsePlayer::Connect(const char* clientName)
{
    auto* player = new PulsePlayer;
    if (!player->Start(clientName)) {
        delete player;
        return nullptr;
    }
    return player;
}

bool PulsePlayer::Start(const char* clientName)
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return false;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    m_context = pa_context_new(api, clientName);
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, ContextState, this);
    // No autospawn: without a running server the program stays silent
    // rather than start a daemon of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    if (pa_threaded_mainloop_start(m_loop) < 0)
        return false;
    pa_threaded_mainloop_lock(m_loop);
    pa_time_event* deadline =
        pa_context_rttime_new(m_context, pa_rtclock_now() + ConnectTimeout, ConnectTimedOut, this);
    pa_context_state_t state = pa_context_get_state(m_context);
    while (state != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state) && !m_timedOut) {
        pa_threaded_mainloop_wait(m_loop);
        state = pa_context_get_state(m_context);
    }
    if (deadline)
        api->time_free(deadline);
    pa_threaded_mainloop_unlock(m_loop);
    return state == PA_CONTEXT_READY;
}

PulsePlayer::~PulsePlayer()
{
    if (!m_loop)
        return;
    // With the event thread stopped nothing else touches the context: the
    // disconnect ends every stream (each one's state callback lets it go)
    // and closes the socket without waiting for the server.
    pa_threaded_mainloop_stop(m_loop);
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_free(m_loop);
}

bool PulsePlayer::Add(int id, const VeltoSoundFormat& format, const void* pcm, size_t bytes)
{
    Sound sound;
    sound.spec.rate = format.rate;
    sound.spec.channels = format.channels;
    if (format.bitsPerSample == 8)
        sound.spec.format = PA_SAMPLE_U8;
    else if (format.bitsPerSample == 16)
        sound.spec.format = PA_SAMPLE_S16LE;
    else
        return false;
    if (!pa_sample_spec_valid(&sound.spec) || bytes == 0)
        return false;
    const auto* first = static_cast<const uint8_t*>(pcm);
    sound.pcm.assign(first, first + bytes);
    pa_threaded_mainloop_lock(m_loop);
    m_sounds[id] = std::move(sound);
    pa_threaded_mainloop_unlock(m_loop);
    return true;
}

void PulsePlayer::Play(int id)
{
    pa_threaded_mainloop_lock(m_loop);
    const auto found = m_sounds.find(id);
    if (found != m_sounds.end() && pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        StopCurrent();
        const Sound& sound = found->second;
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "event");
        pa_stream* stream = pa_stream_new_with_proplist(m_context, "sound", &sound.spec, nullptr, props);
        pa_proplist_free(props);
        if (stream) {
            pa_stream_set_state_callback(stream, StreamState, this);
            pa_buffer_attr attr;
            attr.maxlength = static_cast<uint32_t>(-1);
            attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(TargetLatency, &sound.spec));
            attr.prebuf = static_cast<uint32_t>(-1);
            attr.minreq = static_cast<uint32_t>(-1);
            attr.fragsize = static_cast<uint32_t>(-1);
            if (pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
                pa_stream_set_state_callback(stream, nullptr, nullptr);
                pa_stream_unref(stream);
            } else {
                m_pending[stream] = &sound;
                m_current = stream;
            }
        }
    }
    pa_threaded_mainloop_unlock(m_loop);
}

// With the loop locked. A stream the server has not yet accepted cannot be
// disconnected; it is told to end as soon as it is ready instead.
void PulsePlayer::StopCurrent()
{
    pa_stream* stream = m_current;
    m_current = nullptr;
    if (!stream)
        return;
    const auto pending = m_pending.find(stream);
    if (pending != m_pending.end())
        pending->second = nullptr;
    else if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
}

void PulsePlayer::ContextState(pa_context*, void* self)
{
    pa_threaded_mainloop_signal(static_cast<PulsePlayer*>(self)->m_loop, 0);
}

void PulsePlayer::ConnectTimedOut(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self)
{
    auto* player = static_cast<PulsePlayer*>(self);
    player->m_timedOut = true;
    pa_threaded_mainloop_signal(player->m_loop, 0);
}

void PulsePlayer::StreamState(pa_stream* stream, void* self)
{
    auto* player = static_cast<PulsePlayer*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
        const auto pending = player->m_pending.find(stream);
        if (pending == player->m_pending.end())
            return;
        const Sound* sound = pending->second;
        player->m_pending.erase(pending);
        if (!sound) { // replaced before it could start
            pa_stream_disconnect(stream);
            return;
        }
        // All of it at once (the server queues it), then start even a sound
        // shorter than the prebuffer, and end the stream when it has played.
        pa_stream_write(stream, sound->pcm.data(), sound->pcm.size(), nullptr, 0, PA_SEEK_RELATIVE);
        if (pa_operation* op = pa_stream_trigger(stream, nullptr, nullptr))
            pa_operation_unref(op);
        if (pa_operation* op = pa_stream_drain(stream, StreamDrained, self))
            pa_operation_unref(op);
        return;
    }
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        player->m_pending.erase(stream);
        if (player->m_current == stream)
            player->m_current = nullptr;
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        return;
    default:
        return;
    }
}

void PulsePlayer::StreamDrained(pa_stream* stream, int, void* self)
{
    auto* player = static_cast<PulsePlayer*>(self);
    if (player->m_current == stream)
        player->m_current = nullptr;
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
}

} // namespace platform

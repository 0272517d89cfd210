#pragma once
// The samples of a RIFF WAVE file, as the sound module takes them.
#include <QByteArray>

namespace platform {

struct WaveSound {
    quint32 rate = 0;
    quint16 channels = 0;
    quint16 bitsPerSample = 0;
    QByteArray pcm; // whole frames only

    bool IsValid() const { return !pcm.isEmpty(); }
};

// Integer PCM of 8 or 16 bits in one to eight channels; anything else, or a
// file without samples, gives a sound that is not valid. A data chunk longer
// than the file is cut to what is there.
WaveSound ParseWave(const QByteArray& file);

} // namespace platform

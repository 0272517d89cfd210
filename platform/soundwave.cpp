#include "platform/soundwave.h"

#include <QtEndian>

namespace platform {

namespace {

quint16 Word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 DoubleWord(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

WaveSound ParseWave(const QByteArray& file)
{
    constexpr quint16 PcmFormat = 1;
    WaveSound sound;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return {};
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = DoubleWord(file, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = qMin(size, file.size() - body);
        if (id == "fmt ") {
            if (available < 16 || Word(file, body) != PcmFormat)
                return {};
            sound.channels = Word(file, body + 2);
            sound.rate = DoubleWord(file, body + 4);
            sound.bitsPerSample = Word(file, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return {};
            const bool known = (sound.bitsPerSample == 8 || sound.bitsPerSample == 16)
                               && sound.channels >= 1 && sound.channels <= 8 && sound.rate > 0;
            if (!known)
                return {};
            const qsizetype frame = sound.channels * sound.bitsPerSample / 8;
            sound.pcm = file.mid(body, available - available % frame);
            return sound.pcm.isEmpty() ? WaveSound{} : sound;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return {};
}

} // namespace platform

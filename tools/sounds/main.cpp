// Synthesises the game's four sounds from plain sample arithmetic and writes
// them as 16-bit mono PCM wave files at 22050 Hz:
//   PlayCard  a short card snap
//   NoPlay    a low two-tone buzz
//   YouWon    a rising arpeggio
//   YouLost   a falling, wobbling phrase
// The noise comes from a fixed-seed generator, so every run writes the same
// bytes.
//
//   velto_sounds [source-dir]     writes <source-dir>/resources/sounds/*.wav

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#ifndef VELTO_SOURCE_DIR
#define VELTO_SOURCE_DIR "."
#endif

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 2.0 * std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds)
{
    return Samples(static_cast<std::size_t>(seconds * kRate), 0.0);
}

// Mix b into a starting at the given time, growing a as needed.
void mixAt(Samples& a, const Samples& b, double atSeconds, double gain = 1.0)
{
    const auto start = static_cast<std::size_t>(atSeconds * kRate);
    if (a.size() < start + b.size())
        a.resize(start + b.size(), 0.0);
    for (std::size_t i = 0; i < b.size(); ++i)
        a[start + i] += gain * b[i];
}

// A linear attack and a release at the end, in seconds, to avoid clicks.
void envelope(Samples& s, double attack, double release)
{
    const double n = static_cast<double>(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double left = (n - static_cast<double>(i)) / kRate;
        double g = 1.0;
        if (attack > 0 && t < attack)
            g = t / attack;
        if (release > 0 && left < release)
            g = std::min(g, left / release);
        s[i] *= g;
    }
}

class Noise
{
public:
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t m_state = 0x5EED1234u;
};

Samples playCard()
{
    // A bright burst of noise that dies within a few milliseconds, a second
    // smaller one as the card settles, and a soft thump under both.
    Samples s = silence(0.08);
    Noise noise;
    double low = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double n = noise.next();
        low += 0.35 * (n - low);
        const double high = n - low; // crude high-pass: the crisp part of the snap
        double v = high * std::exp(-t / 0.006) * 0.9;
        if (t > 0.018)
            v += high * std::exp(-(t - 0.018) / 0.008) * 0.35;
        v += std::sin(kTau * 140.0 * t) * std::exp(-t / 0.015) * 0.45;
        s[i] = v * 0.75;
    }
    envelope(s, 0.0005, 0.01);
    return s;
}

Samples buzzTone(double freq, double seconds)
{
    // A square wave rounded off by a soft clip: rough and low, but not harsh.
    Samples s = silence(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double raw = std::sin(kTau * freq * t) + 0.35 * std::sin(kTau * 3 * freq * t) +
                           0.2 * std::sin(kTau * 5 * freq * t);
        s[i] = std::tanh(2.0 * raw) * 0.32;
    }
    envelope(s, 0.008, 0.03);
    return s;
}

Samples noPlay()
{
    Samples s = silence(0.4);
    mixAt(s, buzzTone(233.0, 0.17), 0.0);
    mixAt(s, buzzTone(175.0, 0.20), 0.19);
    s.resize(static_cast<std::size_t>(0.4 * kRate));
    return s;
}

// A bell-like note: a few harmonics that fade at different speeds.
Samples bell(double freq, double seconds, double decay)
{
    Samples s = silence(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] = (std::sin(kTau * freq * t) * std::exp(-t / decay) +
                0.4 * std::sin(kTau * 2 * freq * t) * std::exp(-t / (decay * 0.5)) +
                0.15 * std::sin(kTau * 3 * freq * t) * std::exp(-t / (decay * 0.3))) *
               0.42;
    }
    envelope(s, 0.004, 0.05);
    return s;
}

Samples youWon()
{
    // C major arpeggio up to the octave, the last note held, with a sparkle
    // on the top.
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    Samples s = silence(1.2);
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        mixAt(s, bell(notes[i], last ? 0.75 : 0.4, last ? 0.35 : 0.18), 0.13 * i, 0.8);
    }
    mixAt(s, bell(1318.51, 0.5, 0.2), 0.52, 0.35);
    mixAt(s, bell(1567.98, 0.45, 0.2), 0.62, 0.3);
    s.resize(static_cast<std::size_t>(1.2 * kRate));
    envelope(s, 0.0, 0.05);
    return s;
}

// A muted brass-like note with an optional slow wobble.
Samples wah(double freq, double seconds, double wobble)
{
    Samples s = silence(seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = freq * (1.0 + wobble * std::sin(kTau * 5.5 * t));
        phase += kTau * f / kRate;
        // The brightness swells and falls within each note: the "wah".
        const double open = std::sin(std::numbers::pi * std::min(1.0, t / seconds));
        double v = 0.0;
        for (int h = 1; h <= 6; ++h)
            v += std::sin(h * phase) / h * std::pow(0.35 + 0.55 * open, h - 1);
        s[i] = v * 0.38;
    }
    envelope(s, 0.02, 0.06);
    return s;
}

Samples youLost()
{
    // Four notes stepping down by semitones, the last one long and wobbling.
    Samples s = silence(1.2);
    const double notes[] = {392.00, 369.99, 349.23, 329.63};
    mixAt(s, wah(notes[0], 0.24, 0.0), 0.0);
    mixAt(s, wah(notes[1], 0.24, 0.0), 0.25);
    mixAt(s, wah(notes[2], 0.24, 0.0), 0.50);
    mixAt(s, wah(notes[3], 0.44, 0.012), 0.75);
    s.resize(static_cast<std::size_t>(1.2 * kRate));
    return s;
}

void put(std::string& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool writeWave(const std::filesystem::path& file, const Samples& s)
{
    std::string data;
    data.reserve(s.size() * 2);
    for (double v : s) {
        const double clipped = std::clamp(v, -1.0, 1.0);
        const auto sample = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
        put(data, static_cast<std::uint16_t>(sample), 2);
    }
    std::string out;
    out += "RIFF";
    put(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, 1, 2); // mono
    put(out, kRate, 4);
    put(out, kRate * 2, 4); // bytes per second
    put(out, 2, 2);         // block align
    put(out, 16, 2);        // bits per sample
    out += "data";
    put(out, static_cast<std::uint32_t>(data.size()), 4);
    out += data;

    // Write beside the target and rename, so a failed run leaves the old file.
    const std::filesystem::path temp = file.string() + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f.write(out.data(), static_cast<std::streamsize>(out.size())))
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    return !ec;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path root = argc > 1 ? argv[1] : VELTO_SOURCE_DIR;
    const std::filesystem::path dir = root / "resources" / "sounds";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    struct Sound
    {
        const char* name;
        Samples samples;
    };
    const Sound sounds[] = {{"PlayCard", playCard()},
                            {"NoPlay", noPlay()},
                            {"YouWon", youWon()},
                            {"YouLost", youLost()}};
    for (const Sound& s : sounds) {
        const auto file = dir / (std::string(s.name) + ".wav");
        if (!writeWave(file, s.samples)) {
            std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
            return 1;
        }
        double peak = 0;
        for (double v : s.samples)
            peak = std::max(peak, std::abs(v));
        std::printf("%-8s %5.0f ms  peak %.2f\n", s.name,
                    1000.0 * static_cast<double>(s.samples.size()) / kRate, peak);
    }
    return 0;
}

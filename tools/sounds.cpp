// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace gen {
namespace {

// Pitches of the C major pentatonic scale (plus a few neighbours), in hertz.
constexpr double E4 = 329.63, G4 = 392.00, A4 = 440.00, B4 = 493.88;
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.00;
constexpr double C6 = 1046.50, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98;

constexpr double kTwoPi = 6.283185307179586;
// Peak at -6 dBFS: loud enough to hear, far from clipping.
constexpr double kPeak = 0.5;
// Sustained sounds are also held to an average level of -18 dBFS, so that a
// soft "oops" never sounds louder than the bright success jingles.
constexpr double kRms = 0.126;

enum class Timbre {
    Marimba, // round mallet on wood: a fundamental with a quickly fading overtone
    Bell,    // small glockenspiel: inharmonic partials that ring on
    Wood,    // short hollow knock
    Soft,    // flute-like, slow attack: used for the friendly "oops"
};

struct Partial {
    double ratio;  // of the fundamental
    double amp;
    double decay;  // seconds to fall to 1/e
};

struct Voice {
    double attack;   // seconds
    std::vector<Partial> partials;
};

Voice voiceOf(Timbre timbre)
{
    switch (timbre) {
    case Timbre::Marimba:
        return {0.003, {{1, 1.0, 0.20}, {4.0, 0.22, 0.035}, {9.9, 0.04, 0.012}}};
    case Timbre::Bell:
        return {0.002, {{1, 1.0, 0.55}, {2.76, 0.30, 0.20}, {5.40, 0.10, 0.08}, {8.93, 0.03, 0.04}}};
    case Timbre::Wood:
        return {0.002, {{1, 1.0, 0.035}, {2.3, 0.35, 0.018}}};
    case Timbre::Soft:
        break;
    }
    return {0.035, {{1, 1.0, 0.9}, {2, 0.12, 0.5}, {3, 0.04, 0.3}}};
}

// Raised-cosine ramp from 0 to 1 over `length` seconds: no click at the edges.
double ramp(double t, double length)
{
    if (t >= length)
        return 1;
    if (t <= 0)
        return 0;
    return 0.5 - 0.5 * std::cos(kTwoPi / 2 * t / length);
}

// Envelope common to every note: soft attack, and a fade to silence at its end.
double envelope(double t, double length, double attack)
{
    const double release = std::min(0.04, length * 0.3);
    return ramp(t, attack) * ramp(length - t, release);
}

// A short piece of music mixed into one buffer.
class Tune {
public:
    void note(Timbre timbre, double start, double freq, double length, double gain = 1)
    {
        const Voice voice = voiceOf(timbre);
        const std::size_t first = index(start);
        const std::size_t count = index(length);
        grow(first + count);
        for (std::size_t i = 0; i < count; ++i) {
            const double t = double(i) / kSampleRate;
            double sum = 0;
            for (const Partial &partial : voice.partials) {
                if (freq * partial.ratio >= kSampleRate / 2.0)
                    continue;
                sum += partial.amp * std::exp(-t / partial.decay) * std::sin(kTwoPi * freq * partial.ratio * t);
            }
            samples_[first + i] += gain * envelope(t, length, voice.attack) * sum;
        }
    }

    // A sine whose pitch slides smoothly (bubbles, a sliding "oops").
    void glide(double start, double from, double to, double length, double attack, double gain = 1)
    {
        const std::size_t first = index(start);
        const std::size_t count = index(length);
        grow(first + count);
        double phase = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const double t = double(i) / kSampleRate;
            const double freq = from * std::pow(to / from, t / length);
            const double tone = std::sin(phase) + 0.1 * std::sin(2 * phase);
            samples_[first + i] += gain * envelope(t, length, attack) * tone;
            phase += kTwoPi * freq / kSampleRate;
        }
    }

    // The mix scaled to the common level.
    Signal finish() const
    {
        double peak = 0, energy = 0;
        for (double s : samples_) {
            peak = std::max(peak, std::abs(s));
            energy += s * s;
        }
        Signal out(samples_);
        if (peak > 0) {
            const double rms = std::sqrt(energy / double(samples_.size()));
            const double gain = std::min(kPeak / peak, kRms / rms);
            for (double &s : out)
                s *= gain;
        }
        return out;
    }

private:
    static std::size_t index(double seconds) { return std::size_t(std::lround(seconds * kSampleRate)); }
    void grow(std::size_t size)
    {
        if (samples_.size() < size)
            samples_.resize(size, 0.0);
    }
    Signal samples_;
};

// An arpeggio: the same timbre on each pitch, `step` seconds apart, each ringing `length`.
void arpeggio(Tune &tune, Timbre timbre, double start, double step, std::initializer_list<double> pitches,
              double length, double gain = 1)
{
    double t = start;
    for (double freq : pitches) {
        tune.note(timbre, t, freq, length, gain);
        t += step;
    }
}

Signal single(Timbre timbre, double freq, double length)
{
    Tune tune;
    tune.note(timbre, 0, freq, length);
    return tune.finish();
}

Signal bubble(double from, double to, double length)
{
    Tune tune;
    tune.glide(0, from, to, length, 0.004);
    return tune.finish();
}

// --- Clicks ---------------------------------------------------------------

Signal startUp()
{
    Tune tune;
    arpeggio(tune, Timbre::Marimba, 0, 0.085, {C5, E5, G5}, 0.25);
    tune.note(Timbre::Marimba, 0.255, C6, 0.32);
    tune.note(Timbre::Bell, 0.255, C6, 0.32, 0.35);
    return tune.finish();
}

Signal goodbye()
{
    Tune tune;
    arpeggio(tune, Timbre::Marimba, 0, 0.1, {G5, E5}, 0.25);
    tune.note(Timbre::Marimba, 0.2, C5, 0.3);
    tune.note(Timbre::Bell, 0.2, C6, 0.3, 0.2);
    return tune.finish();
}

// --- Success ----------------------------------------------------------------

Signal victoryArpeggio()
{
    Tune tune;
    arpeggio(tune, Timbre::Marimba, 0, 0.08, {C5, E5, G5}, 0.3);
    tune.note(Timbre::Marimba, 0.24, C6, 0.6);
    tune.note(Timbre::Bell, 0.24, C6, 0.7, 0.5);
    tune.note(Timbre::Bell, 0.34, E6, 0.6, 0.35);
    return tune.finish();
}

Signal victoryBells()
{
    Tune tune;
    arpeggio(tune, Timbre::Bell, 0, 0.11, {G5, C6, E6}, 0.4);
    tune.note(Timbre::Bell, 0.33, G6, 0.65);
    tune.note(Timbre::Marimba, 0.33, C5, 0.5, 0.6);
    return tune.finish();
}

Signal victoryTaDa()
{
    Tune tune;
    for (double freq : {C5, E5, G5})
        tune.note(Timbre::Marimba, 0, freq, 0.15, 0.6);
    for (double freq : {C5, G5, C6})
        tune.note(Timbre::Marimba, 0.18, freq, 0.55, 0.6);
    tune.note(Timbre::Bell, 0.18, E6, 0.72, 0.5);
    return tune.finish();
}

Signal victoryRun()
{
    Tune tune;
    arpeggio(tune, Timbre::Marimba, 0, 0.055, {C5, D5, E5, G5, A5, C6, D6}, 0.2, 0.8);
    tune.note(Timbre::Marimba, 0.385, E6, 0.55);
    tune.note(Timbre::Bell, 0.385, C6, 0.7, 0.45);
    tune.note(Timbre::Bell, 0.5, E6, 0.55, 0.3);
    return tune.finish();
}

// --- Oops ---------------------------------------------------------------------

Signal oopsTwoNotes()
{
    Tune tune;
    tune.note(Timbre::Soft, 0, G4, 0.22);
    tune.note(Timbre::Soft, 0.22, E4, 0.42);
    return tune.finish();
}

Signal oopsSlide()
{
    Tune tune;
    tune.glide(0, 620, 330, 0.55, 0.04);
    return tune.finish();
}

Signal oopsMallets()
{
    Tune tune;
    tune.note(Timbre::Marimba, 0, D5, 0.25);
    tune.note(Timbre::Marimba, 0.18, A4, 0.4);
    tune.note(Timbre::Soft, 0.18, A4, 0.4, 0.3);
    return tune.finish();
}

Signal oopsThreeSteps()
{
    Tune tune;
    arpeggio(tune, Timbre::Soft, 0, 0.16, {E5, D5}, 0.2);
    tune.note(Timbre::Soft, 0.32, B4, 0.48);
    return tune.finish();
}

void putLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void putLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QList<NamedSound> programSounds()
{
    return {
        {QStringLiteral("1"), single(Timbre::Marimba, C5, 0.14)},
        {QStringLiteral("2"), single(Timbre::Wood, E6, 0.08)},
        {QStringLiteral("3"), startUp()},
        {QStringLiteral("4"), bubble(380, 820, 0.09)},
        {QStringLiteral("5"), goodbye()},
        {QStringLiteral("6"), single(Timbre::Marimba, G5, 0.12)},
        {QStringLiteral("7"), bubble(520, 1100, 0.08)},
        {QStringLiteral("8"), single(Timbre::Marimba, A5, 0.13)},
        {QStringLiteral("9"), single(Timbre::Wood, D6, 0.07)},
        {QStringLiteral("10"), single(Timbre::Bell, E6, 0.18)},
        {QStringLiteral("1.vic"), victoryArpeggio()},
        {QStringLiteral("2.vic"), victoryBells()},
        {QStringLiteral("3.vic"), victoryTaDa()},
        {QStringLiteral("4.vic"), victoryRun()},
        {QStringLiteral("1.def"), oopsTwoNotes()},
        {QStringLiteral("2.def"), oopsSlide()},
        {QStringLiteral("3.def"), oopsMallets()},
        {QStringLiteral("4.def"), oopsThreeSteps()},
    };
}

QByteArray wavBytes(const Signal &signal, int sampleRate)
{
    const quint16 channels = 1, bits = 16, blockAlign = channels * bits / 8;
    const quint32 dataSize = quint32(signal.size()) * blockAlign;
    QByteArray out;
    out.reserve(int(44 + dataSize));
    out.append("RIFF", 4);
    putLe32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    putLe32(out, 16);
    putLe16(out, 1); // plain PCM, which every player accepts
    putLe16(out, channels);
    putLe32(out, quint32(sampleRate));
    putLe32(out, quint32(sampleRate) * blockAlign);
    putLe16(out, blockAlign);
    putLe16(out, bits);
    out.append("data", 4);
    putLe32(out, dataSize);
    for (double s : signal) {
        const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        putLe16(out, quint16(qint16(v)));
    }
    return out;
}

} // namespace gen

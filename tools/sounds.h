// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sounds: soft clicks, success jingles and gentle "oops" tunes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

namespace gen {

inline constexpr int kSampleRate = 44100;

// Mono signal, samples in [-1, 1].
using Signal = std::vector<double>;

struct NamedSound {
    QString name;   // file name in datas
    Signal signal;
};

// Every sound file of the program, ready to be written.
QList<NamedSound> programSounds();

// A plain PCM WAV file (format tag 1), 16-bit mono.
QByteArray wavBytes(const Signal &signal, int sampleRate);

} // namespace gen

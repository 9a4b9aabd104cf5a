// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>
#include <memory>
#include <optional>

#include "soundplayer.h"

// Plays through the EffectSoundPlayer of a module opened by load(). Loaded
// with the program, Qt Multimedia and the audio libraries it pulls in would
// delay the first screen by several milliseconds, before main(); kept in the
// module, they are loaded with the sounds, after the first paint. The last
// sound asked for before then plays once the module is loaded. Without the
// module the program is silent, and prints missingNotice, with the reason.
class ModuleSoundPlayer final : public SoundPlayer {
public:
    // `module`: the module's path without its suffix.
    ModuleSoundPlayer(const QString& module, const QString& missingNotice, SoundFiles files);
    ~ModuleSoundPlayer() override;
    void play(const QString& name) override;
    void load() override;

    // The module's player once load() has found it.
    const SoundPlayer* player() const { return player_.get(); }

private:
    QLibrary module_;
    QString missingNotice_;
    SoundFiles files_;
    bool loaded_ = false;
    std::optional<QString> pending_;  // asked for before load()
    std::unique_ptr<SoundPlayer> player_;
};

// What the module exports, under this name: a new EffectSoundPlayer, owned by the caller.
using MakeSoundPlayer = SoundPlayer* (*)(const SoundFiles& files);
inline constexpr const char* MakeSoundPlayerSymbol = "klepsos_make_sound_player";

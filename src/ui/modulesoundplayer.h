// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "soundplayer.h"

// Plays through the EffectSoundPlayer of a module opened by load(). Qt
// Multimedia and the audio libraries it pulls in cost more to load than a
// bare window takes to start: kept out of the program, they are loaded with
// the sounds, after the first paint, rather than before main(). The last
// sound asked for before then plays once the module is loaded. Without the
// module the program is silent, and prints missingNotice, with the reason.
class ModuleSoundPlayer final : public SoundPlayer {
public:
    // `module`: the module's path without its suffix; the rest as for
    // EffectSoundPlayer.
    ModuleSoundPlayer(const QString& module, const QString& missingNotice, const QString& folder,
                      const QStringList& names, std::optional<QString> silentNotice = std::nullopt);
    ~ModuleSoundPlayer() override;
    void play(const QString& name) override;
    void load() override;

    // The module's player once load() has found it.
    const SoundPlayer* player() const { return player_.get(); }

private:
    QLibrary module_;
    QString missingNotice_;
    QString folder_;
    QStringList names_;
    std::optional<QString> silentNotice_;
    bool loaded_ = false;
    std::optional<QString> pending_;  // asked for before load()
    std::unique_ptr<SoundPlayer> player_;
};

// What the module exports, under this name: a new EffectSoundPlayer, owned by the caller.
using MakeSoundPlayer = SoundPlayer* (*)(const QString& folder, const QStringList& names,
                                         const std::optional<QString>& silentNotice);
inline constexpr const char* MakeSoundPlayerSymbol = "klepsos_make_sound_player";

// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulesoundplayer.h"

#include <cstdio>
#include <utility>

ModuleSoundPlayer::ModuleSoundPlayer(const QString& module, const QString& missingNotice, SoundFiles files)
    : module_(module), missingNotice_(missingNotice), files_(std::move(files))
{
}

// The player goes before the module that holds its code; the module stays
// loaded to the end, as Qt Multimedia does not expect to be unloaded.
ModuleSoundPlayer::~ModuleSoundPlayer() = default;

void ModuleSoundPlayer::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    const auto make = reinterpret_cast<MakeSoundPlayer>(module_.resolve(MakeSoundPlayerSymbol));
    if (make)
        player_.reset(make(files_));
    if (!player_) {
        std::fprintf(stderr, "%s\n%s\n", missingNotice_.toLocal8Bit().constData(),
                     module_.errorString().toLocal8Bit().constData());
        return;
    }
    if (pending_)
        player_->play(*std::exchange(pending_, std::nullopt));
    player_->load();
}

std::unique_ptr<SoundPlayer> makePlatformSoundPlayer(const QString& module, const QString& missingNotice,
                                                     SoundFiles files)
{
    return std::make_unique<ModuleSoundPlayer>(module, missingNotice, std::move(files));
}

void ModuleSoundPlayer::play(const QString& name)
{
    if (!loaded_)
        pending_ = name;
    else if (player_)
        player_->play(name);
}

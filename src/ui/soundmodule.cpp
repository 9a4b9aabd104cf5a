// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's entry point (see ModuleSoundPlayer).
#include "modulesoundplayer.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT SoundPlayer* klepsos_make_sound_player(const SoundFiles& files)
{
    return new EffectSoundPlayer(files);
}

static_assert(std::is_same_v<decltype(&klepsos_make_sound_player), MakeSoundPlayer>);

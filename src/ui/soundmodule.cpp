// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's entry point (see ModuleSoundPlayer).
#include "modulesoundplayer.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT SoundPlayer* klepsos_make_sound_player(const QString& folder, const QStringList& names,
                                                                const std::optional<QString>& silentNotice)
{
    return new EffectSoundPlayer(folder, names, silentNotice);
}

static_assert(std::is_same_v<decltype(&klepsos_make_sound_player), MakeSoundPlayer>);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundplayer.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <cstdio>
#include <utility>
#include <windows.h>
#include <mmsystem.h>

namespace {

// A sound file is a second or two of PCM: a larger file is not one.
constexpr qint64 tailleMaxSon = 8 * 1024 * 1024;

// The sounds through Windows's own player of WAV files (winmm), which every
// Windows has: no multimedia framework to load. The files are read once by
// load() and played from memory, so that a click never waits for the disk;
// the system's player cuts the sound before when it starts the next one.
class WinmmSoundPlayer final : public SoundPlayer {
public:
    explicit WinmmSoundPlayer(SoundFiles files) : files_(std::move(files)) {}
    // The sound still playing stops before its bytes go.
    ~WinmmSoundPlayer() override { PlaySoundW(nullptr, nullptr, 0); }

    void play(const QString& name) override
    {
        if (!loaded_) {
            pending_ = name;
            return;
        }
        const auto it = sons_.constFind(name);
        if (it == sons_.cend()) {
            // A missing or unreadable file is silence, and still cuts the sound before.
            PlaySoundW(nullptr, nullptr, 0);
            return;
        }
        PlaySoundW(reinterpret_cast<LPCWSTR>(it->constData()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }

    void load() override
    {
        if (loaded_)
            return;
        loaded_ = true;
        if (waveOutGetNumDevs() == 0 && files_.silentNotice)
            std::fprintf(stderr, "%s\n", files_.silentNotice->toLocal8Bit().constData());
        const QDir dossier(files_.folder);
        for (const QString& nom : std::as_const(files_.names)) {
            QFile f(dossier.filePath(nom));
            if (!f.open(QIODevice::ReadOnly) || f.size() > tailleMaxSon)
                continue;
            const QByteArray octets = f.readAll();
            if (octets.startsWith("RIFF"))
                sons_.insert(nom, octets);
        }
        if (pending_)
            play(*std::exchange(pending_, std::nullopt));
    }

private:
    SoundFiles files_;
    bool loaded_ = false;
    std::optional<QString> pending_;  // asked for before load()
    QHash<QString, QByteArray> sons_;
};

}  // namespace

std::unique_ptr<SoundPlayer> makePlatformSoundPlayer(const QString&, const QString&, SoundFiles files)
{
    return std::make_unique<WinmmSoundPlayer>(std::move(files));
}

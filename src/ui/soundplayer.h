// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSoundEffect;

// Plays the short sounds of the program by file name. A new sound always
// cuts the one before; nothing ever waits for a sound to end.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& name) = 0;
    // Gets every sound ready. Start-up calls it once the first screen is on
    // view, so that the window does not wait for the audio system; a player
    // with nothing to load ignores it.
    virtual void load() {}
};

// What a player plays: the WAV files of one folder, by name, and the notice
// printed once on a machine without audio output, when one is given.
struct SoundFiles {
    QString folder;
    QStringList names;
    std::optional<QString> silentNotice = std::nullopt;
};

// The player of the system the program was built for, one source file per
// system: on Linux the module holding Qt Multimedia (ModuleSoundPlayer,
// `module` its path without suffix, `missingNotice` printed when it cannot be
// opened); on Windows the system's own player of WAV files.
std::unique_ptr<SoundPlayer> makePlatformSoundPlayer(const QString& module, const QString& missingNotice,
                                                     SoundFiles files);

// Plays WAV files of one folder through QSoundEffect. The files, and with
// them Qt Multimedia and the audio device, are opened by load(), once. The
// last sound asked for before that is kept and played as soon as the files
// are loaded (any earlier one would have been cut by it anyway). A missing
// or unplayable file, or no audio device, is silence.
//
// With no audio output at all nothing is loaded, and Qt Multimedia's own
// warnings about it (one per sound) are dropped: the console shows the
// silent notice instead.
class EffectSoundPlayer final : public SoundPlayer {
public:
    explicit EffectSoundPlayer(SoundFiles files);
    ~EffectSoundPlayer() override;
    void play(const QString& name) override;
    void load() override;

    bool isLoaded() const { return loaded_; }
    // The sound last played since load(), heard or silent; none before.
    const std::optional<QString>& lastPlayed() const { return last_; }

private:
    SoundFiles files_;
    bool loaded_ = false;
    std::optional<QString> pending_;  // asked for before load()
    std::optional<QString> last_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

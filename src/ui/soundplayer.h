#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QSoundEffect;

// Plays the short sounds of the program by file name. A new sound always
// cuts the one before; nothing ever waits for a sound to end.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& name) = 0;
};

// Plays WAV files of one folder through QSoundEffect. Every file is loaded
// once, up front. A missing or unplayable file, or no audio device, is
// silence.
//
// With no audio output at all nothing is loaded, and Qt Multimedia's own
// warnings about it (one per sound) are dropped: the console shows
// silentNotice once instead, when one is given.
class EffectSoundPlayer final : public SoundPlayer {
public:
    EffectSoundPlayer(const QString& folder, const QStringList& names,
                      const QString& silentNotice = QString());
    ~EffectSoundPlayer() override;
    void play(const QString& name) override;

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

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
class EffectSoundPlayer final : public SoundPlayer {
public:
    EffectSoundPlayer(const QString& folder, const QStringList& names);
    ~EffectSoundPlayer() override;
    void play(const QString& name) override;

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

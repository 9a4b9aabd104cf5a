#include "soundplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

EffectSoundPlayer::EffectSoundPlayer(const QString& folder, const QStringList& names)
{
    const QDir dir(folder);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        auto* effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
        effects_.insert(name, effect);
    }
}

EffectSoundPlayer::~EffectSoundPlayer()
{
    qDeleteAll(effects_);
}

void EffectSoundPlayer::play(const QString& name)
{
    if (current_)
        current_->stop();
    current_ = effects_.value(name);
    if (current_ && current_->status() != QSoundEffect::Error)
        current_->play();
}

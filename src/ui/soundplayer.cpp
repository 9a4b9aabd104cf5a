// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>
#include <utility>

namespace {

// What Qt Multimedia prints without a sound server or device: once when it
// looks for one, and once for each sound it loads.
bool isNoAudioWarning(const QString& message)
{
    return message == QLatin1String("No audio device detected")
        || message.startsWith(QLatin1String("PulseAudioService: pa_context_connect() failed"));
}

QtMessageHandler previousHandler = nullptr;

void dropNoAudioWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && isNoAudioWarning(message))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

EffectSoundPlayer::EffectSoundPlayer(SoundFiles files) : files_(std::move(files))
{
}

EffectSoundPlayer::~EffectSoundPlayer()
{
    qDeleteAll(effects_);
}

void EffectSoundPlayer::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    // Installed once for the run: the warnings may come later, as the
    // sounds load, and a second player must not chain the filter to itself.
    static const bool filtering = [] {
        previousHandler = qInstallMessageHandler(dropNoAudioWarnings);
        return true;
    }();
    Q_UNUSED(filtering);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        if (files_.silentNotice)
            std::fprintf(stderr, "%s\n", files_.silentNotice->toLocal8Bit().constData());
    } else {
        const QDir dir(files_.folder);
        for (const QString& name : std::as_const(files_.names)) {
            const QString path = dir.filePath(name);
            if (!QFileInfo::exists(path))
                continue;
            auto* effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(path));
            effects_.insert(name, effect);
        }
    }
    if (pending_)
        play(*std::exchange(pending_, std::nullopt));
}

void EffectSoundPlayer::play(const QString& name)
{
    if (!loaded_) {
        pending_ = name;
        return;
    }
    last_ = name;
    if (current_)
        current_->stop();
    current_ = effects_.value(name);
    // One still loading starts once it is loaded.
    if (current_ && current_->status() != QSoundEffect::Error)
        current_->play();
}

#include "soundplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

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

EffectSoundPlayer::EffectSoundPlayer(const QString& folder, const QStringList& names,
                                     const QString& silentNotice)
{
    // Installed once for the run: the warnings may come later, as the
    // sounds load, and a second player must not chain the filter to itself.
    static const bool filtering = [] {
        previousHandler = qInstallMessageHandler(dropNoAudioWarnings);
        return true;
    }();
    Q_UNUSED(filtering);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        if (!silentNotice.isEmpty())
            std::fprintf(stderr, "%s\n", silentNotice.toLocal8Bit().constData());
        return;
    }
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "modulevoix.h"

#include <QProcess>
#include <cstdio>

#include "protocolevoix.h"

namespace {

using protocolevoix::Genre;

void direSurLaConsole(const QString& raison)
{
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("Klepsos fonctionne sans voix : %1.").arg(raison).toLocal8Bit().constData());
}

// How long the destruction waits for a voice not ended before.
constexpr int attenteDestructionMs = 300;

}  // namespace

ModuleVoix::ModuleVoix(const QString& programme, QObject* parent) : Voix(parent), programme_(programme)
{
}

ModuleVoix::~ModuleVoix()
{
    finir(attenteDestructionMs);
}

void ModuleVoix::charger()
{
    if (processus_ || fini_)
        return;
    processus_ = new QProcess(this);
    // Its console lines are the program's.
    processus_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(processus_, &QProcess::readyReadStandardOutput, this, &ModuleVoix::lire);
    connect(processus_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart && !fini_)
            direSurLaConsole(QStringLiteral("son module est introuvable (%1)").arg(processus_->errorString()));
    });
    connect(processus_, &QProcess::finished, this, [this] {
        if (!fini_)
            perdre(QStringLiteral("son module s'est arrêté"));
    });
    processus_->start(programme_, {});
}

void ModuleVoix::lire()
{
    while (processus_->canReadLine()) {
        QByteArray l = processus_->readLine();
        l.chop(1);
        const auto m = protocolevoix::lire(l);
        if (!m)
            continue;
        switch (m->genre) {
        case Genre::Voix:
            if (!disponible_) {
                nomVoix_ = m->texte;
                disponible_ = true;
                emit disponibiliteChangee(true);
            }
            break;
        case Genre::SansVoix:
            direSurLaConsole(m->texte);
            break;
        case Genre::Parle:
        case Genre::Silence:
            changerParle(m->genre == Genre::Parle);
            break;
        case Genre::Dire:
        case Genre::Arreter:
            break;
        }
    }
}

void ModuleVoix::changerParle(bool oui)
{
    if (parle_ == oui)
        return;
    parle_ = oui;
    emit parleChange(oui);
}

void ModuleVoix::perdre(const QString& raison)
{
    direSurLaConsole(raison);
    changerParle(false);
    if (disponible_) {
        disponible_ = false;
        emit disponibiliteChangee(false);
    }
}

void ModuleVoix::envoyer(const QByteArray& ligne)
{
    if (disponible_ && processus_->state() == QProcess::Running)
        processus_->write(ligne);
}

void ModuleVoix::dire(const QString& texte)
{
    envoyer(protocolevoix::ligne({Genre::Dire, texte}));
}

void ModuleVoix::arreter()
{
    envoyer(protocolevoix::ligne({Genre::Arreter, {}}));
}

void ModuleVoix::finir(int attenteMs)
{
    if (fini_)
        return;
    fini_ = true;
    if (!processus_ || processus_->state() == QProcess::NotRunning)
        return;
    processus_->write(protocolevoix::ligne({Genre::Arreter, {}}));
    // The end of its input is the end of the voice's program.
    processus_->closeWriteChannel();
    if (!processus_->waitForFinished(attenteMs)) {
        processus_->kill();
        processus_->waitForFinished(attenteMs);
    }
}

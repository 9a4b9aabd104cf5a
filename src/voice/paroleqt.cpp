// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's own voice through Qt TextToSpeech
// (Speech Dispatcher on Linux, SAPI on Windows), in French, with the best
// French voice the engine offers. The engine lives on a thread of its own:
// Speech Dispatcher may take seconds to start, or never answer, and the
// screens must not wait for it.
#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <sys/resource.h>

#include "choixvoix.h"
#include "parole.h"

namespace {

// The voice's nice value: the screens' threads first.
constexpr int prioriteVoix = 10;

// On the voice's thread: the engine, its voice, and what it says.
class MoteurParole final : public QObject {
    Q_OBJECT

public:
    void demarrer()
    {
        if (QTextToSpeech::availableEngines().isEmpty())
            return emit pret(false, QStringLiteral("aucun moteur de synthèse vocale n'est installé"));
        tts_ = new QTextToSpeech(this);
        if (tts_->state() == QTextToSpeech::Error)
            return emit pret(false, QStringLiteral("le moteur de synthèse vocale est en erreur (%1)")
                                        .arg(tts_->errorString()));
        // Qt 6.4 lists an engine's voices one language at a time.
        QList<voix::VoixOfferte> offertes;
        QList<QVoice> voixQt;
        for (const QLocale& langue : tts_->availableLocales()) {
            if (langue.language() != QLocale::French)
                continue;
            tts_->setLocale(langue);
            for (const QVoice& v : tts_->availableVoices()) {
                offertes.append({v.name(), langue});
                voixQt.append(v);
            }
        }
        const qsizetype meilleure = voix::meilleureVoix(offertes);
        if (meilleure < 0)
            return emit pret(false, QStringLiteral("aucune voix française n'a été trouvée"));
        tts_->setLocale(offertes[meilleure].langue);
        tts_->setVoice(voixQt[meilleure]);
        // A little slower than the engine's own pace: the listeners are six.
        tts_->setRate(-0.1);
        connect(tts_, &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State etat) { emit parle(etat == QTextToSpeech::Speaking); });
        emit pret(true, tts_->voice().name());
    }

    void dire(const QString& texte)
    {
        if (!tts_)
            return;
        tts_->stop();
        tts_->say(texte);
    }

    void arreter()
    {
        if (tts_)
            tts_->stop();
    }

signals:
    void pret(bool disponible, const QString& voixOuRaison);
    void parle(bool oui);

private:
    QTextToSpeech* tts_ = nullptr;
};

// How long the voice's end waits for an engine that is still busy.
constexpr int attenteFinMs = 500;

class ParoleQt final : public Parole {
public:
    explicit ParoleQt(const RappelsParole& rappels)
    {
        fil_->setObjectName(QStringLiteral("voix"));
        moteur_ = new MoteurParole;
        moteur_->moveToThread(fil_);
        QObject::connect(fil_, &QThread::finished, moteur_, &QObject::deleteLater);
        QObject::connect(fil_, &QThread::started, moteur_, &MoteurParole::demarrer);
        // Queued to the program's thread through relais_, which lives there.
        QObject::connect(moteur_, &MoteurParole::pret, &relais_, rappels.pret);
        QObject::connect(moteur_, &MoteurParole::parle, &relais_, rappels.parle);
        fil_->start(QThread::LowPriority);
    }

    // A thread still inside the engine is left to itself: destroying a
    // running QThread aborts the process, and the engine's call cannot be
    // cut. Its later calls to the program find relais_ gone.
    ~ParoleQt() override
    {
        if (finir(attenteFinMs))
            delete fil_;
    }

    bool finir(int attenteMs) override
    {
        if (fil_->isFinished())
            return true;
        // After what was asked before it (a last "stop"), unless the engine
        // is stuck inside a call.
        QMetaObject::invokeMethod(moteur_, [] { QThread::currentThread()->quit(); }, Qt::QueuedConnection);
        return fil_->wait(QDeadlineTimer(attenteMs));
    }

    void dire(const QString& texte) override
    {
        QMetaObject::invokeMethod(moteur_, [m = moteur_, texte] { m->dire(texte); }, Qt::QueuedConnection);
    }

    void arreter() override
    {
        QMetaObject::invokeMethod(moteur_, [m = moteur_] { m->arreter(); }, Qt::QueuedConnection);
    }

private:
    QObject relais_;
    QThread* fil_ = new QThread;
    MoteurParole* moteur_;
};

}  // namespace

std::unique_ptr<Parole> nouvelleParole(const RappelsParole& rappels)
{
    // Below the screens: Speech Dispatcher, started from here, inherits it,
    // and its seconds of listing voices after Klepsos's start must not slow
    // a child's first click on a two-core computer. Threads made from now
    // on inherit it too.
    setpriority(PRIO_PROCESS, 0, prioriteVoix);
    return std::make_unique<ParoleQt>(rappels);
}

#include "paroleqt.moc"

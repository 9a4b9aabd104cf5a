// SPDX-License-Identifier: GPL-3.0-or-later
#include "envoiclasse.h"

#include <QDeadlineTimer>
#include <QTextStream>
#include <QThread>

#include "sonde.h"

EnvoiEnFond::EnvoiEnFond(QString local, QString classe, QString poste, QObject* parent)
    : QObject(parent), local_(std::move(local)), classe_(std::move(classe)), poste_(std::move(poste))
{
    delai_.setSingleShot(true);
    delai_.setInterval(delaiMs);
    reprise_.setSingleShot(true);
    reprise_.setInterval(repriseMs);
    connect(&delai_, &QTimer::timeout, this, &EnvoiEnFond::lancer);
    connect(&reprise_, &QTimer::timeout, this, &EnvoiEnFond::lancer);
}

EnvoiEnFond::~EnvoiEnFond()
{
    if (fil_)
        fil_->wait();
}

void EnvoiEnFond::demander()
{
    if (!delai_.isActive())
        delai_.start();
}

bool EnvoiEnFond::finir(int ms)
{
    delai_.stop();
    reprise_.stop();
    const QDeadlineTimer echeance(ms);
    if (fil_ && !fil_->wait(echeance))
        return false;
    const auto e = partage::avant<classe::Envoi>(int(echeance.remainingTime()), [l = local_, c = classe_, p = poste_] {
        return classe::synchroniser(l, c, p);
    });
    if (e)
        fini(*e);
    return e.has_value();
}

void EnvoiEnFond::lancer()
{
    if (fil_) {
        encore_ = true;
        return;
    }
    fil_.reset(QThread::create([this] { resultat_ = classe::synchroniser(local_, classe_, poste_); }));
    connect(fil_.get(), &QThread::finished, this, [this] {
        fil_->wait();
        fil_.reset();
        fini(resultat_);
        if (encore_) {
            encore_ = false;
            lancer();
        }
    });
    fil_->start(QThread::LowPriority);
}

void EnvoiEnFond::fini(const classe::Envoi& e)
{
    dernier_ = e;
    const QString ligne = classe::ligneAttente(e, classe_);
    if (ligne != derniereLigne_ && !ligne.isEmpty())
        QTextStream(stderr) << ligne << '\n';
    else if (ligne.isEmpty() && !derniereLigne_.isEmpty())
        QTextStream(stderr) << QStringLiteral("Klepsos : les réponses en attente sont arrivées dans le dossier de classe.\n");
    derniereLigne_ = ligne;
    if (!e.joignable || e.lignesEnAttente > 0)
        reprise_.start();
    emit termine(e);
}

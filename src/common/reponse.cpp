// SPDX-License-Identifier: GPL-3.0-or-later
#include "reponse.h"

#include <QLabel>

#include "routines.h"

ProtocoleReponse::ProtocoleReponse(Routines& r, const QString& activite, QWidget* encore,
                                   QList<QWidget*> fleches, std::function<bool()> reponseSaisie,
                                   std::function<void()> compterExercice)
    : r_(r), activite_(activite), encore_(encore), fleches_(std::move(fleches)),
      reponseSaisie_(std::move(reponseSaisie)), compterExercice_(std::move(compterExercice))
{
}

bool ProtocoleReponse::accepte() const
{
    return encore_->isHidden() && (!reponseSaisie_ || reponseSaisie_());
}

bool ProtocoleReponse::soumettre(const std::function<bool()>& juger,
                                 const std::function<void(bool)>& ecrire,
                                 const std::function<ReponseJugee()>& decrire)
{
    if (!accepte())
        return false;
    for (QWidget* f : fleches_)
        f->hide();
    encore_->show();
    const bool juste = juger();
    ReponseJugee trace = decrire();
    trace.activite = activite_;
    trace.niveau = niveau_;
    trace.seance = seance_;
    trace.juste = juste;
    r_.compterReponse(juste);
    for (TemoinReponse* t : std::as_const(temoins_))
        t->avantVerdict();
    ecrire(juste);
    for (TemoinReponse* t : std::as_const(temoins_))
        t->apresVerdict();
    r_.registre->enregistrer(trace);
    compterExercice_();
    return true;
}

void ProtocoleReponse::ouvrir()
{
    encore_->hide();
    for (QWidget* f : fleches_)
        f->show();
    for (TemoinReponse* t : std::as_const(temoins_))
        t->ouverte();
}

bool aQuitteAttente(const QLabel* label, const QString& attente)
{
    return label->text() != attente;
}

QString ceQuiManque(const QList<PartieReponse>& manquantes)
{
    if (manquantes.isEmpty())
        return {};
    QString noms = manquantes.first().nom;
    for (qsizetype i = 1; i < manquantes.size(); ++i)
        noms += (i + 1 == manquantes.size() ? QStringLiteral(" et ") : QStringLiteral(", ")) + manquantes[i].nom;
    const QString pronom = manquantes.size() > 1 ? QStringLiteral("les") : manquantes.first().pronom;
    return QStringLiteral("Il manque %1 : choisissez-%2 avec les flèches.").arg(noms, pronom);
}

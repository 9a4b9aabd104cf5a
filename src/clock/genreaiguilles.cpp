// SPDX-License-Identifier: GPL-3.0-or-later
#include "genreaiguilles.h"

#include "common/journee.h"
#include "ecranaiguilles.h"

QStringList GenreAiguilles::niveaux() const
{
    return clesNiveaux();
}

QString GenreAiguilles::cadran() const
{
    return niveau_ == aiguilles::Niveau::AvecSecondes ? aiguilles::texteSecondes(question_, secondes_)
                                                      : aiguilles::texte(question_);
}

QString GenreAiguilles::demande() const
{
    return niveau_ == aiguilles::Niveau::ApresMidi ? journee::numerique(question_ + journee::midi) : cadran();
}

question::Enonce GenreAiguilles::poser(const QString& niveau, RandomSource& hasard)
{
    niveau_ = aiguilles::depuisCle(niveau);
    // The dial starts at 12 h, never the time asked.
    question_ = aiguilles::tirer(hasard, niveau_, 0);
    const bool avecSecondes = niveau_ == aiguilles::Niveau::AvecSecondes;
    secondes_ = avecSecondes ? aiguilles::tirerSecondes(hasard) : 0;
    return {.texte = placer::enonce(demande()), .cadran = question::Cadran::ARegler, .minutes = 0,
            .secondes = avecSecondes};
}

question::Verdict GenreAiguilles::juger(const QList<int>& valeurs) const
{
    const int minutes = valeurs.value(0), secondes = valeurs.value(1);
    question::Verdict v;
    v.juste = minutes == question_ && secondes == secondes_;
    v.explication = v.juste ? placer::reussite(cadran(), demande())
                            : placer::erreur(cadran(), demande(), aiguilles::aiguillesInversees(minutes, question_));
    if (!v.juste) {
        v.aiguilles = question_;
        v.secondes = secondes_;
    }
    const bool avecSecondes = niveau_ == aiguilles::Niveau::AvecSecondes;
    v.trace = {.question = placer::question(demande()),
               .reponse = avecSecondes ? aiguilles::texteSecondes(minutes, secondes) : aiguilles::texte(minutes),
               .attendue = cadran()};
    return v;
}

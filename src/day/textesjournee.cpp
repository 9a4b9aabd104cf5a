// SPDX-License-Identifier: GPL-3.0-or-later
#include "textesjournee.h"

#include "clock/aiguilles.h"
#include "common/journee.h"
#include "common/texte.h"

namespace ecranjour {

QString ditApresErreur(bool bonne, bool choisie)
{
    return bonne ? ditBonne : choisie ? ditChoisie : QString();
}

PartieReponse partieHeures(bool duree)
{
    return duree ? PartieReponse{QStringLiteral("les heures"), QStringLiteral("les")} : partie::heure;
}

QString deMoment(journee::Moment m)
{
    switch (m) {
    case journee::Moment::Nuit:
        return QStringLiteral("de la nuit");
    case journee::Moment::Matin:
        return QStringLiteral("du matin");
    case journee::Moment::Midi:
        return QStringLiteral("de midi");
    case journee::Moment::ApresMidi:
        return QStringLiteral("de l'après-midi");
    case journee::Moment::Soir:
        break;
    }
    return QStringLiteral("du soir");
}

QString enonceNumerique(journee::Moment m)
{
    return QStringLiteral("C'est une heure ") + deMoment(m)
         + QStringLiteral(".\nÉcris-la comme sur\nune horloge numérique.");
}

QString phrase(const QString& s)
{
    return texte::majusculeInitiale(s) + QLatin1Char('.');
}

QString siInversees(int donnee, int attendue)
{
    return aiguilles::aiguillesInversees(donnee, attendue) ? QLatin1Char('\n') + aiguilles::phraseInversion()
                                                           : QString();
}

QString verdictNumerique(int t, int donnee)
{
    if (donnee == t)
        return QStringLiteral("Bravo ! ") + phrase(journee::explicationConversion(t));
    return QStringLiteral("Erreur, c'est ") + journee::numerique(t) + QStringLiteral(". ")
         + phrase(journee::explicationConversion(t)) + siInversees(donnee, aiguilles::surCadran(t));
}

QString verdictCadranChoisi(int t, int donnee)
{
    const int attendue = aiguilles::surCadran(t);
    const QString pourquoi = phrase(journee::explicationConversion(t));
    if (donnee == attendue)
        return QStringLiteral("Bravo ! ") + pourquoi;
    return QStringLiteral("Erreur ! ") + pourquoi + bonneEntouree + siInversees(donnee, attendue);
}

QString verdictMots(int t, int donnee, bool versCadran)
{
    const int attendue = aiguilles::surCadran(t);
    const QString pourquoi = texte::majusculeInitiale(journee::explicationMots(t));
    if (donnee == attendue)
        return QStringLiteral("Bravo ! ") + pourquoi;
    return QStringLiteral("Erreur ! ") + pourquoi + (versCadran ? bonneEntouree : QString())
         + siInversees(donnee, attendue);
}

QString verdictDuree(const durees::Probleme& p, int heures, int minutes, int secondes)
{
    const QString etapes = durees::etapes(p) + QLatin1Char('.');
    if (durees::valeur(p, heures, minutes, secondes) == p.reponse())
        return QStringLiteral("Bravo ! ") + etapes;
    return QStringLiteral("Erreur, c'est ") + durees::attendue(p) + QStringLiteral(" : ") + etapes;
}

}  // namespace ecranjour

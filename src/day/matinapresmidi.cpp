// SPDX-License-Identifier: GPL-3.0-or-later
// "Matin ou après-midi ?": a dial's time written as a digital clock shows
// it, or the dial of a digital time found among three.
#include "clock/aiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "sectionjournee.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

using namespace ecranjour;

void EcranJournee::construireMatin()
{
    matin_ = sectionAHorloges(0, "matin_apres_midi", "matin", QStringLiteral("Matin ou après-midi ?"),
                              journee::niveauxMatin);
    Section& s = *matin_;
    heureMatin_ = reponseAvecFleche(r_, this, "heure_matin", "fleche_heure_matin", {s.x + 56, hautReponse}, 23, 1,
                                    libelleHeures, &flecheHeureMatin_);
    minuteMatin_ = reponseAvecFleche(r_, this, "minute_matin", "fleche_minute_matin", {s.x + 100, hautReponse}, 55,
                                     pasMinutes, deuxChiffres, &flecheMinuteMatin_);
    s.protocoleAvec({flecheHeureMatin_, flecheMinuteMatin_}, [this] {
        if (matinVersCadran_)
            return matin_->choisi >= 0 ? QString() : QStringLiteral("Choisissez d'abord une horloge.");
        QList<PartieReponse> manquantes;
        if (!aQuitteAttente(heureMatin_, attenteHeures))
            manquantes << partie::heure;
        if (!aQuitteAttente(minuteMatin_, attenteMinutes))
            manquantes << partie::minutes;
        return ceQuiManque(manquantes);
    }, &EcranJournee::jugerMatin, &EcranJournee::questionMatin);
}

void EcranJournee::questionMatin()
{
    Section& s = *matin_;
    s.ouvrir();
    const int pas = journee::niveauxMatin[s.niveau()].pas;
    tMatin_ = journee::tirer(r_.hasard, pas, tMatin_);
    matinVersCadran_ = tirage(r_.hasard, 2, 0) == 1;
    remettre(flecheHeureMatin_, heureMatin_, attenteHeures);
    remettre(flecheMinuteMatin_, minuteMatin_, attenteMinutes);
    for (QWidget* w : QList<QWidget*>{flecheHeureMatin_, flecheMinuteMatin_, heureMatin_, minuteMatin_})
        w->setVisible(!matinVersCadran_);
    s.montrerCadrans(matinVersCadran_);
    if (matinVersCadran_) {
        s.tCadrans = journee::cadransVoisins(tMatin_);
        s.tCadrans.insert(tirage(r_.hasard, nombreChoix, 0), aiguilles::surCadran(tMatin_));
        for (int i = 0; i < nombreChoix; ++i)
            s.cadrans[i]->setMinutes(s.tCadrans[i]);
        s.enonce->setCaption(insecable(QStringLiteral("Il est ") + journee::numerique(tMatin_)
                                       + QStringLiteral(".\nQuelle horloge montre\ncette heure ?")));
    } else {
        s.horloge->setMinutes(tMatin_);
        s.enonce->setCaption(QStringLiteral("Écrivez comme une horloge\nnumérique cette heure\n")
                             + deMoment(journee::moment(tMatin_)) + QLatin1Char('.'));
    }
    montrerMoment(0, tMatin_);
}

void EcranJournee::jugerMatin()
{
    Section& s = *matin_;
    const int attendue = aiguilles::surCadran(tMatin_);
    const int donnee = matinVersCadran_ ? s.tCadrans.value(s.choisi)
                                        : flecheHeureMatin_->value() * 60 + flecheMinuteMatin_->value();
    s.protocole->soumettre(
        [&] { return matinVersCadran_ ? donnee == attendue : donnee == tMatin_; },
        [&](bool juste) {
            s.apresReponse(juste);
            s.ecrireVerdict(juste, matinVersCadran_ ? verdictCadranChoisi(tMatin_, donnee) : verdictNumerique(tMatin_, donnee));
            if (!juste && matinVersCadran_)
                s.montrerBonne(attendue);
        },
        [&] {
            if (matinVersCadran_)
                return ReponseJugee{.question = QStringLiteral("Il est ") + journee::numerique(tMatin_)
                                                  + QStringLiteral(" : quelle horloge ?"),
                                    .reponse = aiguilles::texte(donnee),
                                    .attendue = aiguilles::texte(attendue)};
            return ReponseJugee{.question = QStringLiteral("Horloge ") + aiguilles::texte(attendue) + QLatin1Char(' ')
                                              + deMoment(journee::moment(tMatin_)),
                                .reponse = journee::numerique(donnee),
                                .attendue = journee::numerique(tMatin_)};
        });
}

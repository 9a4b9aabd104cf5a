// SPDX-License-Identifier: GPL-3.0-or-later
// "Problèmes de durées": an end, a start or a duration found in a sentence
// of a child's day.
#include "clock/aiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "sectionjournee.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

using namespace ecranjour;

void EcranJournee::construireDuree()
{
    QStringList cles, noms;
    for (durees::Niveau n : durees::niveaux) {
        cles << durees::cle(n);
        noms << durees::nom(n);
    }
    duree_ = std::make_unique<Section>(this, 2, "probleme_duree", "duree", QStringLiteral("Problèmes de durées"),
                                       cles, noms);
    Section& s = *duree_;
    s.enonce->setGeometry(s.x, hautEnonce, largeur, 150);
    heureDuree_ = reponseAvecFleche(r_, this, "heure_duree", "fleche_heure_duree", {s.x + 56, hautReponse - 30}, 23,
                                    1, libelleHeures, &flecheHeureDuree_);
    minuteDuree_ = reponseAvecFleche(r_, this, "minute_duree", "fleche_minute_duree", {s.x + 100, hautReponse - 30},
                                     55, pasMinutes,
                                     [this](int m) { return libelleMinutes(probleme_.cherche == durees::Cherche::Duree, m); },
                                     &flecheMinuteDuree_);
    s.protocoleAvec({flecheHeureDuree_, flecheMinuteDuree_}, [this] {
        QList<PartieReponse> manquantes;
        if (!aQuitteAttente(heureDuree_, attenteHeures))
            manquantes << partieHeures(probleme_.cherche == durees::Cherche::Duree);
        if (!aQuitteAttente(minuteDuree_, attenteMinutes))
            manquantes << partie::minutes;
        return ceQuiManque(manquantes);
    }, &EcranJournee::jugerDuree, &EcranJournee::questionDuree);
}

void EcranJournee::questionDuree()
{
    Section& s = *duree_;
    s.ouvrir();
    probleme_ = durees::tirer(r_.hasard, durees::Niveau(s.niveau()));
    remettre(flecheHeureDuree_, heureDuree_, attenteHeures);
    remettre(flecheMinuteDuree_, minuteDuree_, attenteMinutes);
    s.enonce->setCaption(insecable(durees::enonce(probleme_)));
}

void EcranJournee::jugerDuree()
{
    Section& s = *duree_;
    const int h = flecheHeureDuree_->value();
    const int m = flecheMinuteDuree_->value();
    s.protocole->soumettre(
        [&] { return h * 60 + m == probleme_.reponse(); },
        [&](bool juste) {
            s.apresReponse(juste);
            s.ecrireVerdict(juste, verdictDuree(probleme_, h, m));
        },
        [&] {
            return ReponseJugee{.question = durees::enonce(probleme_),
                                .reponse = durees::ecrireReponse(probleme_, h, m),
                                .attendue = durees::attendue(probleme_)};
        });
}

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
                                    1, journee::libelleHeures, &flecheHeureDuree_);
    minuteDuree_ = reponseAvecFleche(r_, this, "minute_duree", "fleche_minute_duree", {s.x + 100, hautReponse - 30},
                                     59, pasMinutes,
                                     [this](int m) {
                                         return journee::libelleMinutes(probleme_.cherche == durees::Cherche::Duree
                                                                            || durees::avecSecondes(probleme_),
                                                                        m);
                                     },
                                     &flecheMinuteDuree_);
    secondeDuree_ = reponseAvecFleche(r_, this, "seconde_duree", "fleche_seconde_duree", {s.x + 146, hautReponse - 30},
                                      59, 1, [](int sec) { return QStringLiteral("%1 s").arg(sec); }, &flecheSecondeDuree_);
    s.protocoleAvec({flecheHeureDuree_, flecheMinuteDuree_, flecheSecondeDuree_}, [this] {
        QList<PartieReponse> manquantes;
        if (!aQuitteAttente(heureDuree_, attenteHeures))
            manquantes << partieHeures(probleme_.cherche == durees::Cherche::Duree);
        if (!aQuitteAttente(minuteDuree_, attenteMinutes))
            manquantes << partie::minutes;
        if (durees::avecSecondes(probleme_) && !aQuitteAttente(secondeDuree_, attenteSecondes))
            manquantes << partieSecondes;
        return ceQuiManque(manquantes);
    }, [this] { jugerDuree(); }, [this] { questionDuree(); });
}

void EcranJournee::placerReponseDuree()
{
    // Hours and minutes in the middle; with the seconds, three side by side.
    const bool secondes = durees::avecSecondes(probleme_);
    const int x = duree_->x + (secondes ? 10 : 56), pas = secondes ? 46 : 44;
    const QList<std::pair<ClickableLabel*, ArrowSpinner*>> parties{
        {heureDuree_, flecheHeureDuree_}, {minuteDuree_, flecheMinuteDuree_}, {secondeDuree_, flecheSecondeDuree_}};
    for (int i = 0; i < int(parties.size()); ++i) {
        const auto [label, fleche] = parties[i];
        label->move(x + pas * i, hautReponse - 30);
        fleche->move(label->pos() + QPoint(5, 20));
    }
    secondeDuree_->setVisible(secondes);
    flecheSecondeDuree_->setVisible(secondes);
    // To the minute when the seconds count, by five minutes otherwise.
    flecheMinuteDuree_->setSingleStep(secondes ? 1 : pasMinutes);
}

void EcranJournee::questionDuree()
{
    Section& s = *duree_;
    s.ouvrir();
    probleme_ = durees::tirer(r_.hasard, durees::Niveau(s.niveau()));
    placerReponseDuree();
    remettre(flecheHeureDuree_, heureDuree_, attenteHeures);
    remettre(flecheMinuteDuree_, minuteDuree_, attenteMinutes);
    remettre(flecheSecondeDuree_, secondeDuree_, attenteSecondes);
    s.enonce->setCaption(texte::insecable(durees::enonce(probleme_)));
}

void EcranJournee::jugerDuree()
{
    Section& s = *duree_;
    const int h = flecheHeureDuree_->value();
    const int m = flecheMinuteDuree_->value();
    const int sec = durees::avecSecondes(probleme_) ? flecheSecondeDuree_->value() : 0;
    s.protocole->soumettre(
        [&] { return durees::valeur(probleme_, h, m, sec) == probleme_.reponse(); },
        [&](bool juste) {
            s.apresReponse(juste);
            s.ecrireVerdict(juste, verdictDuree(probleme_, h, m, sec));
        },
        [&] {
            return ReponseJugee{.question = durees::enonce(probleme_),
                                .reponse = durees::ecrireReponse(probleme_, h, m, sec),
                                .attendue = durees::attendue(probleme_)};
        });
}

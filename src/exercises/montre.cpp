// SPDX-License-Identifier: GPL-3.0-or-later
#include "montre.h"

#include "common/randomsource.h"
#include "common/routines.h"
#include "common/texte.h"
#include "exercices.h"
#include "sections.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

using texte::n;

namespace montre {

Question tirer(RandomSource& hasard)
{
    hasard.reseed();
    Question q;
    q.minutes = tirage(hasard, 59, 1);
    q.heure = tirage(hasard, 12, 1);
    q.sens = tirage(hasard, 2, 0) == 0 ? Avance : Retarde;
    q.decalage = tirage(hasard, 59, 1);
    return q;
}

calendrier::HeureMinute heureReelle(const Question& q)
{
    const int decalage = q.sens == Avance ? -q.decalage : q.decalage;
    return calendrier::heureDepuisParties(q.heure, q.minutes + decalage);
}

int heureSurCadran(int heure)
{
    const int h = heure % 12;
    return h == 0 ? 12 : h;
}

bool juste(const Question& q, int heure, int minutes)
{
    const calendrier::HeureMinute reelle = heureReelle(q);
    return heure == heureSurCadran(reelle.heure) && minutes == reelle.minute;
}

QString enonce(const Question& q)
{
    const QString verbe = q.sens == Avance ? QStringLiteral("AVANCE") : QStringLiteral("RETARDE");
    const QString unite = q.decalage > 1 ? QStringLiteral(" minutes.") : QStringLiteral(" minute.");
    return QStringLiteral("Ma montre affiche") + n(q.heure) + QStringLiteral(" h") + n(q.minutes)
         + QStringLiteral(" mn.\n") + QStringLiteral("Mais elle ") + verbe + QStringLiteral(" de")
         + n(q.decalage) + unite + QStringLiteral("\nQuelle heure est-il en réalité ?\n")
         + QStringLiteral("Cliquez sur votre réponse pour la tester.");
}

QString question(const Question& q)
{
    const QString e = enonce(q);
    return e.left(e.lastIndexOf(QLatin1Char('\n'))).simplified();
}

QString verdict(const Question& q, bool juste)
{
    const calendrier::HeureMinute reelle = heureReelle(q);
    const QString debut = juste ? QStringLiteral("Bravo !") : QStringLiteral("Erreur !");
    const QString regle = q.sens == Avance
                              ? QStringLiteral(" Ma montre AVANCE donc je dois ENLEVER")
                              : QStringLiteral(" Ma montre RETARDE donc je dois AJOUTER");
    return debut + regle + n(q.decalage) + QStringLiteral(" mn") + QStringLiteral(" à")
         + n(q.heure) + QStringLiteral(" h") + n(q.minutes)
         + QStringLiteral(" mn, ce qui me donne pour solution -->") + n(reelle.heure)
         + QStringLiteral(" h") + n(reelle.minute)
         + QStringLiteral(" mn.\nCliquez sur Continuer pour un autre calcul.");
}

}  // namespace montre

SectionMontre::SectionMontre(Exercices& ecran, Routines& r) : Section(ecran, r)
{
    QWidget* e = &ecran_;
    enonce3_ = enonce("enonce3", {7, 151, 256, 53});
    heure2_ = reponse("heure2", {93, 205, 22, 16}, attente::heures);
    minute2_ = reponse("minute2", {125, 205, 34, 16}, attente::minutes);
    fleche2_ = fleche("fleche2", {86, 224}, 1, 12, heure2_, QStringLiteral(" h"));
    fleche3_ = fleche("fleche3", {125, 224}, 0, 59, minute2_, QStringLiteral(" mn"));
    encore_ = continuer("encore_retarde", {196, 225, 66, 16});
    protocole_ = protocole("montre", encore_, {fleche2_, fleche3_},
                           [this] { return heuresMinutesSaisies(heure2_, minute2_); });
    Ecouter::attacher(r_, *protocole_, {170, 206}, {enonce3_}, enonce3_);

    for (ClickableLabel* l : {heure2_, minute2_})
        QObject::connect(l, &ClickableLabel::clicked, e, [this] { juger(); });
    QObject::connect(encore_, &ClickableLabel::clicked, e, [this] {
        r_.SonClic();
        nouvelleQuestion();
    });
}

void SectionMontre::nouvelleQuestion()
{
    fleche2_->setValue(1);
    fleche3_->setValue(0);
    protocole_->ouvrir();
    heure2_->setCaption(attente::heures);
    minute2_->setCaption(attente::minutes);
    setTextColor(enonce3_, couleur::bleu);
    q_ = montre::tirer(r_.hasard);
    enonce3_->setCaption(montre::enonce(q_));
}

void SectionMontre::juger()
{
    protocole_->soumettre(
        [this] { return montre::juste(q_, fleche2_->value(), fleche3_->value()); },
        [this](bool juste) {
            enonce3_->setCaption(montre::verdict(q_, juste));
            if (!juste)
                setTextColor(enonce3_, couleur::rouge);
        },
        [this] {
            const calendrier::HeureMinute reelle = montre::heureReelle(q_);
            return ReponseJugee{
                .question = montre::question(q_),
                .reponse = texte::heuresMinutes(fleche2_->value(), fleche3_->value()),
                .attendue =
                    texte::heuresMinutes(montre::heureSurCadran(reelle.heure), reelle.minute)};
        });
}

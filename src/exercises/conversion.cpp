// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"

#include "common/randomsource.h"
#include "common/routines.h"
#include "common/texte.h"
#include "exercices.h"
#include "sections.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

using texte::F;
using texte::n;

namespace conversion {

Question tirer(RandomSource& hasard)
{
    hasard.reseed();
    return {tirage(hasard, 400, 60)};
}

bool juste(const Question& q, int heures, int minutes)
{
    const calendrier::HeureMinute attendu = q.attendu();
    return heures == attendu.heure && minutes == attendu.minute;
}

QString question(const Question& q)
{
    return QStringLiteral("Saurez-vous convertir en heures et minutes") + n(q.minutes)
         + QStringLiteral(" minutes ?");
}

QString enonce(const Question& q)
{
    return question(q)
         + QStringLiteral("\nEntrez votre réponse grâce aux flèches puis cliquez sur\n"
                          "cette réponse pour la tester.");
}

QString membreGauche(const Question& q)
{
    return F(q.minutes) + QStringLiteral(" mn =");
}

QString reussite()
{
    return QStringLiteral("Bravo ! Vous avez trouvé la bonne solution !\n"
                          "Cliquez sur Continuer pour un autre calcul.");
}

QString erreur(const Question& q)
{
    const calendrier::HeureMinute attendu = q.attendu();
    return QStringLiteral("\nErreur ! ") + F(q.minutes) + QStringLiteral(" mn =") + n(attendu.heure)
         + QStringLiteral(" h") + n(attendu.minute)
         + QStringLiteral(" mn !\nCliquez sur Continuer pour un autre calcul.");
}

}  // namespace conversion

SectionConversion::SectionConversion(Exercices& ecran, Routines& r) : Section(ecran, r)
{
    QWidget* e = &ecran_;
    enonce4_ = enonce("enonce4", {279, 258, 340, 46});
    nb_ = texteFixe("nb", {388, 303, 62, 17}, Qt::AlignRight, QString());
    heure3_ = reponse("heure3", {464, 302, 22, 16}, attente::heures);
    minute3_ = reponse("minute3", {494, 302, 34, 16}, attente::minutes);
    fleche4_ = fleche("fleche4", {457, 321}, 0, 12, heure3_, QStringLiteral(" h"));
    fleche5_ = fleche("fleche5", {493, 321}, 0, 59, minute3_, QStringLiteral(" mn"));
    encore_ = continuer("encore_conversion", {566, 322, 66, 16});
    protocole_ = protocole("minutes_en_heures", encore_, {fleche4_, fleche5_},
                           [this] { return heuresMinutesSaisies(heure3_, minute3_); });
    Ecouter::attacher(r_, *protocole_, {533, 303}, {enonce4_}, enonce4_);

    for (ClickableLabel* l : {heure3_, minute3_})
        QObject::connect(l, &ClickableLabel::clicked, e, [this] { juger(); });
    QObject::connect(encore_, &ClickableLabel::clicked, e, [this] {
        r_.SonClic();
        nouvelleQuestion();
    });
}

void SectionConversion::nouvelleQuestion()
{
    q_ = conversion::tirer(r_.hasard);
    enonce4_->setCaption(conversion::enonce(q_));
    nb_->setCaption(conversion::membreGauche(q_));
    fleche4_->setValue(0);
    fleche5_->setValue(0);
    protocole_->ouvrir();
    heure3_->setCaption(attente::heures);
    minute3_->setCaption(attente::minutes);
    setTextColor(enonce4_, couleur::bleu);
    for (QWidget* w : {static_cast<QWidget*>(nb_), static_cast<QWidget*>(heure3_),
                       static_cast<QWidget*>(minute3_)})
        setTextColor(w, couleur::noir);
}

void SectionConversion::juger()
{
    protocole_->soumettre(
        [this] { return conversion::juste(q_, fleche4_->value(), fleche5_->value()); },
        [this](bool juste) {
            if (juste) {
                enonce4_->setCaption(conversion::reussite());
                return;
            }
            for (ClickableLabel* l : {enonce4_, nb_, heure3_, minute3_})
                setTextColor(l, couleur::rouge);
            enonce4_->setCaption(conversion::erreur(q_));
        },
        [this] {
            const calendrier::HeureMinute attendu = q_.attendu();
            return ReponseJugee{
                .question = conversion::question(q_),
                .reponse = texte::heuresMinutes(fleche4_->value(), fleche5_->value()),
                .attendue = texte::heuresMinutes(attendu.heure, attendu.minute)};
        });
}

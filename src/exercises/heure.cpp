// SPDX-License-Identifier: GPL-3.0-or-later
#include "heure.h"

#include "common/calendrier.h"
#include "common/randomsource.h"
#include "common/routines.h"
#include "common/texte.h"
#include "exercices.h"
#include "sections.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/picturebox.h"
#include "ui/style.h"
#include "voice/ecouter.h"

using texte::n;

namespace lecture {

Question tirer(RandomSource& hasard)
{
    Question q;
    q.minutes = tirage(hasard, 59, 1);
    q.heure = tirage(hasard, 12, 1);
    return q;
}

Aiguilles aiguilles(const Question& q, QSizeF cadran, calendrier::AiguilleHeures mode)
{
    const QPointF centre(cadran.width() / 2, cadran.height() / 2);
    return {centre,
            calendrier::finAiguille(centre, calendrier::angleMinutes(q.minutes), longueurMinutes),
            calendrier::finAiguille(centre, calendrier::angleHeures(q.heure, q.minutes, mode),
                                    longueurHeures)};
}

bool juste(const Question& q, int heure, int minutes)
{
    return heure == q.heure && minutes == q.minutes;
}

QString question()
{
    return QStringLiteral("Quelle heure est-il ?");
}

QString enonce()
{
    return question()
         + QStringLiteral("\nEntrez votre réponse grâce\n"
                          "aux flèches puis cliquez sur\ncette réponse pour la tester.");
}

QString reussite()
{
    return QStringLiteral("Vous avez l'heure juste !\nCliquez sur Continuer pour\n"
                          "une autre estimation horaire.");
}

QString erreur(const Question& q)
{
    return QStringLiteral("Erreur, il est") + n(q.heure) + QStringLiteral(" h") + n(q.minutes)
         + QStringLiteral(" mn !\nCliquez sur Continuer pour\nune autre estimation horaire.");
}

}  // namespace lecture

namespace {
// The dial on the picture sheet.
const QRect cadran{0, 149, 189, 191};
constexpr qreal epaisseurAiguille = 3;
}  // namespace

SectionHeure::SectionHeure(Exercices& ecran, Routines& r) : Section(ecran, r)
{
    QWidget* e = &ecran_;
    horloge1_ = new PictureBox(e);
    horloge1_->setObjectName(QStringLiteral("horloge1"));
    horloge1_->setGeometry(277, 58, 189, 191);
    enonce2_ = enonce("enonce2", {464, 107, 178, 55});
    heure_ = reponse("heure", {528, 164, 22, 16}, attente::heures);
    minu_ = reponse("minu", {560, 164, 34, 16}, attente::minutes);
    flechHeures_ = fleche("flech_heures", {521, 183}, 1, 12, heure_, QStringLiteral(" h"));
    flechMinutes_ = fleche("flech_minutes", {560, 183}, 0, 59, minu_, QStringLiteral(" mn"));
    encore_ = continuer("encore_heure", {566, 192, 66, 16});
    protocole_ = protocole("lire_horloge", encore_, {flechHeures_, flechMinutes_},
                           [this] { return heuresMinutesSaisies(heure_, minu_); });
    Ecouter::attacher(r_, *protocole_, {488, 172}, {enonce2_}, enonce2_);

    for (ClickableLabel* l : {heure_, minu_})
        QObject::connect(l, &ClickableLabel::clicked, e, [this] { juger(); });
    QObject::connect(encore_, &ClickableLabel::clicked, e, [this] {
        encore_->hide();
        r_.SonClic();
        nouvelleQuestion();
    });
}

void SectionHeure::nouvelleQuestion()
{
    protocole_->ouvrir();
    flechHeures_->setValue(1);
    flechMinutes_->setValue(0);
    // A fresh face wipes the hands of the last question.
    r_.poserDecoupe(horloge1_, cadran);
    q_ = lecture::tirer(r_.hasard);
    const lecture::Aiguilles a = lecture::aiguilles(q_, horloge1_->size(), r_.modeAiguilleHeures());
    horloge1_->drawLine(a.centre, a.finMinutes, couleur::bleu, epaisseurAiguille);
    horloge1_->drawLine(a.centre, a.finHeures, couleur::rouge, epaisseurAiguille);
    enonce2_->setCaption(lecture::enonce());
    heure_->setCaption(attente::heures);
    minu_->setCaption(attente::minutes);
    setTextColor(enonce2_, couleur::bleu);
}

void SectionHeure::juger()
{
    protocole_->soumettre(
        [this] { return lecture::juste(q_, flechHeures_->value(), flechMinutes_->value()); },
        [this](bool juste) {
            if (juste) {
                enonce2_->setCaption(lecture::reussite());
            } else {
                enonce2_->setCaption(lecture::erreur(q_));
                setTextColor(enonce2_, couleur::rouge);
            }
        },
        [this] {
            return ReponseJugee{
                .question = lecture::question(),
                .reponse = texte::heuresMinutes(flechHeures_->value(), flechMinutes_->value()),
                .attendue = texte::heuresMinutes(q_.heure, q_.minutes)};
        });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "minutes.h"

#include <QCheckBox>
#include <QEvent>

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

namespace minutes {

Question tirer(RandomSource& hasard)
{
    hasard.reseed();
    Question q;
    q.heures = tirage(hasard, 6, 1);
    q.minutes = tirage(hasard, 59, 1);
    return q;
}

QString question(const Question& q)
{
    return QStringLiteral("Combien de minutes dans") + n(q.heures) + QStringLiteral(" h")
         + n(q.minutes) + QStringLiteral(" mn ?");
}

QString enonce(const Question& q)
{
    return question(q)
         + QStringLiteral("\nEntrez votre réponse grâce aux flèches puis\n"
                          "cliquez sur cette réponse pour la tester.");
}

QString membreGauche(const Question& q)
{
    return F(q.heures) + QStringLiteral(" h") + n(q.minutes) + QStringLiteral(" mn =");
}

QString reussite()
{
    return QStringLiteral("Bravo, vous avez trouvé la solution !\n"
                          "Cliquez sur Continuer pour un autre exercice.");
}

QString equation(const Question& q, int reponse)
{
    return n(q.heures) + QStringLiteral(" h") + n(q.minutes) + QStringLiteral(" mn = ")
         + n(reponse) + QStringLiteral(" minutes");
}

QString erreur(const Question& q)
{
    return QStringLiteral("Erreur !") + n(q.heures) + QStringLiteral(" h") + n(q.minutes)
         + QStringLiteral(" mn =") + n(q.attendu())
         + QStringLiteral(" minutes !\nCliquez sur Continuer pour un autre exercice.");
}

}  // namespace minutes

namespace {

const QString attenteMinutes = QStringLiteral("?? mn");

// Runs an action when the pointer moves over a widget that has no signal
// for it (the tick box).
class AuSurvol final : public QObject {
public:
    AuSurvol(QWidget* w, std::function<void()> action) : QObject(w), action_(std::move(action))
    {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseMove)
            action_();
        return false;
    }

private:
    std::function<void()> action_;
};

}  // namespace

SectionMinutes::SectionMinutes(Exercices& ecran, Routines& r) : Section(ecran, r)
{
    QWidget* e = &ecran_;
    enonce1_ = enonceCentre("enonce1", {120, 56, 41, 13});
    nb2_ = texteFixe("nb2", {8, 97, 85, 17}, Qt::AlignRight, QString());
    chiffre1_ = reponse("chiffre1", {96, 97, 49, 16}, attenteMinutes);
    par10_ = new QCheckBox(e);
    par10_->setObjectName(QStringLiteral("par10"));
    par10_->setGeometry(156, 100, 13, 13);
    label4_ = makeLabel(e, "Label4", {173, 100, 47, 13},
                        {uiFont(taille::p8), couleur::noir, Qt::AlignLeft, true},
                        QStringLiteral("X 10 mn"));
    label4_->setBuddy(par10_);
    fleche1_ = fleche("fleche1", {100, 118}, 0, 9999, chiffre1_, QStringLiteral(" mn"));
    vide_ = makeLabel(e, "vide", {100, 118, 30, 17}, {uiFont(taille::p8), couleur::noir});
    vide_->hide();
    encore_ = continuer("encore_minutes", {197, 118, 66, 16});

    // The tick box and its caption go with the spinner while the answer stands.
    protocole_ = protocole("minutes_dans_heures", encore_, {fleche1_, par10_, label4_},
                           [this] { return aQuitteAttente(chiffre1_, attenteMinutes); });
    Ecouter::attacher(r_, *protocole_, {236, 97}, {enonce1_}, enonce1_);

    QObject::connect(fleche1_, &ArrowSpinner::valueChanged, e, [this] {
        if (r_.rendre_focus == 0)
            r_.rendre_focus = 1;
    });
    QObject::connect(chiffre1_, &ClickableLabel::clicked, e, [this] { juger(); });
    QObject::connect(chiffre1_, &ClickableLabel::pointerMoved, e, [this, e] { r_.RendreFocus(e); });
    new AuSurvol(par10_, [this, e] { r_.RendreFocus(e); });
    QObject::connect(par10_, &QCheckBox::clicked, e, [this] { basculerPar10(); });
    QObject::connect(encore_, &ClickableLabel::clicked, e, [this] {
        r_.SonClic();
        nouvelleQuestion();
    });
}

void SectionMinutes::nouvelleQuestion()
{
    fleche1_->setValue(0);
    setTextColor(enonce1_, couleur::bleu);
    nb2_->show();
    q_ = minutes::tirer(r_.hasard);
    enonce1_->setCaption(minutes::enonce(q_));
    nb2_->setCaption(minutes::membreGauche(q_));
    chiffre1_->setCaption(attenteMinutes);
    // The tick of par10 and the spinner's step stay as they were.
    protocole_->ouvrir();
    vide_->hide();
    r_.rendre_focus = 1;
}

void SectionMinutes::juger()
{
    protocole_->soumettre([this] { return fleche1_->value() == q_.attendu(); },
                          [this](bool juste) {
                              if (juste) {
                                  nb2_->hide();
                                  enonce1_->setCaption(minutes::reussite());
                                  chiffre1_->setCaption(minutes::equation(q_, fleche1_->value()));
                              } else {
                                  enonce1_->setCaption(minutes::erreur(q_));
                                  setTextColor(enonce1_, couleur::rouge);
                              }
                              vide_->show();
                          },
                          [this] {
                              return ReponseJugee{.question = minutes::question(q_),
                                                  .reponse = F(fleche1_->value()) + QStringLiteral(" mn"),
                                                  .attendue = F(q_.attendu()) + QStringLiteral(" mn")};
                          });
}

void SectionMinutes::basculerPar10()
{
    const bool parDix = par10_->isChecked();
    fleche1_->setSingleStep(parDix ? 10 : 1);
    setTextColor(label4_, parDix ? couleur::rouge : couleur::noir);
    r_.SonClic();
}

void SectionMinutes::retour()
{
    setTextColor(label4_, couleur::noir);
    if (par10_->isChecked()) {
        par10_->setChecked(false);
        basculerPar10();
    }
}

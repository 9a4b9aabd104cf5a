// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparaison.h"

#include "common/calendrier.h"
#include "common/randomsource.h"
#include "common/routines.h"
#include "common/texte.h"
#include "exercices.h"
#include "sections.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

using texte::F;
using texte::n;

namespace comparaison {

Question tirer(RandomSource& hasard)
{
    Question q;
    hasard.reseed();
    q.heures = tirage(hasard, 12, 2);
    q.minutes = tirage(hasard, 59, 2);
    hasard.reseed();
    q.terme1 = tirage(hasard, 500, 1);
    q.terme2 = tirage(hasard, 500, 1);
    return q;
}

Choix relation(const Question& q)
{
    if (q.duree() < q.somme())
        return Choix::PlusPetit;
    if (q.duree() > q.somme())
        return Choix::PlusGrand;
    return Choix::Egal;
}

QString enonce(const Question& q)
{
    return F(q.heures) + QStringLiteral(" heures") + n(q.minutes)
         + QStringLiteral(" minutes\nest plus petit, plus grand ou égal à\n") + n(q.terme1)
         + QStringLiteral(" mn +") + n(q.terme2) + QStringLiteral(" mn ?");
}

QString verdict(const Question& q, Choix choix)
{
    const Choix vraie = relation(q);
    const bool juste = choix == vraie;
    // The sum written as a time of day gives its hours and minutes.
    const calendrier::HeureMinute total = calendrier::heureDepuisParties(0, q.somme());
    // Only the right answer "Egal" writes its first term without the blank.
    const QString terme1 = juste && vraie == Choix::Egal ? F(q.terme1) : n(q.terme1);
    const QString explication = terme1 + QStringLiteral(" mn +") + n(q.terme2)
                              + QStringLiteral(" mn =") + n(q.somme()) + QStringLiteral(" mn =")
                              + n(total.heure) + QStringLiteral(" h") + n(total.minute)
                              + QStringLiteral(" mn.");
    QString relationVraie;
    switch (vraie) {
    case Choix::PlusPetit: relationVraie = QStringLiteral(" mn est PLUS PETIT."); break;
    case Choix::PlusGrand: relationVraie = QStringLiteral(" mn est PLUS GRAND."); break;
    case Choix::Egal: relationVraie = QStringLiteral(" mn est EGAL à ce total."); break;
    }
    const QString debut =
        juste ? QStringLiteral("Vous avez raison !") : QStringLiteral("Erreur ! ");
    return debut + QLatin1Char('\n') + explication + QStringLiteral("\nDonc") + n(q.heures)
         + QStringLiteral(" h") + n(q.minutes) + relationVraie
         + QStringLiteral("\nCliquez sur Continuer pour la suite.");
}

}  // namespace comparaison

using comparaison::Choix;

SectionComparaison::SectionComparaison(Exercices& ecran, Routines& r) : Section(ecran, r)
{
    QWidget* e = &ecran_;
    enonce5_ = enonce("enonce5", {279, 347, 262, 56});
    petit_ = reponse("petit", {296, 407, 80, 16}, QStringLiteral("Plus petit"));
    grand_ = reponse("grand", {386, 407, 80, 16}, QStringLiteral("Plus grand"));
    egal_ = reponse("egal", {476, 407, 60, 16}, QStringLiteral("Egal"));
    encore_ = continuer("encore_estimation", {566, 407, 66, 16});
    // No spinner: the choice of label is the answer.
    protocole_ = protocole("comparer_durees", encore_, {}, {});
    Ecouter::attacher(r_, *protocole_, {548, 356}, {enonce5_}, enonce5_);

    for (Choix c : {Choix::PlusPetit, Choix::PlusGrand, Choix::Egal})
        QObject::connect(label(c), &ClickableLabel::clicked, e, [this, c] { juger(c); });
    QObject::connect(encore_, &ClickableLabel::clicked, e, [this] {
        nouvelleQuestion();
        r_.SonClic();
    });
}

ClickableLabel* SectionComparaison::label(Choix choix) const
{
    switch (choix) {
    case Choix::PlusPetit: return petit_;
    case Choix::PlusGrand: return grand_;
    case Choix::Egal: break;
    }
    return egal_;
}

void SectionComparaison::nouvelleQuestion()
{
    for (ClickableLabel* l : {petit_, grand_, egal_}) {
        setTextColor(l, couleur::bleu);
        l->show();
        l->setEnabled(true);
    }
    protocole_->ouvrir();
    q_ = comparaison::tirer(r_.hasard);
    enonce5_->setCaption(comparaison::enonce(q_));
    setTextColor(enonce5_, couleur::bleu);
}

void SectionComparaison::juger(Choix choix)
{
    protocole_->soumettre([this, choix] { return comparaison::relation(q_) == choix; },
                          [this, choix](bool juste) {
                              // The chosen label stays, in magenta and out of reach.
                              for (Choix c : {Choix::PlusPetit, Choix::PlusGrand, Choix::Egal})
                                  label(c)->setVisible(c == choix);
                              setTextColor(label(choix), couleur::magenta);
                              label(choix)->setEnabled(false);
                              if (!juste)
                                  setTextColor(enonce5_, couleur::rouge);
                              enonce5_->setCaption(comparaison::verdict(q_, choix));
                          },
                          [this, choix] {
                              return ReponseJugee{
                                  .question = comparaison::enonce(q_).simplified(),
                                  .reponse = label(choix)->text(),
                                  .attendue = label(comparaison::relation(q_))->text()};
                          });
}

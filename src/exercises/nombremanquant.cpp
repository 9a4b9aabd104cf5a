// SPDX-License-Identifier: GPL-3.0-or-later
#include "nombremanquant.h"

#include "common/calendrier.h"
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

namespace nombre_manquant {

Question tirer(RandomSource& hasard)
{
    hasard.reseed();
    Question q;
    q.manquant = tirage(hasard, 60, 1);
    q.connu = tirage(hasard, 150, 1);
    return q;
}

QString enonce()
{
    return QStringLiteral("Quel est le nombre manquant ?\n"
                          "Entrez votre réponse grâce aux flèches\n"
                          "puis cliquez sur cette réponse pour la tester.");
}

QString question(const Question& q)
{
    return enonce().section(QLatin1Char('\n'), 0, 0) + QLatin1Char(' ') + termeConnu(q)
         + QStringLiteral(" ? mn ") + resultat(q);
}

QString termeConnu(const Question& q)
{
    return F(q.connu) + QStringLiteral(" mn +");
}

QString resultat(const Question& q)
{
    const calendrier::HeureMinute somme = calendrier::heureDepuisParties(0, q.connu + q.manquant);
    return QStringLiteral("=") + n(somme.heure) + QStringLiteral(" h") + n(somme.minute)
         + QStringLiteral(" mn");
}

QString reussite()
{
    return QStringLiteral("Vous avez la réponse juste !\n"
                          "Cliquez sur Continuer pour un autre calcul.");
}

QString erreur(const QString& termeConnu, int manquant, const QString& resultat)
{
    return QStringLiteral("Erreur ! Voici la solution :\n") + termeConnu + n(manquant)
         + QStringLiteral(" mn ") + resultat
         + QStringLiteral("\nCliquez sur Continuer pour un autre calcul.");
}

}  // namespace nombre_manquant

SectionNombreManquant::SectionNombreManquant(Exercices& ecran, Routines& r) : Section(ecran, r)
{
    QWidget* e = &ecran_;
    enonce6_ = enonce("enonce6", {7, 262, 256, 53});
    chiffre2_ = texteFixe("chiffre2", {8, 316, 85, 17}, Qt::AlignRight, QStringLiteral("? mn +"));
    chiffre3_ = reponse("chiffre3", {96, 316, 49, 16}, QStringLiteral("122 mn"));
    chiffre4_ = texteFixe("chiffre4", {150, 316, 112, 17}, Qt::AlignLeft, QStringLiteral("= ? mn"));
    fleche6_ = fleche("fleche6", {106, 335}, 0, 99, chiffre3_, QStringLiteral(" mn"));
    encore_ = continuer("encore_operations", {196, 336, 66, 16});
    protocole_ = protocole("nombre_manquant", encore_, {fleche6_},
                           [this] { return aQuitteAttente(chiffre3_, attente::minutes); });
    // The missing number is asked for, whatever the spinner shows meanwhile.
    Ecouter::attacher(r_, *protocole_, {236, 312}, [this] {
        return QStringList{enonce6_->text(), chiffre2_->text() + QLatin1Char(' ') + attente::minutes
                                                 + QLatin1Char(' ') + chiffre4_->text()};
    }, enonce6_);

    QObject::connect(chiffre3_, &ClickableLabel::clicked, e, [this] { juger(); });
    QObject::connect(encore_, &ClickableLabel::clicked, e, [this] {
        encore_->hide();
        r_.SonClic();
        nouvelleQuestion();
    });
}

void SectionNombreManquant::nouvelleQuestion()
{
    fleche6_->setValue(0);
    protocole_->ouvrir();
    setTextColor(enonce6_, couleur::bleu);
    enonce6_->setCaption(nombre_manquant::enonce());
    q_ = nombre_manquant::tirer(r_.hasard);
    chiffre2_->setCaption(nombre_manquant::termeConnu(q_));
    // Setting the spinner to 0 may have written "0 mn": the placeholder wins.
    chiffre3_->setCaption(attente::minutes);
    chiffre4_->setCaption(nombre_manquant::resultat(q_));
}

void SectionNombreManquant::juger()
{
    protocole_->soumettre([this] { return fleche6_->value() == q_.manquant; },
                          [this](bool juste) {
                              if (juste) {
                                  enonce6_->setCaption(nombre_manquant::reussite());
                                  return;
                              }
                              setTextColor(enonce6_, couleur::rouge);
                              enonce6_->setCaption(nombre_manquant::erreur(
                                  chiffre2_->text(), q_.manquant, chiffre4_->text()));
                          },
                          [this] {
                              return ReponseJugee{
                                  .question = nombre_manquant::question(q_),
                                  .reponse = texte::F(fleche6_->value()) + QStringLiteral(" mn"),
                                  .attendue = texte::F(q_.manquant) + QStringLiteral(" mn")};
                          });
}

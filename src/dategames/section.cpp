// SPDX-License-Identifier: GPL-3.0-or-later
#include "section.h"

#include <algorithm>

#include "commun.h"
#include "common/routines.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace {

ClickableLabel* enonceDe(QWidget* ecran, const SectionJeu::Plan& p)
{
    const bool grandit = p.enoncePlace.size().isEmpty();
    return makeLabel(ecran, p.enonce, p.enoncePlace,
                     {uiFont(taille::p8), couleur::bleu, Qt::AlignHCenter, grandit});
}

ClickableLabel* reponseDe(QWidget* ecran, const char* nom, QPoint place)
{
    return makeLabel(ecran, nom, QRect(place, QSize()),
                     {uiFont(taille::p8), couleur::noir, Qt::AlignLeft, true});
}

ArrowSpinner* flecheDe(QWidget* ecran, const SectionJeu::Fleche& f)
{
    return makeSpinner(ecran, f.nom, f.place, f.min, f.max, f.valeur, f.boucle);
}

ClickableLabel* clicDe(QWidget* ecran, const SectionJeu::Plan& p)
{
    return makeLabel(ecran, p.clic, QRect(QPoint(p.clicGauche, p.hautQuestion), p.clicTaille),
                     {uiFont(taille::p8), couleur::noir}, jeuxdates::consigne());
}

ClickableLabel* encoreDe(QWidget* ecran, const SectionJeu::Plan& p)
{
    ClickableLabel* l = makeLabel(ecran, p.encore, QRect(p.encorePlace, QSize(66, 16)),
                                  {uiFont(taille::p9), couleur::violet},
                                  QStringLiteral("Continuer"));
    l->hide();
    return l;
}

}  // namespace

SectionJeu::SectionJeu(Routines& r, QWidget* ecran, const Plan& plan,
                       std::function<bool()> reponseSaisie, std::function<void()> compter)
    : enonce(enonceDe(ecran, plan)),
      reponse1(reponseDe(ecran, plan.reponse1, plan.reponse1Place)),
      reponse2(reponseDe(ecran, plan.reponse2, plan.reponse2Place)),
      fleche1(flecheDe(ecran, plan.fleche1)),
      fleche2(flecheDe(ecran, plan.fleche2)),
      clic(clicDe(ecran, plan)),
      encore(encoreDe(ecran, plan)),
      r_(r),
      ecran_(ecran),
      plan_(plan),
      protocole_(r, QString::fromLatin1(plan.activite), encore, {fleche1, fleche2}, std::move(reponseSaisie), std::move(compter))
{
    // The statement runs on into the answers: it is asked as a question.
    Ecouter::attacher(r_, protocole_, plan.ecouter, [this] {
        return QStringList{enonce->text() + QStringLiteral(" ?"), jeuxdates::consigne()};
    }, clic);
}

void SectionJeu::ecrire(ClickableLabel* label, const QString& texte)
{
    label->setCaption(texte);
    placer(label);
}

void SectionJeu::placer(ClickableLabel* label)
{
    constexpr int Marge = 4;
    if (label == reponse1) {
        const int droite = plan_.reponse2Place.x() - Marge;
        label->move(std::min(plan_.reponse1Place.x(), droite - label->width()), label->y());
    } else if (label == enonce && plan_.enonceDroite > 0) {
        const int droite = plan_.enonceDroite - Marge;
        label->move(std::min(plan_.enoncePlace.x(), droite - label->width()), label->y());
    }
}

void SectionJeu::relier(ArrowSpinner* fleche, ClickableLabel* label,
                        std::function<QString(int)> libelle)
{
    ecrire(label, libelle(fleche->value()));
    // Screen readers name the spinner by the answer it writes.
    label->setBuddy(fleche);
    QObject::connect(fleche, &ArrowSpinner::valueChanged, ecran_,
                     [this, label, libelle = std::move(libelle)](int v) {
                         ecrire(label, libelle(v));
                         r_.SonClic();
                     });
}

void SectionJeu::ouvrir()
{
    protocole_.ouvrir();
    setTextColor(reponse1, couleur::noir);
    setTextColor(reponse2, couleur::noir);
    setTextColor(clic, couleur::noir);
    clic->move(plan_.clicGauche, plan_.hautQuestion);
    clic->setCaption(jeuxdates::consigne());
}

void SectionJeu::surReponse(std::function<void()> juger)
{
    QObject::connect(reponse1, &ClickableLabel::clicked, ecran_, juger);
    QObject::connect(reponse2, &ClickableLabel::clicked, ecran_, juger);
}

void SectionJeu::soumettre(const std::function<bool()>& juste, const QString& succes,
                           const std::function<QString()>& echec,
                           const std::function<QString()>& attendue)
{
    // The statement runs on into the answer labels: "... a donc vu le jour le ?".
    const auto decrire = [&] {
        return ReponseJugee{
            .question = enonce->text().simplified() + QStringLiteral(" ?"),
            .reponse = reponse1->text() + QLatin1Char(' ') + reponse2->text(),
            .attendue = attendue()};
    };
    protocole_.soumettre(juste, [&](bool bon) {
        clic->move(plan_.clicGauche, plan_.hautVerdict);
        if (bon) {
            clic->setCaption(succes);
            return;
        }
        setTextColor(clic, couleur::rouge);
        if (plan_.rougirReponses) {
            setTextColor(reponse1, couleur::rouge);
            setTextColor(reponse2, couleur::rouge);
        }
        clic->setCaption(echec());
    }, decrire);
}

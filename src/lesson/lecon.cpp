// SPDX-License-Identifier: GPL-3.0-or-later
#include "lecon.h"

#include <QTimer>

#include "common/routines.h"
#include "common/texte.h"
#include "textelecon.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace {

// A one-pixel line on whole pixels: the painter draws antialiased, so the
// line runs through the middle of the pixels to stay sharp.
void trait(Screen* ecran, int x1, int y1, int x2, int y2)
{
    ecran->addLine(QLineF(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5), couleur::noir, 1);
}

}  // namespace

Lecon::Lecon(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("lecon"));

    const QFont gras8 = uiFont(taille::p8);
    const QFont maigre8 = uiFont(taille::p8, false);
    const auto gauche = Qt::AlignLeft;

    const LabelStyle enTete{uiFont(taille::p12), couleur::bleu, Qt::AlignHCenter, true};
    date_ = makeLabel(this, "Label2", {316, 41, 0, 0}, enTete);
    heure_ = makeLabel(this, "Label3", {316, 60, 0, 0}, enTete);

    // Shape1: the frame around the date and the time.
    const QRect cadre(185, 38, 317, 46);
    trait(this, cadre.left(), cadre.top(), cadre.right(), cadre.top());
    trait(this, cadre.right(), cadre.top(), cadre.right(), cadre.bottom());
    trait(this, cadre.right(), cadre.bottom(), cadre.left(), cadre.bottom());
    trait(this, cadre.left(), cadre.bottom(), cadre.left(), cadre.top());

    auto* calendrier = makeLabel(this, "calendar", {350, 116, 283, 75}, {gras8, couleur::noir, gauche},
                                 lecon::calendrier);
    auto* calendrier2 = makeLabel(this, "calendar2", {364, 168, 262, 47},
                                  {uiFont(taille::p9), couleur::rouge, gauche}, lecon::calendrier2);
    auto* semaine = makeLabel(this, "semaine", {14, 134, 275, 50}, {maigre8, couleur::noir, gauche}, lecon::semaine);
    // Written at start-up with the weekday lines.
    auto* semaine2 = makeLabel(this, "semaine2", {53, 179, 0, 0}, {gras8, couleur::noir, gauche, true});
    auto* sexagesimal = makeLabel(this, "Label1", {440, 232, 176, 84}, {maigre8, couleur::noir, gauche},
                                  lecon::sexagesimal);
    // Written at start-up with the lines on adding durations.
    auto* addition = makeLabel(this, "addition", {0, 270, 418, 57}, {maigre8, couleur::noir, Qt::AlignHCenter});
    auto* addition2 = makeLabel(this, "addition2", {30, 329, 0, 0}, {gras8, couleur::bleu, gauche, true},
                                lecon::exemple);
    // Written at start-up with the units of time.
    auto* unites = makeLabel(this, "lecon1", {465, 332, 167, 129}, {gras8, couleur::bleu, gauche});

    // Each part of the page said on demand, beside it, for a child who does
    // not read yet.
    const auto dits = &Ecouter::textesDe;
    new Ecouter(r_, this, {508, 50}, dits({date_, heure_}), QStringLiteral("date"));
    new Ecouter(r_, this, {324, 116}, dits({calendrier, calendrier2}), QStringLiteral("calendrier"));
    new Ecouter(r_, this, {14, 110}, dits({semaine, semaine2}), QStringLiteral("semaine"));
    new Ecouter(r_, this, {284, 328}, dits({addition, addition2}), QStringLiteral("addition"));
    new Ecouter(r_, this, {438, 332}, dits({sexagesimal, unites}), QStringLiteral("unites"));

    // Line1 to Line4, the separators.
    trait(this, 440, 224, 634, 224);
    trait(this, 440, 318, 634, 318);
    trait(this, 424, 224, 424, 318);
    trait(this, 13, 265, 274, 265);

    auto* retour = makeLabel(this, "retour", {552, 458, 77, 20}, {gras8, couleur::noir},
                             QStringLiteral("Retour"));
    retour->setCursor(Qt::PointingHandCursor);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &Lecon::ecrireHeure);

    connect(retour, &ClickableLabel::clicked, this,
            [this] { r_.retourDepart(this, QStringLiteral("5"), [this] { timer1_->stop(); }); });
    setFocusOrder({{"retour"}});
    setEscapeControl("retour");
}

void Lecon::activation()
{
    ecrireCentre(date_, texte::dateLongue(r_.maintenant().date()));
    // start() on a running timer restarts it: never two clocks at once.
    timer1_->start();
    ecrireHeure();
}

void Lecon::ecrireHeure()
{
    ecrireCentre(heure_, lecon::texteHeure(r_.maintenant().time()));
}

void Lecon::ecrireCentre(ClickableLabel* label, const QString& texte)
{
    label->setCaption(texte);
    label->move(MilieuCadre - label->width() / 2, label->y());
}

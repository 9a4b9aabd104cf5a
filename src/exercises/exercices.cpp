// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercices.h"

#include "common/routines.h"
#include "sections.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

Exercices::Exercices(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("exercices"));

    // Two columns of three sections, and the score strip below.
    const QLineF traits[] = {
        {271, 51, 271, 427},
        {6, 138, 271, 138},   {6, 249, 271, 249},
        {271, 252, 634, 252}, {271, 342, 637, 342}, {271, 427, 537, 427},
    };
    for (const QLineF& t : traits)
        addLine(t, couleur::magenta, 2);

    score_ = makeLabel(this, "score", {253, 433, 303, 46}, {uiFont(taille::p8), couleur::rouge});
    sortie_ = makeLabel(this, "sortie", {552, 460, 78, 21}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("RETOUR"));
    sortie_->setAutoFillBackground(true);
    sortie_->setAlignment(Qt::AlignCenter);
    sortie_->setCursor(Qt::PointingHandCursor);
    sortie_->setAccessibleName(QStringLiteral("Retour"));

    sections_.push_back(std::make_unique<SectionMinutes>(*this, r_));
    sections_.push_back(std::make_unique<SectionHeure>(*this, r_));
    sections_.push_back(std::make_unique<SectionMontre>(*this, r_));
    sections_.push_back(std::make_unique<SectionConversion>(*this, r_));
    sections_.push_back(std::make_unique<SectionComparaison>(*this, r_));
    sections_.push_back(std::make_unique<SectionNombreManquant>(*this, r_));

    // Section by section, the left column then the right one: spinners,
    // answers, "Continuer", then the section's switch; "RETOUR" last.
    setFocusOrder({
        {"fleche1", "chiffre1", "encore_minutes", "par10"},
        {"fleche2", "fleche3", "heure2", "minute2", "encore_retarde"},
        {"fleche6", "chiffre3", "encore_operations"},
        {"flech_heures", "flech_minutes", "heure", "minu", "encore_heure"},
        {"fleche4", "fleche5", "heure3", "minute3", "encore_conversion"},
        {"petit", "grand", "egal", "encore_estimation"},
        {"sortie"},
    });
    setEscapeControl("sortie");

    connect(this, &Screen::pointerMoved, this, [this] { r_.RendreFocus(this); });
    connect(sortie_, &ClickableLabel::clicked, this, [this] {
        r_.retourDepart(this, QStringLiteral("5"), [this] {
            for (auto& s : sections_)
                s->retour();
        });
    });
}

Exercices::~Exercices() = default;

void Exercices::CompterExercice()
{
    r_.compterExercice(score_);
}

void Exercices::activation()
{
    for (auto& s : sections_)
        s->nouvelleQuestion();
}

#include "exercices.h"

#include "common/routines.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

Exercices::Exercices(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("exercices"));
    score_ = makeLabel(this, "score", {253, 433, 303, 46}, {uiFont(taille::p8), couleur::rouge});
    sortie_ = makeLabel(this, "sortie", {552, 460, 78, 21}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("RETOUR"));
    connect(sortie_, &ClickableLabel::clicked, this,
            [this] { r_.retourDepart(this, QStringLiteral("5"), [] {}); });
}

void Exercices::CompterExercice()
{
    r_.compterExercice(score_);
}

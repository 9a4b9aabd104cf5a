#include "jeuxdates.h"

#include "common/routines.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

JeuxDates::JeuxDates(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("jeux_dates"));
    score_ = makeLabel(this, "score", {157, 55, 303, 46}, {uiFont(taille::p8), couleur::rouge});
    retour_ = makeLabel(this, "retour", {551, 459, 78, 18}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("Retour"));
    // This screen plays a click on the way back, not the return sound.
    connect(retour_, &ClickableLabel::clicked, this,
            [this] { r_.retourDepart(this, QString(), [] {}); });
}

void JeuxDates::CompterExerciceDates()
{
    r_.compterExercice(score_);
}

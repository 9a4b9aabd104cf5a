#include "lecon.h"

#include "common/routines.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

Lecon::Lecon(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("lecon"));
    retour_ = makeLabel(this, "retour", {552, 458, 77, 20}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("Retour"));
    connect(retour_, &ClickableLabel::clicked, this,
            [this] { r_.retourDepart(this, QStringLiteral("5"), [] {}); });
}

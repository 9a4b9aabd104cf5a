// SPDX-License-Identifier: GPL-3.0-or-later
#include "apropos.h"

#include <QCloseEvent>
#include <QDir>

#include "common/routines.h"
#include "textes.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

APropos::APropos(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("auteur_softs"));
    setFixedSize(Largeur, Hauteur);

    const LabelStyle titre{uiFont(taille::p13), couleur::bleu, Qt::AlignHCenter};
    const LabelStyle corps{uiFont(taille::p9, false), couleur::noir, Qt::AlignHCenter};
    makeLabel(this, "nom", {40, 22, 514, 26}, titre);
    makeLabel(this, "version", {40, 48, 514, 18}, {uiFont(taille::p9), couleur::noir});
    makeLabel(this, "description", {40, 76, 514, 218}, corps,
              textes::aPropos({QString::fromLatin1(qVersion()), textes::emplacementLicence(),
                               r_.fichierScore, QDir::homePath()}));
    auto* fini = makeLabel(this, "fini", {258, 300, 78, 22}, {uiFont(taille::p9), couleur::violet},
                           QStringLiteral("Fini"));
    fini->setCursor(Qt::PointingHandCursor);
    connect(fini, &ClickableLabel::clicked, this, &APropos::fermer);
    setFocusOrder({{"fini"}});
    setEscapeControl("fini");
}

void APropos::fermer()
{
    if (isHidden())
        return;
    r_.retourDepart(this, QStringLiteral("5"), [this] {
        if (r_.depart)
            r_.depart->setEnabled(true);
    });
}

void APropos::closeEvent(QCloseEvent* e)
{
    // The window manager's close button does what "Fini" does.
    e->ignore();
    fermer();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "depot.h"
#include "ui/screen.h"

class ClickableLabel;
class Plaque;
class QLineEdit;

// "Qui joue ?": one big button per child of this computer, a field where a
// child adds their own first name, and a way to play with no name.
class QuiJoue : public Screen {
    Q_OBJECT

public:
    QuiJoue(const DepotJoueurs& depot, QWidget* parent = nullptr);

    // The buttons rebuilt from the children on disk, the field emptied.
    void activation() override;

    // Whether the way back to the start screen is offered: not at start-up,
    // where someone must be chosen first.
    void setRetourPossible(bool oui);

    // Where the buttons of that many children go in the design.
    static QList<QRect> placesBoutons(int nombre);

protected:
    void keyPressEvent(QKeyEvent* e) override;

signals:
    void choisi(const Joueur& joueur);
    void sansNom();
    void retour();

private:
    void ajouter();

    const DepotJoueurs& depot_;
    QList<ClickableLabel*> boutons_;
    QList<Plaque*> plaques_;
    QLineEdit* nouveau_;
    ClickableLabel* message_;
    ClickableLabel* retour_;
    Plaque* plaqueRetour_;
};

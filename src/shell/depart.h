// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include "ui/screen.h"

class APropos;
class Astuces;
class ClickableLabel;
class EcranAiguilles;
class Exercices;
class JeuxDates;
class Lecon;
class PictureBox;
class Routines;

// The start screen: the drawings that open the activities, the greeting with
// today's date, the exact time, the watch, and "SORTIE".
class Depart : public Screen {
    Q_OBJECT

public:
    // Where the start screen finds the screens it opens; one that is not
    // built yet is built when asked for.
    class Ecrans {
    public:
        virtual Lecon* lecon() = 0;
        virtual Exercices* exercices() = 0;
        virtual Astuces* astuces() = 0;
        virtual JeuxDates* jeuxDates() = 0;
        virtual APropos* aPropos() = 0;
        virtual EcranAiguilles* aiguilles() = 0;

    protected:
        ~Ecrans() = default;
    };

    Depart(Routines& r, Ecrans& ecrans, QWidget* parent = nullptr);

    void activation() override;

    // Hover captions, as the pointer finds them over each control.
    static QString legende(const QString& controle);

signals:
    void quitter();

private:
    void tic();
    void ouvrir(Screen* ecran);
    void ouvrirAPropos();
    void survol(const QString& controle);
    ClickableLabel* zone(const char* name, const QRect& place, const QString& nomAccessible);

    Routines& r_;
    Ecrans& ecrans_;
    ClickableLabel* texte_;
    ClickableLabel* dates_;
    ClickableLabel* heur_;
    QTimer* timer3_;
};

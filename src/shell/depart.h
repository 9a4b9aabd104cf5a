// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <optional>

#include "ui/picturefile.h"
#include "ui/screen.h"

class APropos;
class Astuces;
class ClickableLabel;
class MarqueEtoile;
class EcranAiguilles;
class EcranEntrainement;
class EcranCalendrier;
class EcranJournee;
class Exercices;
class JeuxDates;
class Lecon;
class PictureBox;
class Plaque;
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
        virtual EcranJournee* journee() = 0;
        virtual EcranCalendrier* calendrier() = 0;
        virtual EcranEntrainement* entrainement() = 0;
        // A drawing pointed at or reached with the keys: the screen it opens
        // may ready its pictures, so that a click opens it sooner.
        virtual void pressentir(const QString& dessin) = 0;

    protected:
        ~Ecrans() = default;
    };

    Depart(Routines& r, Ecrans& ecrans, QWidget* parent = nullptr);

    void activation() override;

    // How long "SORTIE" is held down when the class wants it held.
    static constexpr int dureeAppuiSortie = 1500;

    // Shows the control that changes the child playing, with that child's
    // first name (or an invitation when nobody is named), and the drawing
    // of "Mes progrès". Hidden in a program run with no children's store.
    // The week's work given to the child playing, if any, is shown beside
    // the drawing of "Mon entraînement".
    void montrerJoueur(const std::optional<QString>& prenom);

    // The picture of the "Mes progrès" drawing, read when painted.
    void setDessinProgres(const PictureFile::Part& dessin);
    // The picture of the "Mon entraînement" drawing, shown while a child plays.
    void setDessinEntrainement(const PictureFile::Part& dessin);

    // The drawing that opens an activity ("exos" for "lire_horloge"); empty
    // for one no drawing opens.
    static QString dessinDe(const QString& activite);

    // A small star on the drawing of the activity that serves the next
    // item of the child's path; none when nobody is named.
    void marquerProchaine();

    // The first line of the greeting.
    static QString salutation(const std::optional<QString>& prenom);

    // Hover captions, as the pointer finds them over each control.
    static QString legende(const QString& controle);

signals:
    void quitter();
    void changerJoueur();
    void mesProgres();

private:
    void tic();
    void ouvrir(Screen* ecran);
    void ouvrirAPropos();
    void survol(const QString& controle);
    // The child's own choice to hear everything read aloud, shown while
    // the computer has a voice.
    void construireLectureAuto();
    void montrerLectureAuto();
    ClickableLabel* zone(const char* name, const QRect& place, const QString& nomAccessible);

    Routines& r_;
    Ecrans& ecrans_;
    ClickableLabel* texte_;
    ClickableLabel* dates_;
    ClickableLabel* heur_;
    Plaque* plaqueJoueur_;
    ClickableLabel* joueur_;
    PictureBox* mesprogres_;
    PictureBox* entrainement_;
    ClickableLabel* travail_;
    Plaque* plaqueLecture_;
    ClickableLabel* lectureAuto_;
    QTimer* timer3_;
    MarqueEtoile* etoile_;
};

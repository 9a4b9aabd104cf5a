// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPointer>
#include <functional>
#include <QString>
#include <QStringList>
#include <cmath>
#include <optional>

#include "calendrier.h"
#include "clock.h"
#include "programme/positionnement.h"
#include "displaylayer.h"
#include "randomsource.h"
#include "registre.h"
#include "score.h"
#include "sortie.h"
#include "ui/picturefile.h"

class PictureBox;
class QLabel;
class QWidget;
class Screen;
class SoundPlayer;
class Voix;

// The program-wide state and the procedures every screen shares. One
// instance lives for the whole run; the screens hold a reference to it.
class Routines : public Compteurs {
public:
    Routines(Clock& clock, RandomSource& random, SoundPlayer& sounds, DisplayLayer& display,
             const QString& dossierDatas);

    // Tables.
    static inline const double pi = 4 * std::atan(1.0);
    static const QStringList noms_mois;  // index 1 to 12; index 0 is empty
    QStringList unites;                  // index 0 to 7; the tips rewrite them

    // The start-screen watch: pivot, end of the minute hand last drawn, and
    // the minute it was drawn at (200: not drawn). The tips clock shares the
    // hand end.
    float centre_x = 0;
    float centre_y = 0;
    double fin_x = 0;
    double fin_y = 0;
    qint16 minute_montre = 200;

    // Display size in pixels when the program started.
    float largeur_ecran = 0;
    float hauteur_ecran = 0;

    // Whether the hour hands of the watch, the exercise clock and the tips
    // clock move on with the minutes (a teacher's setting); off, they stay
    // on the hour's mark.
    bool aiguille_heures_reelle = false;
    calendrier::AiguilleHeures modeAiguilleHeures() const
    {
        return aiguille_heures_reelle ? calendrier::AiguilleHeures::Reelle
                                      : calendrier::AiguilleHeures::SurLHeure;
    }

    // 1: give the keyboard focus back to the screen at the next pointer move.
    int rendre_focus = 0;

    // Number of the click, success and failure sound last played (0: none).
    int rang_clic = 0;
    int rang_victoire = 0;
    int rang_defaite = 0;

    // Seams.
    Clock& horloge;
    RandomSource& hasard;
    SoundPlayer& sons;
    DisplayLayer& affichage;
    // Where judged answers go, and what is remembered for whoever plays;
    // whoever knows the players points them elsewhere.
    RegistreReponses* registre = &RegistreReponses::aucun();
    // The first name of the child playing; nothing when nobody is named.
    std::optional<QString> prenom;
    Preferences* preferences = &preferencesDuProgramme_;

    // The class's settings: no sound at all; how "SORTIE" quits.
    bool sons_coupes = false;
    ModeSortie sortie = ModeSortie::Normale;
    // The class's year(s) (none: every year), and whether the activities
    // with levels choose the child's level from their positioning (the
    // class's setting or this computer's).
    QList<programme::Annee> annees;
    // The class's own, which a child's own year may replace in `annees`.
    QList<programme::Annee> anneesClasse;
    // Keeps the year the child playing says they are in (none asked when
    // nobody in particular plays); set by whoever knows the players.
    std::function<void(programme::Annee)> choisirAnnee;
    bool niveaux_adaptes = false;
    // Where the child playing stands on the programme, kept up to date with
    // each answer by whoever knows the players.
    const programme::Positionnement* positionnement = &positionnementVide_;
    // The items of the week's work the teacher gave the child playing
    // (their identifiers, in the teacher's order); none without a class.
    QStringList travail;

    // The computer's voice (none: nothing is read aloud), and the class's
    // setting that silences it ("sons coupés" leaves it).
    QPointer<Voix> voix;
    bool voix_coupee = false;
    // The voice when it can speak now; nullptr otherwise.
    Voix* voixParlante() const;
    // Each new statement and verdict said as it appears: asked for by the
    // computer's setting, the class's, or the child's own choice.
    bool lecture_auto_poste = false;
    bool lecture_auto_classe = false;
    bool lectureAuto() const;
    void choisirLectureAuto(bool oui);
    // Says a text as it is written on screen, when reading aloud is on.
    void direSiLectureAuto(const QString& texteEcran);

    // Where pictures and sounds are read, and where the score is kept.
    QString dossierDatas;
    QString fichierScore;

    // Controls of the start screen that other screens act on.
    Screen* depart = nullptr;
    PictureBox* montre = nullptr;
    PictureBox* montre2 = nullptr;
    // The picture sheet's file the clock faces are cut from.
    PictureFile planche;

    QDateTime maintenant() const { return horloge.now(); }
    QString cheminDatas(const QString& nom) const;

    // Sounds.
    void SonClic();
    void JouerSon(const QString& nom);
    void SonVictoire();
    void SonDefaite();

    // Redraws the start-screen watch for the current time.
    void DessinerMontre();

    // Loads a background picture from the data folder. False, with the
    // missing file's name in a French message, when it cannot be read.
    bool ChargerFond(Screen* ecran, const QString& nom, QString* erreur = nullptr);
    // Reads only the header of that picture: false, with the same message,
    // when it cannot be read.
    bool VerifierFond(const QString& nom, QString* erreur = nullptr) const;

    // If rendre_focus is 1, clears it and gives the keyboard focus to the
    // screen, taking it from the arrow spinner that had it; nothing while
    // the keyboard is in use.
    void RendreFocus(QWidget* ecran);

    // Switches the display to that size (nothing off Windows).
    bool ChangerResolution(float largeur, float hauteur);

    // A rectangle of the picture sheet put into a picture box, read from
    // the sheet's file at the scale the box is painted at.
    void poserDecoupe(PictureBox* box, const QRect& rect) const;

    // A judged answer: the right or wrong counter, then its sound.
    void compterReponse(bool juste);

    // One more exercise done, shown in that screen's score label.
    void compterExercice(QLabel* label);

    // The way back to the start screen shared by the activity screens: the
    // watch marked as not drawn, the return sound (or a click after the
    // switch when son is empty), the screen's own resets, the start screen
    // shown and this one hidden, the watch drawn at once.
    template <class Remises>
    void retourDepart(QWidget* quitte, const QString& son, Remises remises)
    {
        minute_montre = 200;
        if (!son.isEmpty())
            JouerSon(son);
        remises();
        montrerDepart(quitte);
        if (son.isEmpty())
            SonClic();
        DessinerMontre();
    }

private:
    void montrerDepart(QWidget* quitte);

    PreferencesDuProgramme preferencesDuProgramme_;
    programme::Positionnement positionnementVide_;
};

// The message that ends start-up when a picture cannot be read.
QString messageImageIllisible(const QString& chemin);

// Nearest integer, halves to the even neighbour.
quint32 arrondiPair(float v);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "worksheets/fiches.h"

// The command line: the display for this run, the child playing, the
// export of the answers, help and version.
namespace options {

enum class Affichage {
    Memorise,    // as the last run left it (F11)
    Fenetre,
    PleinEcran,
};

struct Choix {
    Affichage affichage = Affichage::Memorise;
    bool aide = false;
    bool version = false;
    // --joueur: the child playing, a name already checked.
    std::optional<QString> joueur;
    // --exporter: the CSV file to write every answer to, without a window.
    std::optional<QString> exporter;
    // --exporter-positionnement: the CSV file to write each child's level on
    // each item of the class's year to, without a window.
    std::optional<QString> exporterPositionnement;
    // --classe: the class folder (else the setting "classe", if any).
    std::optional<QString> classe;
    // --enseignant: the teacher's view instead of the children's program.
    bool enseignant = false;
    // --tableau: the board's clock, for the whole class at the whiteboard.
    bool tableau = false;
    // --rapport: where to write the class report, without a window.
    std::optional<QString> rapport;
    // --fiche: where to write worksheets, without a window; what they ask
    // (--fiche-genre, --fiche-niveau, --fiche-mots, --fiche-par-page,
    // --fiche-pages, --fiche-numero: none given, one drawn), or a page per
    // child (--fiche-par-eleve: all of them; --fiche-eleves: those named).
    std::optional<QString> fiche;
    fiches::Choix ficheChoix;
    std::optional<int> ficheNumero;
    bool ficheParEleve = false;
    QStringList ficheEleves;
    // Empty when the command line is understood; else why not, in French.
    QString erreur;
};

// The arguments as the program received them, its own name first, without
// the options Qt takes for itself (see sansOptionsDeQt).
Choix lire(const QStringList& arguments);

// The arguments without those Qt would take for itself when the application
// starts ("-platform offscreen", "-style=fusion"...): what is left is the
// program's, read before any display is opened.
QStringList sansOptionsDeQt(const QStringList& arguments);

QString texteAide();
QString texteVersion();

}  // namespace options

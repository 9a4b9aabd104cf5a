// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The command line: the display for this run, help and version.
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
    // The class folder named on the command line (empty: the setting, if any).
    QString classe;
    // The teacher's view instead of the children's program.
    bool enseignant = false;
    // Where to write the class report, without opening a window (empty: none).
    QString rapport;
    // Empty when the command line is understood; else why not, in French.
    QString erreur;
};

// The arguments as the program received them, its own name first.
Choix lire(const QStringList& arguments);

QString texteAide();
QString texteVersion();

}  // namespace options

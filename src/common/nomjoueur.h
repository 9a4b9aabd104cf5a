// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// A child's first name as typed (command line, "Qui joue ?"): trimmed, put in
// composed form, 1 to 30 characters among letters of any alphabet, digits,
// spaces, hyphens, apostrophes and dots, not beginning with a dot. Anything
// else gives nothing.
std::optional<QString> nomJoueurValide(const QString& brut);

// Why that name is refused, in French, for standard error or the screen.
QString messageNomRefuse(const QString& brut);

// The folder name of a child: "j" and 16 hexadecimal digits of a hash of the
// case-folded name. The name itself never becomes a path ("..", "CON"), two
// spellings differing by case meet in one folder, also on a share that
// ignores case, and every computer finds the same folder for the same child.
QString cleJoueur(const QString& nom);

inline constexpr int longueurMaxNom = 30;

// A child as a store knows them.
struct Joueur {
    QString cle;  // folder name, from cleJoueur()
    QString nom;  // as first written
    friend bool operator==(const Joueur&, const Joueur&) = default;
};

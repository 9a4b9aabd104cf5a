// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// Where the program reads its pictures and sounds, and keeps the score.
struct Emplacements {
    QString datas;   // folder of pictures, sounds and the delivered score
    QString score;   // the score file the program reads and writes
    QString sons;    // the sound module, without its suffix
    QString voix;    // the voice's program, beside it
};

// A folder "datas" beside the program wins (build tree, portable copy): the
// score is kept in it, as "datas/18", and the sound module is beside the
// program too. Otherwise the program is installed: its data are in
// <prefix>/share/klepsos/datas, its sound module in <prefix>/lib/<multiarch>/klepsos, and
// the score lives in the user's own data folder, started from the delivered
// zero score on the first run.
Emplacements choisirEmplacements(const QString& dossierProgramme, const QString& dossierUtilisateur);

// The same, for this program and this user.
Emplacements emplacementsProgramme();

// The teacher's guide, beside the pictures' folder.
QString fichierGuide(const QString& dossierDatas);

// The names of every sound file of the program.
QStringList nomsSons();

// The window's icon: the program's own drawing at each size written in
// `dossierDatas` ("icone-16"...); an empty icon when there is none.
QIcon iconeFenetre(const QString& dossierDatas);

#pragma once

#include <QString>
#include <QStringList>

// The folder "datas" beside the program, where its pictures, sounds and
// score file are.
QString dossierDatasProgramme();

// The names of every sound file of the program.
QStringList nomsSons();

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The names in `dossier`, of entries of the kinds `filtres` lists and in the
// order `tri` gives, that begin with `debut` and end with `fin`. Not a QDir
// name filter: Qt turns that wildcard into a regular expression, and the
// pattern engine costs start-up half a megabyte of memory.
QStringList nomsEntre(const QDir& dossier, QStringView debut, QStringView fin, QDir::Filters filtres,
                      QDir::SortFlags tri = QDir::NoSort);

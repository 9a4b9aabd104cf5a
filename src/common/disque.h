// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Making a file's bytes last, one source file per system.
namespace disque {

// What was written to that file (closed or not), on the disk: false when
// the disk did not confirm it.
bool synchroniser(const QString& chemin);

// Puts the file `nouveau` in the place of `cible` in one step: a reader
// finds the one or the other, never neither.
bool remplacer(const QString& nouveau, const QString& cible);

}  // namespace disque

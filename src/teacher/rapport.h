// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "suivi.h"

// The class report as a PDF, ready to print: a page for the class (the
// table, a bar per activity), then a page per child (their weeks, their
// activities, what to work on). False, with a French message, when the file
// cannot be written.
bool ecrireRapport(const Lieux& lieux, const QString& fichier, QString* erreur);

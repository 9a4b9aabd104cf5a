// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "classroom/reglagesclasse.h"

class QWidget;

// The class settings as the teacher changes them, in a dialog of their own
// (reglages_classe), a message on top when there is one: what was chosen,
// or nothing when cancelled. The class's year must be chosen.
std::optional<classe::Reglages> demanderReglages(QWidget* parent, const QString& titre, classe::Reglages r,
                                                 const QString& message = {});

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "classroom/reglagesclasse.h"

class QWidget;

// The class settings as the teacher changes them, in a dialog of their own
// (reglages_classe): what was chosen, or nothing when cancelled.
std::optional<classe::Reglages> demanderReglages(QWidget* parent, const QString& titre, classe::Reglages r);

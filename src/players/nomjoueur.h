// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// A child's first name as typed, trimmed; nullopt when refused.
std::optional<QString> nomJoueurValide(const QString& nom);
// The folder name of a child: never the name itself.
QString cleJoueur(const QString& nom);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The activities whose answers are recorded, in the order of the program.
namespace activites {
QStringList identifiants();
QStringList titres();
// Its French title; the identifier itself when unknown.
QString titre(const QString& identifiant);
}  // namespace activites

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

// The texts of the lesson page, kept apart from its widgets.
namespace lecon {

// The live time under the date: " 9 h 5 mn 7 s", each number written with
// its sign blank and no leading zero.
QString texteHeure(const QTime& t);

// The fixed paragraphs of the page, in reading order.
extern const QString calendrier;   // how years are counted
extern const QString calendrier2;  // when the century begins
extern const QString semaine;      // where the weekday names come from
extern const QString sexagesimal;  // base 60
extern const QString exemple;      // a sum of durations to try

}  // namespace lecon

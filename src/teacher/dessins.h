// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QRectF>

#include "resume.h"

class QPainter;

// The pictures of the teacher's view and of the report, drawn with QPainter
// into any rectangle (a widget, a PDF page).

// From red (nothing right) through orange to green (all right); grey for no answer.
QColor couleurReussite(const Compte& c);

// The school report's colours for a level: red, orange, green, blue; grey
// for "pas encore évalué". Light enough for black text on them.
QColor couleurAcquis(programme::Acquis a);
// A level and what it rests on: "atteint (8/10)", "pas encore évalué (3/4)".
QString texteAcquisCompte(const programme::Position& p);

// "justes/total", or a dash when nothing was answered.
QString texteCompte(const Compte& c);
// The share of right answers, "74 %", or a dash.
QString textePart(const Compte& c);

// One bar per activity: its share of right answers, its title and its count.
struct BarreActivite {
    QString titre;
    Compte compte;
};
void dessinerActivites(QPainter& p, const QRectF& zone, const QList<BarreActivite>& barres);

// Answers over time: a column per week, right answers in green under wrong
// ones in red, the weeks' dates below.
void dessinerProgres(QPainter& p, const QRectF& zone, const QList<Semaine>& semaines);

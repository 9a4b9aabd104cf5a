// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "fiches.h"

class QPainter;

// Worksheets on A4 paper, portrait, in black on white: drawn in tenths of a
// millimetre (the painter's window), dials as vectors, the page's layout
// in one place.
namespace papier {

inline constexpr QSizeF a4{2100, 2970};
inline constexpr qreal marge = 120;

// A dial on the page: its centre and radius (tenths of a millimetre).
struct Cadran {
    QPointF centre;
    qreal rayon;
};
// Where a page's exercise draws its dial(s): one for most, two for a
// duration (first, then second), none for a month's page.
QList<Cadran> cadransDe(const fiches::Page& page, qsizetype exercice);

// A dial of that radius; its hands (geared as on a real clock, the
// seconds' hand with the seconds) when a time is given, in seconds.
void dessinerCadran(QPainter& p, const Cadran& c, std::optional<int> temps, bool secondes);

// A sheet's page, with its number among the sheet's pages.
void dessinerPage(QPainter& p, const fiches::Page& page, int numeroPage, int nombrePages);

// The keys follow the pages: a block for each page, every answer beside a
// small copy of its dial, as many blocks on a sheet of paper as fit.
struct BlocCorrige {
    int feuille;      // the key's sheet, from 0
    qsizetype page;   // the page it answers
    qreal haut;
};
QList<BlocCorrige> blocsCorrige(const QList<fiches::Page>& pages);
// Where an answer of a block sits, and its small dial(s).
QRectF caseCorrige(const BlocCorrige& b, qsizetype exercice);
QList<Cadran> cadransCorrige(const QRectF& entree, fiches::Genre g);
void dessinerCorrige(QPainter& p, const QList<fiches::Page>& pages, const BlocCorrige& b);

// The pages, then their keys, in one PDF (A4, fonts embedded), written
// aside and renamed. False, with a French message, when it cannot be.
bool ecrirePdf(const QList<fiches::Page>& pages, const QString& fichier, QString* erreur);

}  // namespace papier

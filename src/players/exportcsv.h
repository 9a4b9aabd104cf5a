// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "historique.h"

// The answers as a spreadsheet opens them in French: UTF-8 with a byte-order
// mark, ';' between fields, the header
// "date;heure;joueur;activite;question;reponse;juste;seance", then one line per
// answer, juste being "oui" or "non". A field holding ';', '"' or a line
// break is quoted; one a spreadsheet would take for a formula (beginning
// with '=', '+', '-' or '@') gets a leading apostrophe.
QByteArray exporterCsv(const QList<LigneHistorique>& lignes);
// A list of answers in order of date as those lines (no header), with each
// line's date (seconds since the epoch) and where it ends in the bytes.
struct LignesCsv {
    QByteArray octets;
    QList<qint64> cles;
    QList<qsizetype> fins;
};
LignesCsv lignesCsv(const QList<LigneHistorique>& lignes);
// Several such lists as one CSV in order of date: of answers given the same
// second, those of an earlier list first.
QByteArray exporterCsv(const QList<LignesCsv>& listes);

// Any table in the same conventions: the byte-order mark, the header, then
// the rows, each field escaped as above.
QByteArray tableCsv(const QStringList& entete, const QList<QStringList>& lignes);

// Bytes written whole to a file (then renamed). False, with a French
// message, when it cannot be written.
bool ecrireCsv(const QString& fichier, const QByteArray& csv, QString* erreur);

// Every answer kept under a store folder (every child, and none) written as
// that CSV to a file. False, with a French message, when it cannot be written.
bool exporterDepot(const QString& racine, const QString& fichier, QString* erreur);

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

// Any table in the same conventions: the byte-order mark, the header, then
// the rows, each field escaped as above.
QByteArray tableCsv(const QStringList& entete, const QList<QStringList>& lignes);

// Bytes written whole to a file (then renamed). False, with a French
// message, when it cannot be written.
bool ecrireCsv(const QString& fichier, const QByteArray& csv, QString* erreur);

// Every answer kept under a store folder (every child, and none) written as
// that CSV to a file. False, with a French message, when it cannot be written.
bool exporterDepot(const QString& racine, const QString& fichier, QString* erreur);

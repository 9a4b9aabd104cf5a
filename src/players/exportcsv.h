// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "historique.h"

// The answers as a spreadsheet opens them in French: UTF-8 with a byte-order
// mark, ';' between fields, the header
// "date;heure;joueur;activite;question;reponse;juste", then one line per
// answer, juste being "oui" or "non". A field holding ';', '"' or a line
// break is quoted; one a spreadsheet would take for a formula (beginning
// with '=', '+', '-' or '@') gets a leading apostrophe.
QByteArray exporterCsv(const QList<LigneHistorique>& lignes);

// Every answer kept under a store folder (every child, and none) written as
// that CSV to a file. False, with a French message, when it cannot be written.
bool exporterDepot(const QString& racine, const QString& fichier, QString* erreur);

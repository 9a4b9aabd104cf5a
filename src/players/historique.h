// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

struct LigneHistorique {
    QDateTime quand;
    QString joueur, activite, question, reponse, attendue;
    bool juste = false;
};

QByteArray ecrireLigne(const LigneHistorique& l);
std::optional<LigneHistorique> lireLigne(QByteArrayView ligne);

struct LectureHistorique {
    QList<LigneHistorique> lignes;
    int ignorees = 0;
};
LectureHistorique lireHistorique(const QString& chemin, qint64 depuis = 0);

// This computer's name in the stores: "p" and 16 random hex digits, kept
// in <racine>/poste.
QString posteLocal(const QString& racine);

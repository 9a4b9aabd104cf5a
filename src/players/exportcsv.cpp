// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportcsv.h"

#include <QDir>
#include <QSaveFile>

#include "depot.h"

namespace {

void ajouterChamp(QByteArray& o, const QString& s)
{
    QByteArray u = s.toUtf8();
    if (!u.isEmpty() && (u[0] == '=' || u[0] == '+' || u[0] == '-' || u[0] == '@'))
        u.prepend('\'');
    const bool guillemets = u.contains(';') || u.contains('"') || u.contains('\n') || u.contains('\r');
    if (!guillemets) {
        o += u;
        return;
    }
    o += '"';
    o += u.replace('"', "\"\"");
    o += '"';
}

void ajouterNombre(QByteArray& o, int n, int chiffres)
{
    char b[4];
    for (int i = chiffres - 1; i >= 0; --i, n /= 10)
        b[i] = char('0' + n % 10);
    o.append(b, chiffres);
}

}  // namespace

QByteArray exporterCsv(const QList<LigneHistorique>& lignes)
{
    QByteArray o = QByteArrayLiteral("\xEF\xBB\xBF" "date;heure;joueur;activite;question;reponse;juste;seance\r\n");
    o.reserve(o.size() + lignes.size() * 96);
    for (const LigneHistorique& l : lignes) {
        // The time of day where and when the answer was given.
        const QDate d = l.quand.date();
        const QTime t = l.quand.time();
        ajouterNombre(o, d.year(), 4);
        o += '-';
        ajouterNombre(o, d.month(), 2);
        o += '-';
        ajouterNombre(o, d.day(), 2);
        o += ';';
        ajouterNombre(o, t.hour(), 2);
        o += ':';
        ajouterNombre(o, t.minute(), 2);
        o += ':';
        ajouterNombre(o, t.second(), 2);
        for (const QString* champ : {&l.joueur, &l.activite, &l.question, &l.reponse}) {
            o += ';';
            ajouterChamp(o, *champ);
        }
        o += l.juste ? ";oui;" : ";non;";
        // The training session it was given in (empty outside one), read
        // from a shared file like the rest: escaped like the rest.
        ajouterChamp(o, l.seance);
        o += "\r\n";
    }
    return o;
}

QByteArray tableCsv(const QStringList& entete, const QList<QStringList>& lignes)
{
    QByteArray o = QByteArrayLiteral("\xEF\xBB\xBF");
    const auto ligne = [&o](const QStringList& champs) {
        for (qsizetype i = 0; i < champs.size(); ++i) {
            if (i)
                o += ';';
            ajouterChamp(o, champs[i]);
        }
        o += "\r\n";
    };
    ligne(entete);
    for (const QStringList& l : lignes)
        ligne(l);
    return o;
}

bool exporterDepot(const QString& racine, const QString& fichier, QString* erreur)
{
    return ecrireCsv(fichier, exporterCsv(lireDepot(racine).lignes), erreur);
}

bool ecrireCsv(const QString& fichier, const QByteArray& csv, QString* erreur)
{
    QSaveFile f(fichier);
    if (f.open(QIODevice::WriteOnly) && f.write(csv) == csv.size() && f.flush() && f.commit())
        return true;
    f.cancelWriting();
    if (erreur)
        *erreur = QStringLiteral("Klepsos ne peut pas écrire le fichier « %1 ».")
                      .arg(QDir::toNativeSeparators(fichier));
    return false;
}

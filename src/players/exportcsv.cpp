// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportcsv.h"

#include <QDir>
#include <QSaveFile>

#include "common/parallele.h"
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

const QByteArray enteteCsv = QByteArrayLiteral("\xEF\xBB\xBF" "date;heure;joueur;activite;question;reponse;juste;seance\r\n");
// About what a line takes, to reserve the bytes once.
constexpr qsizetype octetsParLigne = 96;

void ajouterLigne(QByteArray& o, const LigneHistorique& l)
{
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

}  // namespace

QByteArray exporterCsv(const QList<LigneHistorique>& lignes)
{
    QByteArray o = enteteCsv;
    o.reserve(o.size() + lignes.size() * octetsParLigne);
    for (const LigneHistorique& l : lignes)
        ajouterLigne(o, l);
    return o;
}

LignesCsv lignesCsv(const QList<LigneHistorique>& lignes)
{
    LignesCsv l;
    l.octets.reserve(lignes.size() * octetsParLigne);
    l.cles.reserve(lignes.size());
    l.fins.reserve(lignes.size());
    for (const LigneHistorique& ligne : lignes) {
        ajouterLigne(l.octets, ligne);
        l.cles.append(ligne.quand.toSecsSinceEpoch());
        l.fins.append(l.octets.size());
    }
    return l;
}

QByteArray exporterCsv(const QList<LignesCsv>& listes)
{
    // Merged, not gathered and sorted again: a class's year is hundreds of
    // thousands of answers.
    qsizetype octets = 0, total = 0;
    for (const LignesCsv& l : listes) {
        octets += l.octets.size();
        total += l.fins.size();
    }
    QByteArray o = enteteCsv;
    o.reserve(o.size() + octets);
    QList<qsizetype> suivante(listes.size(), 0);
    for (qsizetype n = 0; n < total; ++n) {
        qsizetype choisie = -1;
        for (qsizetype i = 0; i < listes.size(); ++i) {
            if (suivante[i] < listes[i].fins.size()
                && (choisie < 0 || listes[i].cles[suivante[i]] < listes[choisie].cles[suivante[choisie]]))
                choisie = i;
        }
        const LignesCsv& l = listes[choisie];
        const qsizetype k = suivante[choisie]++;
        const qsizetype debut = k == 0 ? 0 : l.fins[k - 1];
        o.append(l.octets.constData() + debut, l.fins[k] - debut);
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
    // Each child's answers read and written as lines on a core of their own,
    // then merged by date.
    const QList<QStringList> groupes = historiquesDuDepot(racine);
    QList<LignesCsv> lues(groupes.size());
    LignesCsv* const lu = lues.data();  // each thread writes its own
    enParallele(size_t(groupes.size()), [&](size_t i) { lu[i] = lignesCsv(lireHistoriques(groupes[qsizetype(i)]).lignes); });
    return ecrireCsv(fichier, exporterCsv(lues), erreur);
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

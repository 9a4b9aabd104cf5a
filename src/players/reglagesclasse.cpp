// SPDX-License-Identifier: GPL-3.0-or-later
#include "reglagesclasse.h"

#include <QStringList>

namespace classe {

namespace {
const QString cleSons = QStringLiteral("sons_coupes");
const QString cleSortie = QStringLiteral("sortie");
const QString cleAiguille = QStringLiteral("aiguille_heures_reelle");
const QString cleVoix = QStringLiteral("voix_coupee");
const QString cleLecture = QStringLiteral("lecture_auto");
const QString sortieNormale = QStringLiteral("normale");
const QString sortieAppuiLong = QStringLiteral("appui_long");
const QString sortieCachee = QStringLiteral("cachee");
const QString oui = QStringLiteral("oui");
const QString non = QStringLiteral("non");
}  // namespace

Reglages lireReglages(const QString& texte, int* ignores)
{
    Reglages r;
    int mauvais = 0;
    const auto booleen = [&](const QString& v, bool& b) {
        if (v == oui || v == non)
            b = v == oui;
        else
            ++mauvais;
    };
    for (const QString& brute : texte.split(QLatin1Char('\n'))) {
        const QString ligne = brute.trimmed();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eg = ligne.indexOf(QLatin1Char('='));
        const QString cle = ligne.left(eg).trimmed();
        const QString v = ligne.mid(eg + 1).trimmed();
        if (eg < 0)
            ++mauvais;
        else if (cle == cleSons)
            booleen(v, r.sonsCoupes);
        else if (cle == cleAiguille)
            booleen(v, r.aiguilleHeuresReelle);
        else if (cle == cleVoix)
            booleen(v, r.voixCoupee);
        else if (cle == cleLecture)
            booleen(v, r.lectureAuto);
        else if (cle == cleSortie && v == sortieNormale)
            r.sortie = Sortie::Normale;
        else if (cle == cleSortie && v == sortieAppuiLong)
            r.sortie = Sortie::AppuiLong;
        else if (cle == cleSortie && v == sortieCachee)
            r.sortie = Sortie::Cachee;
        else
            ++mauvais;
    }
    if (ignores)
        *ignores = mauvais;
    return r;
}

QString ecrireReglages(const Reglages& r)
{
    const QString sortie = r.sortie == Sortie::Cachee      ? sortieCachee
                           : r.sortie == Sortie::AppuiLong ? sortieAppuiLong
                                                           : sortieNormale;
    const auto booleen = [](bool b) { return b ? oui : non; };
    return QStringLiteral("%1=%2\n%3=%4\n%5=%6\n%7=%8\n%9=%10\n")
        .arg(cleSons, booleen(r.sonsCoupes), cleSortie, sortie, cleAiguille,
             booleen(r.aiguilleHeuresReelle), cleVoix, booleen(r.voixCoupee), cleLecture)
        .arg(booleen(r.lectureAuto));
}

}  // namespace classe

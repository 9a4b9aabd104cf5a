// SPDX-License-Identifier: GPL-3.0-or-later
#include "reglagesclasse.h"

#include <QStringList>

namespace classe {

namespace {
const QString cleSons = QStringLiteral("sons_coupes");
const QString cleSortie = QStringLiteral("sortie");
const QString cleAiguille = QStringLiteral("aiguille_heures_reelle");
const QString cleAnnee = QStringLiteral("annee");
const QString cleAdaptes = QStringLiteral("niveaux_adaptes");
// A mixed class has two years at most.
constexpr qsizetype anneesMax = 2;
const QString cleVoix = QStringLiteral("voix_coupee");
const QString cleLecture = QStringLiteral("lecture_auto");
const QString sortieNormale = QStringLiteral("normale");
const QString sortieAppuiLong = QStringLiteral("appui_long");
const QString sortieCachee = QStringLiteral("cachee");
const QString oui = QStringLiteral("oui");
const QString non = QStringLiteral("non");
}  // namespace

int lireClesValeurs(const QString& texte, const std::function<bool(const QString&, const QString&)>& lire)
{
    int mauvais = 0;
    // Notepad may begin a file with a byte-order mark.
    const QStringView sansMarque = texte.startsWith(QChar(0xFEFF)) ? QStringView(texte).mid(1) : QStringView(texte);
    for (const QStringView brute : sansMarque.split(QLatin1Char('\n'))) {
        const QString ligne = brute.trimmed().toString();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eg = ligne.indexOf(QLatin1Char('='));
        if (eg < 0 || !lire(ligne.left(eg).trimmed(), ligne.mid(eg + 1).trimmed()))
            ++mauvais;
    }
    return mauvais;
}

Reglages lireReglages(const QString& texte, int* ignores)
{
    Reglages r;
    const auto booleen = [](const QString& v, bool& b) {
        if (v != oui && v != non)
            return false;
        b = v == oui;
        return true;
    };
    const int mauvais = lireClesValeurs(texte, [&](const QString& cle, const QString& v) {
        if (cle == cleSons)
            return booleen(v, r.sonsCoupes);
        if (cle == cleAiguille)
            return booleen(v, r.aiguilleHeuresReelle);
        if (cle == cleAdaptes)
            return booleen(v, r.niveauxAdaptes);
        if (cle == cleAnnee && lireAnnees(v)) {
            r.annees = *lireAnnees(v);
            return true;
        }
        if (cle == cleVoix)
            return booleen(v, r.voixCoupee);
        if (cle == cleLecture)
            return booleen(v, r.lectureAuto);
        if (cle == cleSortie && (v == sortieNormale || v == sortieAppuiLong || v == sortieCachee)) {
            r.sortie = v == sortieCachee ? Sortie::Cachee : v == sortieAppuiLong ? Sortie::AppuiLong : Sortie::Normale;
            return true;
        }
        return false;
    });
    if (ignores)
        *ignores = mauvais;
    return r;
}

std::optional<QList<programme::Annee>> lireAnnees(const QString& valeur)
{
    QList<programme::Annee> l;
    for (const QString& nom : valeur.split(QLatin1Char(','))) {
        const auto a = programme::anneeDepuisNom(nom.trimmed());
        if (!a || (!l.isEmpty() && *a <= l.last()))
            return std::nullopt;
        l << *a;
    }
    if (l.size() > anneesMax)
        return std::nullopt;
    return l;
}

QString ecrireAnnees(const QList<programme::Annee>& annees)
{
    QStringList noms;
    for (programme::Annee a : annees)
        noms << programme::nomAnnee(a);
    return noms.join(QLatin1Char(','));
}

QString ecrireReglages(const Reglages& r)
{
    const QString sortie = r.sortie == Sortie::Cachee      ? sortieCachee
                           : r.sortie == Sortie::AppuiLong ? sortieAppuiLong
                                                           : sortieNormale;
    const auto booleen = [](bool b) { return b ? oui : non; };
    QString t;
    for (const auto& [cle, valeur] : {std::pair{cleSons, booleen(r.sonsCoupes)}, std::pair{cleSortie, sortie},
                                      std::pair{cleAiguille, booleen(r.aiguilleHeuresReelle)},
                                      std::pair{cleAdaptes, booleen(r.niveauxAdaptes)},
                                      std::pair{cleVoix, booleen(r.voixCoupee)}, std::pair{cleLecture, booleen(r.lectureAuto)}})
        t += cle + QLatin1Char('=') + valeur + QLatin1Char('\n');
    // No year is no line: every year.
    if (!r.annees.isEmpty())
        t += cleAnnee + QLatin1Char('=') + ecrireAnnees(r.annees) + QLatin1Char('\n');
    return t;
}

}  // namespace classe

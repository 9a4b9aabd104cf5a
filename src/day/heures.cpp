// SPDX-License-Identifier: GPL-3.0-or-later
#include "heures.h"

#include <algorithm>

#include "clock/aiguilles.h"
#include "common/randomsource.h"

namespace journee {

namespace {

// The first two times that differ from the answer, and from each other, on
// the dial.
QList<int> deuxAutres(int reponse, const QList<int>& candidats)
{
    QList<int> choisis;
    const int cadranReponse = aiguilles::surCadran(reponse);
    for (int c : candidats) {
        const int t = dansLaJournee(c);
        const auto memeCadran = [t](int autre) {
            return aiguilles::surCadran(autre) == aiguilles::surCadran(t);
        };
        if (memeCadran(cadranReponse) || std::any_of(choisis.begin(), choisis.end(), memeCadran))
            continue;
        choisis.append(t);
        if (choisis.size() == 2)
            break;
    }
    return choisis;
}

// The dial's time the hands swapped give, in the same half of the day.
int inverseeDansLaJournee(int t)
{
    return t - aiguilles::surCadran(t) + aiguilles::inverser(t);
}

}  // namespace

Moment moment(int t)
{
    const int h = dansLaJournee(t) / 60;
    // The evening lasts until midnight: "10 heures du soir", as French says,
    // and each moment's words then name one reading of the dial.
    if (h < 6)
        return Moment::Nuit;
    if (h < 12)
        return Moment::Matin;
    if (h < 13)
        return Moment::Midi;
    return h < 18 ? Moment::ApresMidi : Moment::Soir;
}

const QList<Scene> scenes{
    {7, "Léa se réveille"},   {8, "Tom part à l'école"},      {10, "C'est la récréation"},
    {12, "On mange à la cantine"}, {14, "Tom fait du sport"}, {16, "Léa prend son goûter"},
    {17, "Tom joue au parc"}, {19, "Léa prend son bain"},     {20, "Toute la famille dîne"},
    {21, "Tom se couche"},    {2, "Tout le monde dort"},      {4, "Léa dort encore"},
};

int tirerScene(RandomSource& hasard, int avant)
{
    const int n = int(scenes.size());
    const int i = tirage(hasard, avant >= 0 ? n - 1 : n, 0);
    return avant >= 0 && i >= avant ? i + 1 : i;
}

QList<Moment> momentsProposes(RandomSource& hasard, int scene)
{
    const int h = scenes[scene].heure;
    const Moment juste = moment(h * 60);
    QList<Moment> l{juste};
    // The same hour on the dial, in the other half of the day, then any other.
    if (const Moment autre = moment((h + 12) % 24 * 60); autre != juste)
        l << autre;
    QList<Moment> restes;
    for (Moment m : {Moment::Nuit, Moment::Matin, Moment::Midi, Moment::ApresMidi, Moment::Soir})
        if (!l.contains(m))
            restes << m;
    while (l.size() < 3)
        l << restes.takeAt(tirage(hasard, int(restes.size()), 0));
    QList<Moment> melange;
    while (!l.isEmpty())
        melange << l.takeAt(tirage(hasard, int(l.size()), 0));
    return melange;
}

QString enonceMoment(int scene)
{
    const int h = scenes[scene].heure % 12 == 0 ? 12 : scenes[scene].heure % 12;
    return QStringLiteral("L'horloge montre %1 heure%2.\n%3.\nQuel moment est-ce ?")
        .arg(h)
        .arg(h > 1 ? "s" : "")
        .arg(QString::fromUtf8(scenes[scene].texte));
}

QString verdictMoment(int scene, Moment choisi)
{
    const Scene& s = scenes[scene];
    const Moment m = moment(s.heure * 60);
    static const char* const de[] = {" de la nuit", " du matin", "", " de l'après-midi", " du soir"};
    return QStringLiteral("%1%2 à %3%4 : c'est %5.")
        .arg(choisi == m ? QStringLiteral("Bravo ! ") : QStringLiteral("Erreur ! "), QString::fromUtf8(s.texte),
             nomHeure(s.heure), QString::fromUtf8(de[int(m)]), nomMoment(m));
}

QString nomMoment(Moment m)
{
    switch (m) {
    case Moment::Nuit:
        return QStringLiteral("la nuit");
    case Moment::Matin:
        return QStringLiteral("le matin");
    case Moment::Midi:
        return QStringLiteral("à midi");
    case Moment::ApresMidi:
        return QStringLiteral("l'après-midi");
    case Moment::Soir:
        break;
    }
    return QStringLiteral("le soir");
}

QString explicationConversion(int t)
{
    t = dansLaJournee(t);
    const int h = t / 60;
    const QString cadran = numerique(aiguilles::surCadran(t) < 60 ? aiguilles::surCadran(t) + midi
                                                                   : aiguilles::surCadran(t));
    const QString fleche = QStringLiteral(" : ") + cadran + QStringLiteral(" → ") + numerique(t);
    if (h == 0)
        return QStringLiteral("de minuit à 1 heure, on écrit 0") + fleche;
    if (h < 12)
        return QStringLiteral("avant midi, on garde l'heure") + fleche;
    if (h == 12)
        return QStringLiteral("de midi à 1 heure, on garde 12") + fleche;
    return nomMoment(moment(t)) + QStringLiteral(", on ajoute 12") + fleche;
}

QList<int> cadransVoisins(int t)
{
    t = dansLaJournee(t);
    QList<int> candidats;
    if (t / 60 >= 13)
        candidats << t - 10 * 60;
    candidats << inverseeDansLaJournee(t) << t + 60 << t - 60 << t + 120;
    QList<int> cadrans;
    for (int c : deuxAutres(t, candidats))
        cadrans << aiguilles::surCadran(c);
    return cadrans;
}

QString explicationMots(int t)
{
    t = dansLaJournee(t - t % 5);
    const int m = t % 60;
    const QString dit = QStringLiteral(" : on dit « ") + enMots(t) + QStringLiteral(" ».");
    if (m == 0)
        return QStringLiteral("la grande aiguille est sur le 12") + dit;
    if (m <= 30)
        return QStringLiteral("%1 minutes après %2").arg(m).arg(nomHeure(t / 60)) + dit;
    return QStringLiteral("%1 minutes avant %2").arg(60 - m).arg(nomHeure(t / 60 + 1)) + dit;
}

QList<int> confusionsDeMots(int t)
{
    t = dansLaJournee(t - t % 5);
    const int h = t / 60;
    const int m = t % 60;
    QList<int> candidats;
    if (m == 0)
        candidats << inverseeDansLaJournee(t) << t + 60;
    else if (m < 30)
        candidats << h * 60 - m << h * 60 + 60 - m;
    else if (m == 30)
        candidats << t + 60 << t - 60;
    else
        candidats << h * 60 + 60 - m << t - 60;
    candidats << t - 60 << t + 60 << t + 120;
    return deuxAutres(t, candidats);
}

const QList<Niveau> niveauxMatin{{"heures_pile", "Heures pile", 60},
                                  {"quarts", "Quarts et demies", 15},
                                  {"cinq_minutes", "Toutes les 5 minutes", 5}};
const QList<Niveau> niveauxMots{{"quarts", "Quarts et demies", 15},
                                {"cinq_minutes", "Toutes les 5 minutes", 5}};

int indexNiveau(const QList<Niveau>& niveaux, const QString& cle)
{
    for (int i = 0; i < niveaux.size(); ++i)
        if (cle == QLatin1String(niveaux[i].cle))
            return i;
    return 0;
}

int tirer(RandomSource& hasard, int pas, int sauf)
{
    QList<int> possibles;
    for (int t = 0; t < jour; t += pas)
        if (aiguilles::surCadran(t) != aiguilles::surCadran(sauf))
            possibles.append(t);
    return possibles[tirage(hasard, int(possibles.size()), 0)];
}

}  // namespace journee

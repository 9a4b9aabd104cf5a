// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a class folder for the bench: children with a year of answers each,
// spread over three computers, as the class's computers would have written
// them.
//   bench_classe DOSSIER [enfants] [réponses par enfant]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include "classroom/classe.h"
#include "clock/aiguilles.h"
#include "players/historique.h"
#include "common/nomjoueur.h"

namespace {

const QStringList prenoms{
    QStringLiteral("Léa"),    QStringLiteral("Hugo"),   QStringLiteral("Chloé"),  QStringLiteral("Louis"),
    QStringLiteral("Inès"),   QStringLiteral("Gabriel"), QStringLiteral("Jade"),  QStringLiteral("Raphaël"),
    QStringLiteral("Manon"),  QStringLiteral("Arthur"), QStringLiteral("Zoé"),    QStringLiteral("Jules"),
    QStringLiteral("Camille"), QStringLiteral("Adam"),  QStringLiteral("Lina"),   QStringLiteral("Noé"),
    QStringLiteral("Emma"),   QStringLiteral("Sacha"),  QStringLiteral("Rose"),   QStringLiteral("Tom"),
    QStringLiteral("Alice"),  QStringLiteral("Nathan"), QStringLiteral("Anna"),   QStringLiteral("Théo"),
    QStringLiteral("Lou"),    QStringLiteral("Mathis"), QStringLiteral("Ambre"),  QStringLiteral("Éloïse"),
    QStringLiteral("Maël"),   QStringLiteral("Yanis")};
const QStringList activites{
    QStringLiteral("minutes_dans_heures"), QStringLiteral("lire_horloge"),     QStringLiteral("montre"),
    QStringLiteral("minutes_en_heures"),   QStringLiteral("comparer_durees"),  QStringLiteral("nombre_manquant"),
    QStringLiteral("placer_aiguilles"),    QStringLiteral("date_naissance"),   QStringLiteral("mois_en_annees"),
    QStringLiteral("date_anniversaire"),   QStringLiteral("age_anniversaire")};
const QStringList postes{QStringLiteral("p00000000000000a1"), QStringLiteral("p00000000000000b2"),
                         QStringLiteral("p00000000000000c3")};

LigneHistorique reponse(const QString& nom, QDateTime quand, QRandomGenerator& g, double adresse)
{
    const int h = g.bounded(1, 13);
    const int m = g.bounded(12) * 5;
    const bool juste = g.generateDouble() < adresse;
    const QString attendue = QStringLiteral("%1 h %2 mn").arg(h).arg(m);
    const QString activite = activites[g.bounded(int(activites.size()))];
    // The hands are set at the easiest level that asks that time.
    const auto niveau = activite == aiguilles::activite ? aiguilles::niveauDuTexte(attendue) : std::nullopt;
    return {quand, nom, activite, QStringLiteral("Quelle heure est-il ?"),
            juste ? attendue : QStringLiteral("%1 h %2 mn").arg(h % 12 + 1).arg(m), attendue, juste,
            niveau ? aiguilles::cle(*niveau) : QString()};
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList a = app.arguments().mid(1);
    QRandomGenerator g(20261207);
    if (a.isEmpty()) {
        QTextStream(stderr) << "bench_classe DOSSIER [enfants] [réponses par enfant]\n";
        return 2;
    }
    const int enfants = std::min<int>(a.value(1, QStringLiteral("30")).toInt(), int(prenoms.size()));
    const int reponses = a.value(2, QStringLiteral("10000")).toInt();
    // A class whose teacher chose its year: the view opens on its table.
    QDir().mkpath(a[0]);
    if (!classe::enregistrerReglages(a[0], classe::Reglages{.annees = {programme::Annee::CE2}}))
        return 1;
    const QDateTime debut = QDateTime::currentDateTime().addDays(-365);
    for (int e = 0; e < enfants; ++e) {
        const QString cle = cleJoueur(prenoms[e]);
        const QDir d(QDir(a[0]).filePath(QStringLiteral("joueurs/") + cle));
        QDir().mkpath(d.path());
        QFile nom(d.filePath(QStringLiteral("nom")));
        if (!nom.open(QIODevice::WriteOnly))
            return 1;
        nom.write(prenoms[e].toUtf8() + '\n');
        QByteArray parPoste[3];
        const double adresse = 0.45 + 0.5 * e / enfants;
        for (int i = 0; i < reponses; ++i) {
            // The year in order, a little better as it goes.
            const QDateTime quand = debut.addSecs(qint64(i) * 365 * 86400 / reponses);
            parPoste[g.bounded(3)] += ecrireLigne(reponse(prenoms[e], quand, g, adresse + 0.1 * i / reponses));
        }
        for (int p = 0; p < 3; ++p) {
            QFile f(d.filePath(postes[p] + QStringLiteral(".hist")));
            if (!f.open(QIODevice::WriteOnly) || f.write(parPoste[p]) != parPoste[p].size())
                return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The school programme: the map against the program's own lists of
// activities and levels, the positioning rule at each threshold, the latest
// answers whatever order they are read in, the levels that follow the child,
// and the stars of "Mes progrès" at theirs.
#include <QSet>
#include <QTest>

#include "calendar/questions.h"
#include "clock/aiguilles.h"
#include "clock/ecranaiguilles.h"
#include "day/durees.h"
#include "day/heures.h"
#include "players/bilan.h"
#include "players/positionjoueur.h"
#include "players/progres.h"
#include "programme/adaptation.h"
#include "shell/depart.h"

using namespace programme;

namespace {

// The levels each levelled activity offers, from its own screen's list: a
// level added there without a place on the programme fails the map's test.
QHash<QString, QStringList> niveauxDesEcrans()
{
    const auto cles = [](const QList<journee::Niveau>& niveaux) {
        QStringList l;
        for (const journee::Niveau& n : niveaux)
            l << QString::fromLatin1(n.cle);
        return l;
    };
    const auto clesCal = [](const QList<cal::Niveau>& niveaux) {
        QStringList l;
        for (const cal::Niveau& n : niveaux)
            l << QString::fromLatin1(n.cle);
        return l;
    };
    QStringList problemes;
    for (durees::Niveau n : durees::niveaux)
        problemes << durees::cle(n);
    return {{aiguilles::activite, clesNiveaux()},
            {QStringLiteral("jours_mois"), clesCal(cal::niveauxJours)},
            {QStringLiteral("lire_calendrier"), clesCal(cal::niveauxPage)},
            {QStringLiteral("unites_temps"), clesCal(cal::niveauxUnites)},
            {QStringLiteral("siecles"), clesCal(cal::niveauxSiecles)},
            {QStringLiteral("matin_apres_midi"), cles(journee::niveauxMatin)},
            {QStringLiteral("mots_heure"), cles(journee::niveauxMots)},
            {QStringLiteral("probleme_duree"), problemes}};
}

bool place(const QString& activite, const QString& niveau)
{
    for (const Placement& p : placements())
        if (activite == QLatin1String(p.activite)
            && (niveau == QLatin1String(p.niveau) || QLatin1String(p.niveau) == QLatin1String(toutNiveau)))
            return true;
    return false;
}

int item(const char* id)
{
    return indexItem(QString::fromLatin1(id));
}

// n answers at that level, one a minute from `depuis`, the first `justes` right.
void repondre(Positionnement& p, const char* niveau, int n, int justes, qint64 depuis = 0)
{
    for (int i = 0; i < n; ++i)
        p.ajouter(aiguilles::activite, QString::fromLatin1(niveau), depuis + 60 * i, i < justes);
}

}  // namespace

class TstProgramme : public QObject {
    Q_OBJECT

private slots:
    void chaqueQuestionALaCarte()
    {
        const QHash<QString, QStringList> ecrans = niveauxDesEcrans();
        for (const QString& a : activitesConnues()) {
            const QStringList niveaux = ecrans.value(a, {QString::fromLatin1(sansNiveau)});
            for (const QString& n : niveaux)
                QVERIFY2(place(a, n), qPrintable(a + QLatin1Char('/') + n + QStringLiteral(" n'a pas d'attendu")));
            // The start screen can star the drawing that opens it.
            QVERIFY2(!Depart::dessinDe(a).isEmpty(), qPrintable(a));
        }
    }

    void laCarteEstCoherente()
    {
        QSet<QString> ids, servis;
        for (const Placement& p : placements()) {
            QVERIFY2(item(p.item) >= 0, p.item);
            servis << QString::fromLatin1(p.item);
        }
        for (const Item& i : items()) {
            QVERIFY2(!ids.contains(QString::fromLatin1(i.id)), i.id);
            ids << QString::fromLatin1(i.id);
            QVERIFY2(servis.contains(QString::fromLatin1(i.id)), i.id);  // no column always empty
            if (i.suite) {
                QVERIFY2(item(i.suite) >= 0, i.suite);
                QVERIFY2(items()[size_t(item(i.suite))].annee > i.annee, i.id);
            }
        }
        for (Annee a : annees)
            QCOMPARE(anneeDepuisNom(nomAnnee(a)), a);
        QCOMPARE(anneeDepuisNom(QStringLiteral("ce1")), std::nullopt);
    }

    // Each kind of question in the year the programme teaches it (cycle 2
    // of 2024 and its yearly benchmarks, cycle 3).
    void lesAnneesDuProgramme()
    {
        const struct { const char* activite; const char* niveau; Annee annee; } cas[] = {
            {"placer_aiguilles", "heures", Annee::CP},          {"matin_apres_midi", "heures_pile", Annee::CP},
            {"placer_aiguilles", "quarts", Annee::CE1},         {"placer_aiguilles", "cinq_minutes", Annee::CE1},
            {"matin_apres_midi", "quarts", Annee::CE1},         {"probleme_duree", "heures_entieres", Annee::CE1},
            {"placer_aiguilles", "minutes", Annee::CE2},        {"placer_aiguilles", "secondes", Annee::CE2},
            {"mots_heure", "quarts", Annee::CE2},               {"montre", "", Annee::CE2},
            {"probleme_duree", "deux_etapes", Annee::CE2},      {"minutes_en_heures", "", Annee::CE2},
            {"probleme_duree", "jour_suivant", Annee::CM1},     {"nombre_manquant", "", Annee::CM1},
            {"date_anniversaire", "", Annee::CM1},              {"probleme_duree", "secondes", Annee::CM2},
        };
        for (const auto& c : cas) {
            const int i = itemDe(QString::fromLatin1(c.activite), QString::fromLatin1(c.niveau));
            QVERIFY2(i >= 0 && items()[size_t(i)].annee == c.annee, c.activite);
        }
        // A name an older version wrote in the week's work: today's item.
        QCOMPARE(item("cm2_secondes"), item("ce2_secondes"));
    }

    void lesReponsesSansNiveau()
    {
        const QString placer = aiguilles::activite;
        // Before levels were recorded: the activity's easiest level.
        QCOMPARE(itemDe(placer, {}), item("cp_heures"));
        QCOMPARE(itemDe(placer, QStringLiteral("inconnu")), item("cp_heures"));
        QCOMPARE(itemDe(placer, QStringLiteral("quarts")), item("ce1_demi_quarts"));
        QCOMPARE(itemDe(QStringLiteral("matin_apres_midi"), QStringLiteral("heures_pile")), item("cp_moments"));
        QCOMPARE(itemDe(QStringLiteral("matin_apres_midi"), QStringLiteral("autre")), item("ce1_matin_apres_midi"));
        QCOMPARE(itemDe(QStringLiteral("inconnue"), {}), -1);
        QCOMPARE(niveauxDe(placer).first(), QStringLiteral("heures"));
    }

    void leNiveauDesAnciennesReponses_data()
    {
        QTest::addColumn<QString>("activite");
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("attendue");
        QTest::addColumn<QString>("place");
        const QString placer = aiguilles::activite;
        QTest::newRow("recorded") << placer << "minutes" << "4 h 0 mn" << "minutes";
        QTest::newRow("whole hour") << placer << "" << "12 h 0 mn" << "heures";
        QTest::newRow("half") << placer << "" << "4 h 30 mn" << "demi_heures";
        QTest::newRow("quarter") << placer << "" << "4 h 45 mn" << "quarts";
        QTest::newRow("five") << placer << "" << "4 h 35 mn" << "cinq_minutes";
        QTest::newRow("minute") << placer << "" << "4 h 47 mn" << "minutes";
        QTest::newRow("as written since") << placer << "" << "4 h 47" << "minutes";
        QTest::newRow("not a time") << placer << "" << "4 h 47 s" << "";
        QTest::newRow("no levels") << "lire_horloge" << "" << "4 h 45 mn" << "";
    }
    void leNiveauDesAnciennesReponses()
    {
        QFETCH(QString, activite);
        QFETCH(QString, niveau);
        QFETCH(QString, attendue);
        LigneHistorique l{QDateTime(), {}, activite, {}, {}, attendue, true, niveau, {}};
        QTEST(niveauDeLaReponse(l), "place");
    }

    void laRegle_data()
    {
        QTest::addColumn<int>("justes");
        QTest::addColumn<int>("comptees");
        QTest::addColumn<Acquis>("attendu");
        QTest::newRow("aucune") << 0 << 0 << Acquis::PasEncoreEvalue;
        QTest::newRow("4 justes sur 4") << 4 << 4 << Acquis::PasEncoreEvalue;
        QTest::newRow("2 sur 5: 40 %") << 2 << 5 << Acquis::NonAtteint;
        QTest::newRow("4 sur 10: 40 %") << 4 << 10 << Acquis::NonAtteint;
        QTest::newRow("49 %") << 49 << 100 << Acquis::NonAtteint;
        QTest::newRow("50 %") << 50 << 100 << Acquis::PartiellementAtteint;
        QTest::newRow("5 sur 10") << 5 << 10 << Acquis::PartiellementAtteint;
        QTest::newRow("3 sur 5: 60 %") << 3 << 5 << Acquis::PartiellementAtteint;
        QTest::newRow("79 %") << 79 << 100 << Acquis::PartiellementAtteint;
        QTest::newRow("7 sur 9: 77.8 %") << 7 << 9 << Acquis::PartiellementAtteint;
        QTest::newRow("80 %") << 80 << 100 << Acquis::Atteint;
        QTest::newRow("4 sur 5") << 4 << 5 << Acquis::Atteint;
        QTest::newRow("8 sur 10") << 8 << 10 << Acquis::Atteint;
        QTest::newRow("10 sur 10") << 10 << 10 << Acquis::Atteint;
    }
    void laRegle()
    {
        QFETCH(int, justes);
        QFETCH(int, comptees);
        QFETCH(Acquis, attendu);
        QCOMPARE(acquisDe(justes, comptees), attendu);
    }

    void lesDixDernieresParDate()
    {
        const int heures = item("cp_heures");
        // Two computers' files read one after the other: the later file holds
        // the older answers (3 wrong), which are not among the last ten.
        Positionnement p;
        repondre(p, "heures", 10, 8, 1000);
        repondre(p, "heures", 3, 0, 0);
        QCOMPARE(p.position(heures), (Position{Acquis::Atteint, 10, 8}));
        // One more wrong answer, the latest: the oldest right one goes.
        p.ajouter(aiguilles::activite, QStringLiteral("heures"), 99999, false);
        QCOMPARE(p.position(heures), (Position{Acquis::PartiellementAtteint, 10, 7}));
        QCOMPARE(p.etape(heures), Etape::EnRoute);
        QCOMPARE(Positionnement().etape(heures), Etape::PasEncore);
    }

    void depasse_data()
    {
        QTest::addColumn<int>("justesSuite");
        QTest::addColumn<int>("compteesSuite");
        QTest::addColumn<Acquis>("attendu");
        QTest::newRow("la suite atteinte") << 8 << 10 << Acquis::Depasse;
        QTest::newRow("la suite partielle") << 7 << 10 << Acquis::Atteint;
        QTest::newRow("la suite pas évaluée") << 4 << 4 << Acquis::Atteint;
    }
    void depasse()
    {
        QFETCH(int, justesSuite);
        QFETCH(int, compteesSuite);
        QFETCH(Acquis, attendu);
        Positionnement p;
        repondre(p, "heures", 5, 4);
        repondre(p, "quarts", compteesSuite, justesSuite);
        QCOMPARE(p.position(item("cp_heures")).acquis, attendu);
        const QList<int> cp = itemsDesAnnees({Annee::CP});
        QCOMPARE(p.prochain(cp), item("cp_moments"));
        // A partial first item is where to go next.
        Positionnement q;
        repondre(q, "heures", 10, 7);
        QCOMPARE(q.prochain(cp), item("cp_heures"));
        QCOMPARE(q.position(item("cp_heures")).acquis, Acquis::PartiellementAtteint);
    }

    void leNiveauQuiSuit()
    {
        const QString a = aiguilles::activite;
        const QStringList niveaux = niveauxDe(a);
        QCOMPARE(plancher(a, niveaux, {}), 0);
        QCOMPARE(plancher(a, niveaux, {Annee::CE1, Annee::CE2}), niveaux.indexOf(QStringLiteral("demi_heures")));
        QCOMPARE(plancher(a, niveaux, {Annee::CM1}), niveaux.indexOf(QStringLiteral("secondes")));
        // The child's positioning: whole hours reached, so halves come first.
        Positionnement p;
        repondre(p, "heures", 10, 9);
        QCOMPARE(niveauDepart(a, niveaux, p, 0), 1);

        NiveauQuiSuit n(5, 1, 2);
        for (int i = 0; i < serieMontee - 1; ++i)
            QVERIFY(!n.repondre(true));
        QVERIFY(n.repondre(true));
        QCOMPARE(n.niveau(), 3);
        // A mistake breaks the run; then repeated mistakes take it down.
        n.repondre(true);
        QVERIFY(!n.repondre(false));
        QVERIFY(!n.repondre(false));
        QVERIFY(n.repondre(false));
        QCOMPARE(n.niveau(), 2);
        for (int i = 0; i < 3 * serieDescente; ++i)
            n.repondre(false);
        QCOMPARE(n.niveau(), 1);  // the floor
        // The child may choose below it; mistakes do not take them lower.
        n.choisir(0);
        for (int i = 0; i < serieDescente; ++i)
            QVERIFY(!n.repondre(false));
        QCOMPARE(n.niveau(), 0);
        n.choisir(4);
        for (int i = 0; i < serieMontee; ++i)
            QVERIFY(!n.repondre(true));  // the top stays the top
    }

    void lesEtoilesDeMesProgres_data()
    {
        QTest::addColumn<int>("justes");
        QTest::addColumn<int>("erreurs");
        QTest::addColumn<int>("etoiles");
        QTest::newRow("90 % exactement") << 9 << 1 << 3;
        QTest::newRow("89,5 %") << 179 << 21 << 2;
        QTest::newRow("70 % exactement") << 7 << 3 << 2;
        QTest::newRow("69,5 %") << 139 << 61 << 1;
        QTest::newRow("50 % exactement") << 5 << 5 << 1;
        QTest::newRow("49,5 %") << 99 << 101 << 0;
        QTest::newRow("4 justes, trop peu") << 4 << 0 << 0;
        QTest::newRow("5 justes") << 5 << 0 << 3;
    }
    void lesEtoilesDeMesProgres()
    {
        QFETCH(int, justes);
        QFETCH(int, erreurs);
        QFETCH(int, etoiles);
        QCOMPARE(TableauProgres::etoiles(justes, erreurs), etoiles);
    }
};

QTEST_MAIN(TstProgramme)
#include "tst_programme.moc"

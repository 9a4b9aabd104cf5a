#include <QSet>
#include <QTest>

#include "dategames/age.h"
#include "dategames/anniversaire.h"
#include "dategames/commun.h"
#include "dategames/naissance.h"
#include "dategames/nbmois.h"
#include "support/fakes.h"
#include "tirages.h"

namespace {
const QString FinAnniversaire = QStringLiteral("\nCliquez sur Continuer pour un autre anniversaire.");
}

// The games' dates, numbers and texts, without any widget.
class TstJeuxTextes : public QObject {
    Q_OBJECT

private slots:
    void prenoms()
    {
        const QStringList& p = jeuxdates::prenoms();
        QCOMPARE(p.size(), 52);
        QCOMPARE(p.first(), QStringLiteral("Adrien"));
        QCOMPARE(p.last(), QStringLiteral("Yann"));
        QCOMPARE(QSet<QString>(p.begin(), p.end()).size(), 52);
    }

    void tirageEnfant_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("ansMin");
        QTest::addColumn<int>("prenom");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("ans");
        const double presqueUn = 0.9999999999;
        QTest::newRow("bas, naissance") << QList<double>{0.0, 0.0, 0.0} << 1 << 0 << 1 << 1;
        QTest::newRow("haut, naissance")
            << QList<double>{presqueUn, presqueUn, presqueUn} << 1 << 51 << 11 << 50;
        QTest::newRow("bas, anniversaire") << QList<double>{0.0, 0.0, 0.0} << 3 << 0 << 1 << 3;
        QTest::newRow("haut, anniversaire")
            << QList<double>{presqueUn, presqueUn, presqueUn} << 3 << 51 << 11 << 52;
        // Name, then months, then years.
        QTest::newRow("ordre") << QList<double>{pour(23, 52, 0), pour(5, 11, 1), pour(23, 50, 3)}
                               << 3 << 23 << 5 << 23;
    }
    void tirageEnfant()
    {
        QFETCH(QList<double>, draws);
        QFETCH(int, ansMin);
        ScriptedRandom hasard;
        for (double d : draws)
            hasard.push({d});
        const jeuxdates::Enfant e = jeuxdates::tirerEnfant(hasard, ansMin);
        QTEST(e.prenom, "prenom");
        QTEST(e.mois, "mois");
        QTEST(e.ans, "ans");
        QCOMPARE(hasard.reseeds, 1);
        QCOMPARE(hasard.remaining(), 0);
        QCOMPARE(hasard.underflows, 0);
    }

    void naissance_data()
    {
        QTest::addColumn<QDate>("aujourdhui");
        QTest::addColumn<int>("ans");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QDate>("naissance");
        QTest::addColumn<QString>("enonce");
        QTest::addColumn<QString>("echec");
        QTest::newRow("un an") << QDate(2026, 12, 5) << 1 << 4 << "Léa" << QDate(2025, 8, 5)
                               << "Aujourd'hui 5 Décembre 2026\nLéa a exactement 1 an et 4 "
                                  "mois.\nLéa a donc vu le jour le"
                               << "Non, Léa a vu le jour le 5 Août 2025 !";
        // February has no 31st: the birth falls on its last day.
        QTest::newRow("jour reporté")
            << QDate(2026, 3, 31) << 1 << 1 << "Adrien" << QDate(2025, 2, 28)
            << "Aujourd'hui 31 Mars 2026\nAdrien a exactement 1 an et 1 mois.\nAdrien a donc vu "
               "le jour le"
            << "Non, Adrien a vu le jour le 28 Février 2025 !";
        QTest::newRow("le plus vieux") << QDate(2026, 11, 30) << 50 << 11 << "Marie"
                                       << QDate(1975, 12, 30)
                                       << "Aujourd'hui 30 Novembre 2026\nMarie a exactement 50 "
                                          "ans et 11 mois.\nMarie a donc vu le jour le"
                                       << "Non, Marie a vu le jour le 30 Décembre 1975 !";
    }
    void naissance()
    {
        QFETCH(QDate, aujourdhui);
        QFETCH(int, ans);
        QFETCH(int, mois);
        QFETCH(QString, prenom);
        QFETCH(QDate, naissance);
        QCOMPARE(naissance::dateNaissance(aujourdhui, ans, mois), naissance);
        QTEST(naissance::enonce(aujourdhui, prenom, ans, mois), "enonce");
        QFETCH(QString, echec);
        QCOMPARE(naissance::echec(prenom, naissance),
                 echec + FinAnniversaire);
        QVERIFY(naissance::estJuste(naissance, naissance.month(), naissance.year()));
        QVERIFY(!naissance::estJuste(naissance, naissance.month() % 12 + 1, naissance.year()));
        QVERIFY(!naissance::estJuste(naissance, naissance.month(), naissance.year() - 1));
        // Every right answer fits the year spinner (today's year - 100 up to
        // today's year) and is never today's year.
        QVERIFY(naissance.year() < aujourdhui.year());
        QVERIFY(naissance.year() >= aujourdhui.year() - 100);
    }

    void nbmois_data()
    {
        QTest::addColumn<int>("nbMois");
        QTest::addColumn<int>("ans");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("echec");
        QTest::newRow("24") << 24 << 2 << 0 << "Erreur ! 24 mois font 2 années et 0 mois !";
        QTest::newRow("114") << 114 << 9 << 6 << "Erreur ! 114 mois font 9 années et 6 mois !";
        QTest::newRow("23") << 23 << 1 << 11 << "Erreur ! 23 mois font 1 année et 11 mois !";
    }
    void nbmois()
    {
        QFETCH(int, nbMois);
        QFETCH(int, ans);
        QFETCH(int, mois);
        QCOMPARE(nbmois::conversion(nbMois), (nbmois::AnsMois{ans, mois}));
        QFETCH(QString, echec);
        QCOMPARE(nbmois::echec(nbMois), echec + "\nCliquez sur Continuer pour une autre conversion.");
    }

    void nbmoisTirage()
    {
        ScriptedRandom hasard;
        hasard.push({0.0, 0.9999999999, pour(48, 100, 15)});
        QCOMPARE(nbmois::tirer(hasard), 15);
        QCOMPARE(nbmois::tirer(hasard), 114);
        QCOMPARE(nbmois::tirer(hasard), 48);
        QCOMPARE(hasard.reseeds, 3);
    }

    void libelles()
    {
        const QStringList annees{"0 année et", "1 année et", "2 années et"};
        const QStringList ans{"0 an et", "1 an et", "2 ans et"};
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(nbmois::libelleAnnees(n), annees.at(n));
            QCOMPARE(anniversaire::libelleAns(n), ans.at(n));
        }
        QCOMPARE(jeuxdates::jourEtMois(31, 2, 2027), QStringLiteral("28 Février"));
    }

    void fete_data()
    {
        QTest::addColumn<QDate>("aujourdhui");
        QTest::addColumn<int>("ans");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QDate>("fete");
        QTest::addColumn<QString>("echec");
        QTest::newRow("jour reporté") << QDate(2026, 1, 31) << 10 << 3 << QDate(2036, 4, 30)
                                      << "Non, nous fêterons Julie le 30 Avril 2036 !";
        QTest::newRow("même année") << QDate(2026, 1, 20) << 3 << 11 << QDate(2029, 12, 20)
                                    << "Non, nous fêterons Julie le 20 Décembre 2029 !";
        QTest::newRow("le plus loin") << QDate(2026, 12, 31) << 52 << 11 << QDate(2079, 11, 30)
                                      << "Non, nous fêterons Julie le 30 Novembre 2079 !";
    }
    void fete()
    {
        QFETCH(QDate, aujourdhui);
        QFETCH(int, ans);
        QFETCH(int, mois);
        QFETCH(QDate, fete);
        QCOMPARE(age::dateFete(aujourdhui, ans, mois), fete);
        QFETCH(QString, echec);
        QCOMPARE(age::echec("Julie", fete),
                 echec + FinAnniversaire);
        QVERIFY(age::estJuste(fete, fete.month(), fete.year()));
        QVERIFY(!age::estJuste(fete, fete.month(), fete.year() + 1));
        QVERIFY(!age::estJuste(fete, fete.month() % 12 + 1, fete.year()));
    }

    // Every right answer, up to 52 years and 11 months ahead, must be
    // settable on the year spinner, whatever the year.
    void anneeMaximum_data()
    {
        QTest::addColumn<int>("annee");
        QTest::addColumn<int>("maximum");
        QTest::newRow("2026") << 2026 << 2100;
        QTest::newRow("2047") << 2047 << 2100;
        QTest::newRow("2048") << 2048 << 2101;
        QTest::newRow("2200") << 2200 << 2253;
    }
    void anneeMaximum()
    {
        QFETCH(int, annee);
        QTEST(age::anneeMaximum(annee), "maximum");
        const QDate plusLoin = age::dateFete(QDate(annee, 12, 31), 52, 11);
        QVERIFY(plusLoin.year() <= age::anneeMaximum(annee));
    }

    void anniversaire_data()
    {
        QTest::addColumn<QDate>("aujourdhui");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<int>("ans");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("ligne2");
        QTest::addColumn<QString>("echec");
        QTest::newRow("janvier") << QDate(2026, 1, 20) << "Yann" << 10 << 11
                                 << "Le 20 Décembre 2036 nous fêterons ses"
                                 << "Non Yann aura 10 ans et 11 mois !";
        QTest::newRow("jour gardé") << QDate(2026, 1, 31) << "Anne" << 3 << 1
                                    << "Le 28 Février 2029 nous fêterons ses"
                                    << "Non Anne aura 3 ans et 1 mois !";
    }
    void anniversaire()
    {
        QFETCH(QDate, aujourdhui);
        QFETCH(QString, prenom);
        QFETCH(int, ans);
        QFETCH(int, mois);
        QFETCH(QString, ligne2);
        QCOMPARE(anniversaire::enonce(aujourdhui, prenom, ans, mois),
                 "Bienvenue à " + prenom + " qui vient de naître !\n" + ligne2);
        QFETCH(QString, echec);
        QCOMPARE(anniversaire::echec(prenom, ans, mois),
                 echec + FinAnniversaire);
        QVERIFY(anniversaire::estJuste(ans, mois, ans, mois));
        QVERIFY(!anniversaire::estJuste(ans, mois, mois, ans));
        QVERIFY(!anniversaire::estJuste(ans, mois, ans, mois - 1));
    }
};

QTEST_GUILESS_MAIN(TstJeuxTextes)
#include "tst_jeuxtextes.moc"

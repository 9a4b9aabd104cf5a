#include <QTest>

#include "dategames/age.h"
#include "dategames/anniversaire.h"
#include "dategames/commun.h"
#include "dategames/naissance.h"
#include "dategames/nbmois.h"
#include "support/banc.h"

namespace {
const QString FinAnniversaire = QStringLiteral("\nCliquez sur Continuer pour un autre anniversaire.");
}

// The games' dates, numbers and texts, without any widget.
class TstJeuxTextes : public QObject {
    Q_OBJECT

private slots:
    // Name, then months, then years, each within its bounds.
    void tirages()
    {
        const double presqueUn = 0.9999999999;
        const struct { QList<double> draws; int ansMin, prenom, mois, ans; } cas[] = {
            {{0.0, 0.0, 0.0}, 1, 0, 1, 1},
            {{presqueUn, presqueUn, presqueUn}, 3, 51, 11, 52},
            {{pour(23, 52, 0), pour(5, 11, 1), pour(23, 50, 3)}, 3, 23, 5, 23}};
        for (const auto& c : cas) {
            ScriptedRandom hasard;
            hasard.push({c.draws[0], c.draws[1], c.draws[2]});
            const jeuxdates::Enfant e = jeuxdates::tirerEnfant(hasard, c.ansMin);
            QCOMPARE(QList<int>({e.prenom, e.mois, e.ans}), QList<int>({c.prenom, c.mois, c.ans}));
            QCOMPARE(hasard.reseeds, 1);
            QCOMPARE(hasard.remaining(), 0);
        }
        QCOMPARE(jeuxdates::prenoms().size(), 52);
        ScriptedRandom hasard;
        hasard.push({0.0, presqueUn});
        QCOMPARE(nbmois::tirer(hasard), 15);
        QCOMPARE(nbmois::tirer(hasard), 114);
    }

    // Birth dates back and birthdays ahead, the right answers and the texts
    // of a wrong one, which keep today's day.
    void dates()
    {
        const struct { QDate aujourdhui; int ans, mois; QDate date; const char* echec; } naissances[] = {
            {{2026, 12, 5}, 1, 4, {2025, 8, 5}, "Non, Léa a vu le jour le 5 Août 2025 !"},
            // 31 February 2025 runs on to 3 March.
            {{2026, 3, 31}, 1, 1, {2025, 3, 3}, "Non, Léa a vu le jour le 31 Mars 2025 !"},
            {{2026, 11, 30}, 50, 11, {1975, 12, 30}, "Non, Léa a vu le jour le 30 Décembre 1975 !"}};
        for (const auto& n : naissances) {
            QCOMPARE(naissance::dateNaissance(n.aujourdhui, n.ans, n.mois), n.date);
            QCOMPARE(naissance::echec("Léa", n.aujourdhui.day(), n.date), n.echec + FinAnniversaire);
            QVERIFY(naissance::estJuste(n.date, n.date.month(), n.date.year()));
            QVERIFY(!naissance::estJuste(n.date, n.date.month() % 12 + 1, n.date.year()));
            QVERIFY(!naissance::estJuste(n.date, n.date.month(), n.date.year() - 1));
        }
        const struct { QDate aujourdhui; int ans, mois; QDate date; const char* echec; } fetes[] = {
            {{2026, 1, 31}, 10, 3, {2036, 5, 1}, "Non, nous fêterons Julie le 31 Mai 2036 !"},
            {{2026, 1, 20}, 3, 11, {2029, 12, 20}, "Non, nous fêterons Julie le 20 Décembre 2029 !"},
            {{2026, 12, 31}, 52, 11, {2079, 12, 1}, "Non, nous fêterons Julie le 31 Décembre 2079 !"}};
        for (const auto& f : fetes) {
            QCOMPARE(age::dateFete(f.aujourdhui, f.ans, f.mois), f.date);
            QCOMPARE(age::echec("Julie", f.aujourdhui.day(), f.date), f.echec + FinAnniversaire);
            QVERIFY(age::estJuste(f.date, f.date.month(), f.date.year()));
            QVERIFY(!age::estJuste(f.date, f.date.month(), f.date.year() + 1));
            QVERIFY(!age::estJuste(f.date, f.date.month() % 12 + 1, f.date.year()));
            // Every right answer must be settable on the year spinner.
            QVERIFY(f.date.year() <= age::anneeMaximum(f.aujourdhui.year()));
        }
    }

    void anneeMaximum()
    {
        for (const auto& [annee, maximum] : {std::pair{2026, 2100}, {2047, 2100}, {2048, 2101}, {2200, 2253}})
            QCOMPARE(age::anneeMaximum(annee), maximum);
    }

    void nbmoisEtAnniversaire()
    {
        const QString finConversion = QStringLiteral("\nCliquez sur Continuer pour une autre conversion.");
        QCOMPARE(nbmois::echec(24), "Erreur ! 24 mois font 2 années et 0 mois !" + finConversion);
        QCOMPARE(nbmois::echec(23), "Erreur ! 23 mois font 1 année et 11 mois !" + finConversion);
        QCOMPARE(nbmois::conversion(114), (nbmois::AnsMois{9, 6}));
        const QStringList annees{"0 année et", "1 année et", "2 années et"};
        const QStringList ans{"0 an et", "1 an et", "2 ans et"};
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(nbmois::libelleAnnees(n), annees.at(n));
            QCOMPARE(anniversaire::libelleAns(n), ans.at(n));
        }
        // The birthday's month and year, with today's day even where it does not exist.
        QCOMPARE(anniversaire::enonce(QDate(2026, 1, 31), "Anne", 3, 1),
                 QStringLiteral("Bienvenue à Anne qui vient de naître !\nLe 31 Février 2029 nous fêterons ses"));
        QCOMPARE(anniversaire::enonce(QDate(2026, 1, 20), "Yann", 10, 11).section('\n', 1),
                 QStringLiteral("Le 20 Décembre 2036 nous fêterons ses"));
        QCOMPARE(anniversaire::echec("Yann", 10, 11), "Non Yann aura 10 ans et 11 mois !" + FinAnniversaire);
        QVERIFY(anniversaire::estJuste(10, 11, 10, 11));
        QVERIFY(!anniversaire::estJuste(10, 11, 11, 10));
    }
};

QTEST_GUILESS_MAIN(TstJeuxTextes)
#include "tst_jeuxtextes.moc"

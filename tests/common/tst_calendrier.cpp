#include <QTest>

#include "common/calendrier.h"

using calendrier::HeureMinute;

class TstCalendrier : public QObject {
    Q_OBJECT

private slots:
    void dateDepuisParties_data()
    {
        QTest::addColumn<int>("annee");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("jour");
        QTest::addColumn<QDate>("attendue");
        QTest::newRow("ordinaire") << 2026 << 12 << 5 << QDate(2026, 12, 5);
        QTest::newRow("31 fevrier") << 2025 << 2 << 31 << QDate(2025, 3, 3);
        QTest::newRow("31 fevrier bissextile") << 2024 << 2 << 31 << QDate(2024, 3, 2);
        QTest::newRow("31 avril") << 2036 << 4 << 31 << QDate(2036, 5, 1);
        QTest::newRow("mois 0") << 2026 << 0 << 15 << QDate(2025, 12, 15);
        QTest::newRow("mois 13") << 2026 << 13 << 15 << QDate(2027, 1, 15);
        QTest::newRow("mois -11") << 2026 << -11 << 1 << QDate(2025, 1, 1);
        QTest::newRow("mois -12") << 2026 << -12 << 1 << QDate(2024, 12, 1);
        QTest::newRow("mois 25") << 2026 << 25 << 1 << QDate(2028, 1, 1);
        QTest::newRow("jour 0") << 2026 << 3 << 0 << QDate(2026, 2, 28);
        QTest::newRow("31 decembre + 1") << 2026 << 12 << 32 << QDate(2027, 1, 1);
        QTest::newRow("an 100") << 100 << 1 << 1 << QDate(100, 1, 1);
    }
    void dateDepuisParties()
    {
        QFETCH(int, annee);
        QFETCH(int, mois);
        QFETCH(int, jour);
        QFETCH(QDate, attendue);
        QCOMPARE(calendrier::dateDepuisParties(annee, mois, jour), attendue);
    }

    void heureDepuisParties_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("heure");
        QTest::addColumn<int>("minute");
        QTest::newRow("ordinaire") << 9 << 15 << 9 << 15;
        QTest::newRow("60 minutes") << 13 << 60 << 14 << 0;
        QTest::newRow("459 minutes") << 0 << 459 << 7 << 39;
        QTest::newRow("emprunt") << 3 << -5 << 2 << 55;
        QTest::newRow("avant minuit") << 0 << -1 << 23 << 59;
        QTest::newRow("24 h") << 24 << 0 << 0 << 0;
    }
    void heureDepuisParties()
    {
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(int, heure);
        QFETCH(int, minute);
        QCOMPARE(calendrier::heureDepuisParties(h, m), (HeureMinute{heure, minute}));
    }

    void aiguilles_data()
    {
        QTest::addColumn<int>("heure");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QPointF>("finMinutes");
        QTest::addColumn<QPointF>("finHeures");
        // The start-screen watch: pivot (68, 64), hands of 50 and 30.
        QTest::newRow("3 h 50") << 3 << 50 << QPointF(68 - 50 * std::sqrt(3.0) / 2, 64 - 25)
                                << QPointF(98, 64);
        QTest::newRow("12 h 00") << 12 << 0 << QPointF(68, 14) << QPointF(68, 34);
        QTest::newRow("0 h 00") << 0 << 0 << QPointF(68, 14) << QPointF(68, 34);
        QTest::newRow("6 h 30") << 6 << 30 << QPointF(68, 114) << QPointF(68, 94);
        QTest::newRow("21 h 15") << 21 << 15 << QPointF(118, 64) << QPointF(38, 64);
    }
    void aiguilles()
    {
        QFETCH(int, heure);
        QFETCH(int, minute);
        QFETCH(QPointF, finMinutes);
        QFETCH(QPointF, finHeures);
        const QPointF centre(68, 64);
        const QPointF m = calendrier::finAiguille(centre, calendrier::angleMinutes(minute), 50);
        const QPointF h = calendrier::finAiguille(centre, calendrier::angleHeures(heure), 30);
        QVERIFY2(QLineF(m, finMinutes).length() < 1e-9, qPrintable(QStringLiteral("%1,%2").arg(m.x()).arg(m.y())));
        QVERIFY2(QLineF(h, finHeures).length() < 1e-9, qPrintable(QStringLiteral("%1,%2").arg(h.x()).arg(h.y())));
    }
};

QTEST_APPLESS_MAIN(TstCalendrier)
#include "tst_calendrier.moc"

#include <QTest>

#include "tips/paques.h"

// Easter by the Gauss-Oudin method, written independently of the program's
// computus, to compare year by year.
static QDate paquesOudin(int y)
{
    const int g = y % 19;
    const int c = y / 100;
    const int h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (y + y / 4 + i + 2 - c + c / 4) % 7;
    const int l = i - j;
    const int mois = 3 + (l + 40) / 44;
    const int jour = l + 28 - 31 * (mois / 4);
    return QDate(y, mois, jour);
}

class TstPaques : public QObject {
    Q_OBJECT

private slots:
    void anneesConnues_data()
    {
        QTest::addColumn<int>("annee");
        QTest::addColumn<QDate>("paques");
        QTest::newRow("2024") << 2024 << QDate(2024, 3, 31);
        QTest::newRow("2000") << 2000 << QDate(2000, 4, 23);
        QTest::newRow("2026") << 2026 << QDate(2026, 4, 5);
        QTest::newRow("au plus tot 1818") << 1818 << QDate(1818, 3, 22);
        QTest::newRow("au plus tard 1886") << 1886 << QDate(1886, 4, 25);
        QTest::newRow("au plus tard 1943") << 1943 << QDate(1943, 4, 25);
        QTest::newRow("au plus tard 2038") << 2038 << QDate(2038, 4, 25);
        QTest::newRow("1583") << 1583 << QDate(1583, 4, 10);
        QTest::newRow("an 100") << 100 << QDate(100, 4, 18);
        QTest::newRow("2200") << 2200 << QDate(2200, 4, 6);
    }
    void anneesConnues()
    {
        QFETCH(int, annee);
        QFETCH(QDate, paques);
        QCOMPARE(DatePaques(qint16(annee)), paques);
    }

    void balayageContreUnAutreCalcul()
    {
        for (int y = 100; y <= 2200; ++y) {
            const QDate d = DatePaques(qint16(y));
            QVERIFY2(d == paquesOudin(y), qPrintable(QString::number(y)));
            QCOMPARE(d.dayOfWeek(), 7);
            QVERIFY(d >= QDate(y, 3, 22) && d <= QDate(y, 4, 25));
        }
    }

    void legendesEnFrancais_data()
    {
        QTest::addColumn<int>("annee");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("2026") << 2026
                              << QStringList{"Pâques --> Dimanche 5 avril 2026",
                                             "Lundi de Pâques --> Lundi 6 avril 2026",
                                             "Ascension --> Jeudi 14 mai 2026",
                                             "Lundi de Pentecôte --> Lundi 25 mai 2026"};
        QTest::newRow("2024, Pâques en mars") << 2024
                              << QStringList{"Pâques --> Dimanche 31 mars 2024",
                                             "Lundi de Pâques --> Lundi 1 avril 2024",
                                             "Ascension --> Jeudi 9 mai 2024",
                                             "Lundi de Pentecôte --> Lundi 20 mai 2024"};
        QTest::newRow("1886, Ascension en juin") << 1886
                              << QStringList{"Pâques --> Dimanche 25 avril 1886",
                                             "Lundi de Pâques --> Lundi 26 avril 1886",
                                             "Ascension --> Jeudi 3 juin 1886",
                                             "Lundi de Pentecôte --> Lundi 14 juin 1886"};
    }
    void legendesEnFrancais()
    {
        QFETCH(int, annee);
        QFETCH(QStringList, attendu);
        QCOMPARE(paques::legendes(qint16(annee), QLocale(QLocale::French, QLocale::France)), attendu);
    }
};

QTEST_GUILESS_MAIN(TstPaques)
#include "tst_paques.moc"

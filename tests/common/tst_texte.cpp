#include <QTest>

#include "common/texte.h"

class TstTexte : public QObject {
    Q_OBJECT

private slots:
    void nombres_data()
    {
        QTest::addColumn<qint64>("x");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("f");
        QTest::newRow("zero") << qint64(0) << " 0" << "0";
        QTest::newRow("positif") << qint64(150) << " 150" << "150";
        QTest::newRow("negatif") << qint64(-7) << "-7" << "-7";
        QTest::newRow("grand") << qint64(60000000000) << " 60000000000" << "60000000000";
    }
    void nombres()
    {
        QFETCH(qint64, x);
        QFETCH(QString, n);
        QFETCH(QString, f);
        QCOMPARE(texte::n(x), n);
        QCOMPARE(texte::F(x), f);
    }

    void heureExacte_data()
    {
        QTest::addColumn<QTime>("t");
        QTest::addColumn<QString>("texte");
        QTest::newRow("matin") << QTime(9, 5, 7) << "Il est exactement\n 09 h 05 mn 07 s";
        QTest::newRow("apres-midi") << QTime(14, 30, 59) << "Il est exactement\n 14 h 30 mn 59 s";
        QTest::newRow("minuit") << QTime(0, 0, 0) << "Il est exactement\n 00 h 00 mn 00 s";
        QTest::newRow("fin du jour") << QTime(23, 59, 10) << "Il est exactement\n 23 h 59 mn 10 s";
    }
    void heureExacte()
    {
        QFETCH(QTime, t);
        QFETCH(QString, texte);
        QCOMPARE(texte::heureExacte(t), texte);
    }

    void dateLongueFrancaise()
    {
        const QLocale fr(QLocale::French, QLocale::France);
        QCOMPARE(texte::dateLongue(QDate(2026, 12, 5), fr), QStringLiteral("Samedi 5 décembre 2026"));
        QCOMPARE(texte::dateLongue(QDate(2027, 1, 1), fr), QStringLiteral("Vendredi 1 janvier 2027"));
        // Years below 1000 without leading zeros; the quoted words stay.
        QCOMPARE(texte::dateLongue(QDate(100, 4, 18), fr), QStringLiteral("Dimanche 18 avril 100"));
        QCOMPARE(texte::dateLongue(QDate(999, 6, 3), QLocale(QLocale::Spanish, QLocale::Spain)),
                 QStringLiteral("Lunes, 3 de junio de 999"));
    }

    void majusculeInitiale()
    {
        QCOMPARE(texte::majusculeInitiale(QStringLiteral("été")), QStringLiteral("Été"));
        // A form that starts with a digit stays as it is.
        QCOMPARE(texte::majusculeInitiale(QStringLiteral("5 décembre")), QStringLiteral("5 décembre"));
        QCOMPARE(texte::majusculeInitiale(QString()), QString());
    }

    void localeNeutreDonneLeFrancais()
    {
        const QLocale avant;
        QLocale::setDefault(QLocale::c());
        // QLocale::system() reads LANG, which the tests set to C.UTF-8.
        QCOMPARE(texte::localeAffichage().language(), QLocale::French);
        QLocale::setDefault(avant);
    }
};

QTEST_APPLESS_MAIN(TstTexte)
#include "tst_texte.moc"

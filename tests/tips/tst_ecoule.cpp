#include <QTest>

#include "common/calendrier.h"
#include "tips/ecoule.h"

using Comptes = QList<qint64>;

static Comptes tousLesComptes(const QDate& depart, const QDateTime& maintenant)
{
    Comptes c;
    for (int i = 0; i < ecoule::NbUnites; ++i)
        c << ecoule::compte(i, QDateTime(depart, QTime(0, 0)), maintenant);
    return c;
}

class TstEcoule : public QObject {
    Q_OBJECT

private slots:
    void comptes_data()
    {
        QTest::addColumn<QDate>("depart");
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<Comptes>("attendu");
        // Years, quarters, months, weeks, days, hours, minutes, seconds.
        const QDateTime samedi(QDate(2026, 12, 5), QTime(9, 5, 7));
        QTest::newRow("aujourd'hui") << QDate(2026, 12, 5) << samedi
                                     << Comptes{0, 0, 0, 0, 0, 9, 545, 32707};
        QTest::newRow("veille du 1er janvier")
            << QDate(2026, 12, 31) << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1))
            << Comptes{1, 1, 1, 0, 1, 24, 1440, 86401};
        QTest::newRow("six jours, pas de semaine entière, un mois franchi")
            << QDate(2026, 11, 29) << samedi << Comptes{0, 0, 1, 0, 6, 153, 9185, 551107};
        QTest::newRow("sept jours, une semaine")
            << QDate(2026, 11, 28) << samedi << Comptes{0, 0, 1, 1, 7, 177, 10625, 637507};
        QTest::newRow("trimestres par le mois, pas par le jour")
            << QDate(2026, 9, 30) << QDateTime(QDate(2026, 10, 1), QTime(0, 0))
            << Comptes{0, 1, 1, 0, 1, 24, 1440, 86400};
        QTest::newRow("an 100, les secondes passent 6 x 10^10")
            << QDate(100, 1, 1) << samedi
            << Comptes{1926, 7707, 23123, 100542, 703795, 16891089, 1013465345, 60807920707LL};
        QTest::newRow("31 avril 2000, compté depuis le 1er mai")
            << calendrier::dateDepuisParties(2000, 4, 31) << samedi
            << Comptes{26, 106, 319, 1387, 9714, 233145, 13988705, 839322307};
        QTest::newRow("demain, tout est négatif ou nul")
            << QDate(2026, 12, 6) << samedi << Comptes{0, 0, 0, 0, -1, -15, -895, -53693};
    }
    void comptes()
    {
        QFETCH(QDate, depart);
        QFETCH(QDateTime, maintenant);
        QFETCH(Comptes, attendu);
        QCOMPARE(tousLesComptes(depart, maintenant), attendu);
    }

    void pluriels()
    {
        const QStringList u = ecoule::unitesSingulier();
        QCOMPARE(u, (QStringList{"année", "trimestre", "mois", "semaine", "jour", "heure", "minute",
                                 "secondes"}));
        QList<int> variables;
        for (int i = 0; i < ecoule::NbUnites; ++i)
            if (ecoule::prendPluriel(i))
                variables << i;
        QCOMPARE(variables, (QList<int>{0, 1, 3, 4, 5, 6}));
    }

    void textes()
    {
        QCOMPARE(ecoule::ligne(36, "années"), QStringLiteral(" 36 années"));
        QCOMPARE(ecoule::ligne(0, "jour"), QStringLiteral(" 0 jour"));
        QCOMPARE(ecoule::ligne(60807920707LL, "secondes"), QStringLiteral(" 60807920707 secondes"));
        QCOMPARE(ecoule::ligne(-1, "jour"), QStringLiteral("-1 jour"));
        QCOMPARE(ecoule::entete("14", "Mars", "1990"),
                 QStringLiteral("Depuis le 14 Mars 1990 à 0 heure 00\nil s'est écoulé :"));
        QCOMPARE(ecoule::avertissementFutur("6", "Décembre", "2026"),
                 QStringLiteral("Nous ne sommes pas encore arrivés au \n6 Décembre 2026 !"));
        QCOMPARE(ecoule::consigne(),
                 QStringLiteral("Entrez une date (celle de votre naissance par exemple).\nJe vais "
                                "calculer le nombre d'années, trimestres, mois, semaines, jours, "
                                "heures, minutes et secondes passés depuis cette date."));
    }
};

QTEST_GUILESS_MAIN(TstEcoule)
#include "tst_ecoule.moc"

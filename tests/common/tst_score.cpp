#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "common/score.h"

namespace {

QByteArray hex(const char* h)
{
    return QByteArray::fromHex(h);
}

ValeurTypee v16(qint16 v)
{
    return ValeurTypee::entier16(v);
}

Compteurs compteurs(ValeurTypee exercices, ValeurTypee justes, qint32 erreurs)
{
    Compteurs c;
    c.marqueur = v16(1);
    c.nb_exercices = exercices;
    c.nb_justes = justes;
    c.nb_erreurs = erreurs;
    return c;
}

}  // namespace

Q_DECLARE_METATYPE(Compteurs)

class TstScore : public QObject {
    Q_OBJECT

private slots:
    void octets_data()
    {
        QTest::addColumn<Compteurs>("c");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("1 1 0") << compteurs(v16(1), v16(1), 0)
                               << hex("02000100020001000200010000000000");
        QTest::newRow("5 3 2") << compteurs(v16(5), v16(3), 2) << hex("02000100020005000200030002000000");
        QTest::newRow("32 bits") << compteurs({3, 32768}, {3, 40000}, 70000)
                                 << hex("020001000300008000000300409c000070110100");
        QTest::newRow("vides") << compteurs({}, {}, -1) << hex("0200010000000000ffffffff");
    }
    void octets()
    {
        QFETCH(Compteurs, c);
        QFETCH(QByteArray, octets);
        QCOMPARE(score::ecrire(c).toHex(), octets.toHex());
        // Read back positionally, the same counters come out.
        QCOMPARE(score::lire(octets), std::optional<Compteurs>(c));
    }

    void elargissement()
    {
        ValeurTypee v = v16(32767);
        v.ajouter(1);
        QCOMPARE(v.code, ValeurTypee::Entier32);
        QCOMPARE(v.valeur, 32768);
        // Once wide, it stays wide.
        v.ajouter(-1);
        QCOMPARE(v.code, ValeurTypee::Entier32);

        ValeurTypee vide;
        vide.ajouter(1);
        QCOMPARE(vide, v16(1));

        // After 32767 exercises the next one makes the file 18 bytes long.
        Compteurs c = compteurs(v16(32767), v16(10), 0);
        QCOMPARE(score::ecrire(c).size(), 16);
        c.nb_exercices.ajouter(1);
        QCOMPARE(score::ecrire(c).size(), 18);
    }

    void fichiersAbimes_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("vide") << QByteArray("");
        QTest::newRow("court") << hex("020001000200050002000300020000");
        QTest::newRow("code inconnu") << hex("02000100070005000200030002000000");
        QTest::newRow("code 3 tronque") << hex("0200010003000500");
        QTest::newRow("texte") << QByteArray("bonjour les enfants");
    }
    void fichiersAbimes()
    {
        QFETCH(QByteArray, octets);
        QVERIFY(!score::lire(octets));
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("18"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
        f.close();
        QCOMPARE(score::charger(chemin), Compteurs{});
    }

    void fichierAbsent()
    {
        QTemporaryDir dir;
        QCOMPARE(score::charger(dir.filePath(QStringLiteral("18"))), Compteurs{});
    }

    void octetsEnTropIgnores()
    {
        const auto c = score::lire(hex("02000100020005000200030002000000ffff"));
        QVERIFY(c);
        QCOMPARE(c->nb_exercices.valeur, 5);
    }

    void sauverEtRecharger()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("18"));
        // Whatever the marker held, it is written as 1; the file is replaced
        // whole (no bytes of a longer old file are left behind).
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(40, 'x'));
        f.close();
        Compteurs c = compteurs(v16(7), v16(4), 3);
        c.marqueur = {};
        QVERIFY(score::sauver(chemin, c));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().toHex(), hex("02000100020007000200040003000000").toHex());
        f.close();
        QCOMPARE(score::charger(chemin).nb_justes.valeur, 4);
    }

    void sauverDansUnDossierAbsent()
    {
        QTemporaryDir dir;
        QVERIFY(!score::sauver(dir.filePath(QStringLiteral("absent/18")), Compteurs{}));
    }

    void ligne()
    {
        QCOMPARE(score::ligne(compteurs(v16(12), v16(9), 3)),
                 QStringLiteral("\nExercices --> 12  Justes --> 9  Erreurs --> 3"));
        QCOMPARE(score::ligne(compteurs({}, v16(-1), 0)),
                 QStringLiteral("\nExercices --> 0  Justes -->-1  Erreurs --> 0"));
    }
};


QTEST_APPLESS_MAIN(TstScore)
#include "tst_score.moc"

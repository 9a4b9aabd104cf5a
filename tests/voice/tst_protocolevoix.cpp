// SPDX-License-Identifier: GPL-3.0-or-later
// The lines between the program and its voice's program.
#include <QTest>

#include "voice/protocolevoix.h"

using protocolevoix::Genre;
using protocolevoix::Message;

class TestProtocoleVoix : public QObject {
    Q_OBJECT

private slots:
    void lignes_data()
    {
        QTest::addColumn<QByteArray>("ligne");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<int>("genre");
        QTest::addColumn<QString>("texte");
        const auto l = [](const char* nom, const QByteArray& ligne, bool valide, Genre g = Genre::Arreter,
                          const QString& texte = {}) {
            QTest::newRow(nom) << ligne << valide << int(g) << texte;
        };
        l("dire", "dire Il est 4 heures 45.", true, Genre::Dire, QStringLiteral("Il est 4 heures 45."));
        l("dire, accents", "dire Écoutez bien : l\xc3\xa0 !", true, Genre::Dire, QStringLiteral("Écoutez bien : là !"));
        l("dire, vide", "dire ", true, Genre::Dire, QString());
        l("arreter", "arreter", true, Genre::Arreter);
        l("voix", "voix French (France)+mb-fr1", true, Genre::Voix, QStringLiteral("French (France)+mb-fr1"));
        l("sans", "sans aucune voix française n'a été trouvée", true, Genre::SansVoix,
          QStringLiteral("aucune voix française n'a été trouvée"));
        l("parle", "parle", true, Genre::Parle);
        l("silence, fin Windows", "silence\r", true, Genre::Silence);
        l("vide", "", false);
        l("mot inconnu", "chanter la la", false);
        l("majuscules", "DIRE bonjour", false);
        l("dire sans blanc", "dire", false);
        l("parle suivi d'un texte", "parle fort", false);
        l("arreter suivi d'un blanc", "arreter ", false);
        l("mot collé", "direbonjour", false);
        l("trop longue", "dire " + QByteArray(protocolevoix::longueurMax, 'a'), false);
    }
    void lignes()
    {
        QFETCH(QByteArray, ligne);
        QFETCH(bool, valide);
        const auto m = protocolevoix::lire(ligne);
        QCOMPARE(m.has_value(), valide);
        if (!valide)
            return;
        QFETCH(int, genre);
        QFETCH(QString, texte);
        QCOMPARE(int(m->genre), genre);
        QCOMPARE(m->texte, texte);
    }

    // What one side writes, the other reads back; a text never spans two
    // lines.
    void allerRetour()
    {
        const QList<Message> messages{
            {Genre::Dire, QStringLiteral("Placez les aiguilles sur 4 heures 45,\npuis cliquez sur Vérifier.")},
            {Genre::Dire, QStringLiteral("a\r\nb")},
            {Genre::Arreter, {}},
            {Genre::Voix, QStringLiteral("fr")},
            {Genre::SansVoix, QStringLiteral("le moteur de synthèse vocale est en erreur (x)")},
            {Genre::Parle, {}},
            {Genre::Silence, {}},
        };
        for (const Message& m : messages) {
            QByteArray l = protocolevoix::ligne(m);
            QVERIFY(l.endsWith('\n'));
            l.chop(1);
            QVERIFY2(!l.contains('\n') && !l.contains('\r'), l.constData());
            const auto lu = protocolevoix::lire(l);
            QVERIFY2(lu.has_value(), l.constData());
            QCOMPARE(int(lu->genre), int(m.genre));
            QString attendu = m.texte;
            attendu.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
            QCOMPARE(lu->texte, attendu);
        }
    }
};

QTEST_APPLESS_MAIN(TestProtocoleVoix)
#include "tst_protocolevoix.moc"

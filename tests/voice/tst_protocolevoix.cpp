// SPDX-License-Identifier: GPL-3.0-or-later
// The voice's program: the lines it exchanges with the program, and the voice it takes.
#include <QTest>

#include "voice/choixvoix.h"
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

    // What the engines offer, as "name@locale" each; the one to take.
    void voixChoisie_data()
    {
        QTest::addColumn<QStringList>("offertes");
        QTest::addColumn<int>("prise");
        const auto ligne = [](const char* nom, QStringList offertes, int prise) {
            QTest::newRow(nom) << offertes << prise;
        };
        ligne("rien", {}, -1);
        ligne("aucune en francais", {"English (America)@en_US", "German@de_DE"}, -1);
        ligne("espeak-ng seul", {"English (America)@en_US", "French (France)@fr_FR", "French (France)+Adam@fr_FR"}, 1);
        ligne("mbrola d'espeak-ng", {"French (France)@fr_FR", "french-mbrola-1@fr_FR"}, 1);
        ligne("fichier mbrola", {"fr@fr_FR", "fr+mb-fr4@fr_FR"}, 1);
        ligne("module mbrola generique", {"French (France)@fr_FR", "fr2@fr_FR"}, 1);
        ligne("mot qui ressemble", {"embarrassed@fr_FR", "fr@fr_FR"}, 0);
        ligne("la France d'abord", {"French (Belgium)@fr_BE", "French (France)@fr_FR"}, 1);
        ligne("la France avant mbrola", {"french-mbrola-5@fr_BE", "French (France)@fr_FR"}, 1);
        ligne("mbrola d'ailleurs", {"French (Switzerland)@fr_CH", "fr-canadian-mbrola-1@fr_CA"}, 1);
        ligne("mbrola anglais", {"French (France)@fr_FR", "en-french-1@en_GB"}, 0);
    }

    void voixChoisie()
    {
        QFETCH(QStringList, offertes);
        QFETCH(int, prise);
        QList<voix::VoixOfferte> lesVoix;
        for (const QString& o : offertes)
            lesVoix.append({o.section('@', 0, 0), QLocale(o.section('@', 1))});
        QCOMPARE(voix::meilleureVoix(lesVoix), prise);
    }
};

QTEST_APPLESS_MAIN(TestProtocoleVoix)
#include "tst_protocolevoix.moc"

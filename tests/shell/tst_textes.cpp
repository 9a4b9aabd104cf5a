#include <QLabel>
#include <QRegularExpression>

#include "shell/textes.h"
#include "support/banc.h"
#include "ui/clickablelabel.h"

class TstTextes : public QObject {
    Q_OBJECT

private slots:
    void lignes_data()
    {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<int>("nombre");
        QTest::newRow("unités") << textes::unites() << 9;
        QTest::newRow("jours") << textes::jours() << 6;
        QTest::newRow("addition") << textes::addition() << 4;
        QTest::newRow("Klepsos") << textes::klepsos() << 4;
        QTest::newRow("citation") << textes::citation() << 2;
    }
    // One caption per list: its lines joined by single breaks, none at the end.
    void lignes()
    {
        QFETCH(QStringList, lignes);
        QFETCH(int, nombre);
        QCOMPARE(lignes.size(), nombre);
        for (const QString& l : lignes) {
            QVERIFY(!l.trimmed().isEmpty());
            QVERIFY(!l.contains(QLatin1Char('\n')) && !l.contains(QLatin1Char('\r')));
        }
        const QString legende = textes::legende(lignes);
        QCOMPARE(legende.count(QLatin1Char('\n')), nombre - 1);
        QVERIFY(!legende.endsWith(QLatin1Char('\n')));
        QCOMPARE(legende.split(QLatin1Char('\n')), lignes);
    }

    // Monday to Saturday, the arrows set off by the blanks of the design;
    // Sunday has no god and no line.
    void jours()
    {
        const QRegularExpression forme(QStringLiteral("^(\\w+)( +)--> jour de \\w"),
                                       QRegularExpression::UseUnicodePropertiesOption);
        QStringList noms;
        QList<int> blancs;
        for (const QString& l : textes::jours()) {
            const auto m = forme.match(l);
            QVERIFY2(m.hasMatch(), qPrintable(l));
            noms << m.captured(1);
            blancs << int(m.capturedLength(2));
        }
        QCOMPARE(noms, QStringList({"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"}));
        QCOMPARE(blancs, QList<int>({6, 6, 2, 7, 2, 4}));
    }

    void citation()
    {
        QCOMPARE(textes::citation().first(),
                 QStringLiteral("Le tic-tac des horloges, on dirait des souris qui grignotent le temps."));
    }

    // The real start-up fills the labels of the screens it reaches.
    void auDemarrage()
    {
        Banc b;
        QVERIFY(b.demarrer());
        QCOMPARE(b.trouver<QLabel>("lecon", "lecon1")->text(), textes::legende(textes::unites()));
        QCOMPARE(b.trouver<QLabel>("lecon", "addition")->text(), textes::legende(textes::addition()));
        QCOMPARE(b.trouver<QLabel>("depart", "citation2")->text(), textes::legende(textes::citation()));
        for (const char* nom : {"nom", "version", "description"})
            QVERIFY2(!b.trouver<QLabel>("auteur_softs", nom)->text().isEmpty(), nom);

        // A label that grows takes the size of the text written into it.
        auto* semaine2 = b.trouver<QLabel>("lecon", "semaine2");
        QCOMPARE(semaine2->text(), textes::legende(textes::jours()));
        QVERIFY(semaine2->width() >= semaine2->sizeHint().width());
        QVERIFY(semaine2->height() >= semaine2->sizeHint().height());
    }

    // The tale replaces whatever caption its label had, a paragraph at a
    // time; without that label the other texts are still written.
    void conteDeKlepsos()
    {
        QWidget lecon, astuces;
        auto* lecon1 = new QLabel(&lecon);
        lecon1->setObjectName(QStringLiteral("lecon1"));
        auto* semaine2 = new ClickableLabel(&lecon);
        semaine2->setObjectName(QStringLiteral("semaine2"));
        semaine2->setGrows(true);

        ecrireTextesDemarrage({nullptr, &lecon, &astuces, nullptr});
        QCOMPARE(lecon1->text(), textes::legende(textes::unites()));
        QCOMPARE(semaine2->text(), textes::legende(textes::jours()));

        auto* conte = new QLabel(QStringLiteral("Label11"), &astuces);
        conte->setObjectName(QStringLiteral("Klepsos"));
        ecrireTextesDemarrage({nullptr, &lecon, &astuces, nullptr});
        QCOMPARE(conte->text(), textes::legende(textes::klepsos()));
    }
};

QTEST_MAIN(TstTextes)
#include "tst_textes.moc"

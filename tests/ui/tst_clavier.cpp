// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "support/banc.h"
#include "ui/focusring.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsView>

namespace {

// The control with the keyboard focus: inside the view that presents the
// design, the design's own focus widget.
QWidget* focused()
{
    QWidget* f = QApplication::focusWidget();
    if (auto* vue = qobject_cast<QGraphicsView*>(f))
        if (auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(vue->scene()->focusItem()))
            f = proxy->widget()->focusWidget();
    return f;
}

QString focus()
{
    return focused() ? focused()->objectName() : QString();
}

}  // namespace

class TstClavier : public QObject {
    Q_OBJECT

private slots:
    void jouerAuClavier_data()
    {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("ecran");
        QTest::addColumn<QString>("focusFinal");
        QTest::addColumn<int>("justes");
        QTest::addColumn<int>("erreurs");
        // With no draw given every question is the smallest: 1 h 1 mn, and
        // 15 months (1 year 3 months). Tab*5 reaches the exercises' drawing,
        // Tab*4 the watch of the date games.
        const QString exos = "Tab*5 Return Tab ", jeux = "Tab*4 Return Tab*5 ";
        QTest::newRow("exercice juste, Continuer, faux")
            << exos + "PgUp*6 Up Tab Return Tab Return Up Tab Return" << "exercices" << "chiffre1" << 1 << 1;
        QTest::newRow("pas de réponse") << exos + "Tab Return" << "exercices" << "chiffre1" << 0 << 0;
        QTest::newRow("jeu juste") << jeux + "Up Tab Up*3 Tab Return" << "jeux_dates" << "nans" << 1 << 0;
        QTest::newRow("jeu faux") << jeux + "Up Tab Up Tab Return" << "jeux_dates" << "nans" << 0 << 1;
        QTest::newRow("Echap") << exos + "Up Esc" << "depart" << "exos" << 0 << 0;
        QTest::newRow("Echap, fenêtre à propos") << "Tab*3 Return Esc" << "depart" << "logiciels" << 0 << 0;
        QTest::newRow("Echap au départ") << "Tab Esc" << "depart" << "astus" << 0 << 0;
    }
    void jouerAuClavier()
    {
        QFETCH(QString, touches);
        QFETCH(QString, ecran);
        QFETCH(QString, focusFinal);
        QFETCH(int, justes);
        QFETCH(int, erreurs);
        Banc b;
        QVERIFY(b.demarrer());
        b.taper(touches);
        QVERIFY(b.ecranNomme(qPrintable(ecran))->isVisible());
        QCOMPARE(focus(), focusFinal);
        QCOMPARE(b.r().nb_justes.valeur, justes);
        QCOMPARE(b.r().nb_erreurs, erreurs);
        QCOMPARE(b.r().nb_exercices.valeur, justes + erreurs);
        QCOMPARE(b.sons.played.filter(".vic").size(), justes);
        QCOMPARE(b.sons.played.filter(".def").size(), erreurs);
    }

    void ordreEtAnneau()
    {
        Banc b;
        QVERIFY(b.demarrer());
        b.taper("Tab*5");  // the caption follows the focus
        QCOMPARE(b.trouver<QLabel>("depart", "texte")->text(), QStringLiteral(" Les Astuces \nde Klepsos"));
        b.taper("Return");
        // The "Continuer" labels are hidden while the questions are open.
        const QStringList ordre = {"fleche1", "chiffre1", "par10", "fleche2", "fleche3", "heure2",
                                   "minute2", "fleche6", "chiffre3", "flech_heures", "flech_minutes",
                                   "heure", "minu", "fleche4", "fleche5", "heure3", "minute3",
                                   "petit", "grand", "egal", "sortie", "fleche1"};
        QStringList vus;
        for (qsizetype i = 0; i < ordre.size(); ++i) {
            b.taper("Tab");
            vus << focus();
        }
        QCOMPARE(vus, ordre);
        b.taper("S-Tab");
        QCOMPARE(focus(), QStringLiteral("sortie"));
        auto* anneau = b.ecranNomme("exercices")->findChild<FocusRing*>();
        QVERIFY(anneau->isVisible());
        QVERIFY(anneau->geometry().contains(focused()->geometry()));
        Banc::cliquer(b.trouver<QWidget>("exercices", "fleche6"));
        QVERIFY(!anneau->isVisible());
    }

    void caseAuClavierGardeLeFocus()
    {
        Banc b;
        QVERIFY(b.demarrer());
        b.taper("Tab Return Tab*7");
        QCOMPARE(b.r().rendre_focus, 1);  // set by the year spinner on opening
        b.taper("Space");
        QVERIFY(b.trouver<QCheckBox>("astuces", "par50_paques")->isChecked());
        QCOMPARE(focus(), QStringLiteral("par50_paques"));
        b.taper("S-Tab PgDown");  // ten steps of 50 years
        QCOMPARE(b.trouver<QLabel>("astuces", "date_paques")->text(), QStringLiteral("1526"));
        // A real movement of the pointer hands the focus back.
        Banc::survoler(b.ecranNomme("astuces"));
        QCOMPARE(focus(), QStringLiteral("astuces"));
        QCOMPARE(b.r().rendre_focus, 0);
    }

    void lecteurDEcran()
    {
        Banc b;
        QVERIFY(b.demarrer());
        const auto interfaceDe = [&b](const char* e, const char* c) {
            return QAccessible::queryAccessibleInterface(b.trouver<QWidget>(e, c));
        };
        const struct { const char *ecran, *controle; QAccessible::Role role; QString nom; } cas[] = {
            {"depart", "exos", QAccessible::Button, "Les exercices"},
            {"depart", "montre", QAccessible::Button, "Les jeux des dates"},
            {"depart", "fin", QAccessible::Button, "Sortie"},
            {"depart", "texte", QAccessible::StaticText, "Choisissez votre activité en cliquant sur l'un des dessins"},
            {"exercices", "chiffre1", QAccessible::Button, "?? mn"},
            {"exercices", "fleche1", QAccessible::SpinBox, "?? mn"},
            {"exercices", "par10", QAccessible::CheckBox, "X 10 mn"},
            {"jeux_dates", "encore_date", QAccessible::Button, "Continuer"},
            {"jeux_dates", "fleche9", QAccessible::SpinBox, "0 année et"}};
        for (const auto& c : cas) {
            QCOMPARE(interfaceDe(c.ecran, c.controle)->role(), c.role);
            QCOMPARE(interfaceDe(c.ecran, c.controle)->text(QAccessible::Name), c.nom);
        }
        const auto presser = [&](const char* e, const char* c) {
            interfaceDe(e, c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        // What the mouse cannot reach the screen reader cannot press: the
        // start screen under the about window, a "Continuer" not yet shown.
        presser("depart", "logiciels");
        QVERIFY(b.ecranNomme("auteur_softs")->isVisible());
        presser("depart", "exos");
        QVERIFY(!b.ecranNomme("exercices")->isVisible());
        presser("auteur_softs", "fini");
        // Played as a screen reader plays: press, step up, press.
        presser("depart", "exos");
        presser("exercices", "encore_minutes");
        QVERIFY(!b.trouver<QWidget>("exercices", "encore_minutes")->isVisible());
        QCOMPARE(b.r().nb_exercices.valeur, 0);
        QAccessibleInterface* fleche = interfaceDe("exercices", "fleche1");
        QCOMPARE(fleche->valueInterface()->maximumValue().toInt(), 9999);
        fleche->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE(fleche->text(QAccessible::Name), QStringLiteral("1 mn"));
        interfaceDe("exercices", "chiffre1")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(b.r().nb_erreurs, 1);
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"

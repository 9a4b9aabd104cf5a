#include <QLabel>
#include <QTimer>
#include <QTimerEvent>

#include "common/texte.h"
#include "lesson/lecon.h"
#include "lesson/textelecon.h"
#include "shell/depart.h"
#include "support/banc.h"
#include "ui/style.h"

namespace {

void tic(QTimer* timer)
{
    QTimerEvent e(timer->timerId());
    QCoreApplication::sendEvent(timer, &e);
}

struct Ouverte {
    explicit Ouverte(const QDateTime& t) : b(t)
    {
        demarree = b.demarrer();
        if (demarree)
            Banc::cliquer(b.trouver<QWidget>("depart", "apprendre"));
    }
    QLabel* label(const char* nom) { return b.trouver<QLabel>("lecon", nom); }
    QTimer* timer() { return b.trouver<QTimer>("lecon", "Timer1"); }
    Banc b;
    bool demarree = false;
};

}  // namespace

class TstLecon : public QObject {
    Q_OBJECT

private slots:
    void texteHeure_data()
    {
        QTest::addColumn<QTime>("t");
        QTest::addColumn<QString>("texte");
        QTest::newRow("matin") << QTime(9, 5, 7) << " 9 h 5 mn 7 s";
        QTest::newRow("sans zéros") << QTime(8, 5, 9) << " 8 h 5 mn 9 s";
        QTest::newRow("après-midi") << QTime(14, 30, 0) << " 14 h 30 mn 0 s";
        QTest::newRow("minuit") << QTime(0, 0, 0) << " 0 h 0 mn 0 s";
        QTest::newRow("fin du jour") << QTime(23, 59, 59) << " 23 h 59 mn 59 s";
        QTest::newRow("dix") << QTime(10, 10, 10) << " 10 h 10 mn 10 s";
    }
    void texteHeure()
    {
        QFETCH(QTime, t);
        QFETCH(QString, texte);
        QCOMPARE(lecon::texteHeure(t), texte);
    }

    void dateLongue_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("français") << QLocale(QLocale::French, QLocale::France)
                                  << "Samedi 5 décembre 2026";
        QTest::newRow("espagnol") << QLocale(QLocale::Spanish, QLocale::Spain)
                                  << "Sábado, 5 de diciembre de 2026";
        // The Hungarian form starts with the year: nothing to put in upper case.
        QTest::newRow("chiffre en tête") << QLocale(QLocale::Hungarian, QLocale::Hungary)
                                         << "2026. december 5., szombat";
    }
    void dateLongue()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, attendu);
        QCOMPARE(texte::dateLongue(QDate(2026, 12, 5), locale), attendu);
    }

    void ouvertureEcritDateEtHeure()
    {
        Ouverte o(QDateTime(QDate(2026, 12, 5), QTime(8, 5, 9)));
        QVERIFY(o.demarree);
        QVERIFY(o.b.app->lecon()->isVisible());
        QVERIFY(!o.b.app->depart()->isVisible());
        // The start screen's neutral C locale means French here.
        QCOMPARE(o.label("Label2")->text(), QStringLiteral("Samedi 5 décembre 2026"));
        QCOMPARE(o.label("Label3")->text(), QStringLiteral(" 8 h 5 mn 9 s"));
        QVERIFY(o.timer()->isActive());
        QCOMPARE(o.timer()->interval(), 1000);
    }

    // Left open past midnight: the time moves on, the date stays until the
    // next opening.
    void ticHeureSeulement()
    {
        Ouverte o(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        QVERIFY(o.demarree);
        o.b.clock.advance(2);
        tic(o.timer());
        QCOMPARE(o.label("Label3")->text(), QStringLiteral(" 0 h 0 mn 1 s"));
        QCOMPARE(o.label("Label2")->text(), QStringLiteral("Jeudi 31 décembre 2026"));
    }

    void retourEtReouverture()
    {
        Ouverte o(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)));
        QVERIFY(o.demarree);
        o.b.sons.played.clear();
        o.b.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 41, 0)));
        Banc::cliquer(o.b.trouver<QWidget>("lecon", "retour"));
        QVERIFY(!o.timer()->isActive());
        QVERIFY(!o.b.app->lecon()->isVisible());
        QVERIFY(o.b.app->depart()->isVisible());
        QCOMPARE(o.b.sons.played.value(0), QStringLiteral("5"));
        QCOMPARE(o.b.r().minute_montre, qint16(41));  // the watch redrawn at once

        Banc::cliquer(o.b.trouver<QWidget>("depart", "apprendre"));
        QVERIFY(o.timer()->isActive());
        QCOMPARE(o.label("Label2")->text(), QStringLiteral("Dimanche 6 décembre 2026"));
        QCOMPARE(o.label("Label3")->text(), QStringLiteral(" 10 h 41 mn 0 s"));
    }

    void jamaisDeuxTimers()
    {
        Ouverte o(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)));
        QVERIFY(o.demarree);
        o.b.app->lecon()->showScreen();
        o.b.app->lecon()->showScreen();
        QCOMPARE(o.b.app->lecon()->findChildren<QTimer*>().size(), 1);
        QVERIFY(o.timer()->isActive());
    }

    // The date and the time stay centred in their frame, the longest date too.
    void enTeteCentre()
    {
        Ouverte o(QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59)));
        QVERIFY(o.demarree);
        const QRect cadre(185, 38, 317, 46);
        for (const char* nom : {"Label2", "Label3"}) {
            const QRect g = o.label(nom)->geometry();
            QVERIFY2(cadre.contains(g), nom);
            QVERIFY2(qAbs(g.center().x() - Lecon::MilieuCadre) <= 1, nom);
        }
        QCOMPARE(o.label("Label2")->y(), 41);
        QCOMPARE(o.label("Label3")->y(), 60);
    }

    void miseEnPage_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("place");  // size 0: the label grows
        QTest::addColumn<QColor>("couleur");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("gras");
        QTest::newRow("calendar") << "calendar" << QRect(350, 116, 283, 75) << couleur::noir << taille::p8 << true;
        QTest::newRow("calendar2") << "calendar2" << QRect(364, 168, 262, 47) << couleur::rouge << taille::p9 << true;
        QTest::newRow("semaine") << "semaine" << QRect(14, 134, 275, 50) << couleur::noir << taille::p8 << false;
        QTest::newRow("semaine2") << "semaine2" << QRect(53, 179, 0, 0) << couleur::noir << taille::p8 << true;
        QTest::newRow("Label1") << "Label1" << QRect(440, 232, 176, 84) << couleur::noir << taille::p8 << false;
        QTest::newRow("addition") << "addition" << QRect(0, 270, 418, 57) << couleur::noir << taille::p8 << false;
        QTest::newRow("addition2") << "addition2" << QRect(30, 329, 0, 0) << couleur::bleu << taille::p8 << true;
        QTest::newRow("lecon1") << "lecon1" << QRect(465, 332, 167, 129) << couleur::bleu << taille::p8 << true;
        QTest::newRow("retour") << "retour" << QRect(552, 458, 77, 20) << couleur::noir << taille::p8 << true;
        QTest::newRow("Label2") << "Label2" << QRect() << couleur::bleu << taille::p12 << true;
        QTest::newRow("Label3") << "Label3" << QRect() << couleur::bleu << taille::p12 << true;
    }
    // Every label at its place, in its face, and its whole text inside its box.
    void miseEnPage()
    {
        QFETCH(QString, nom);
        QFETCH(QRect, place);
        QFETCH(QColor, couleur);
        QFETCH(int, pixels);
        QFETCH(bool, gras);
        Ouverte o(QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59)));
        QVERIFY(o.demarree);
        auto* l = o.b.app->lecon()->findChild<QLabel*>(nom);
        QVERIFY(l);
        QVERIFY(!l->text().isEmpty());
        QCOMPARE(textColor(l), couleur);
        QCOMPARE(l->font().pixelSize(), pixels);
        QCOMPARE(l->font().bold(), gras);
        if (place.isNull())
            return;
        QCOMPARE(l->pos(), place.topLeft());
        if (place.width() > 0) {
            QCOMPARE(l->size(), place.size());
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->text()));
        } else {
            QVERIFY(l->width() >= l->sizeHint().width());
            QVERIFY(l->height() >= l->sizeHint().height());
        }
    }

    // Where designed boxes overlap, the text above must end before the next
    // one begins, and nothing may cross the separating lines.
    void pasDeChevauchement()
    {
        Ouverte o(QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59)));
        QVERIFY(o.demarree);
        auto bas = [&](const char* nom) {
            QLabel* l = o.label(nom);
            return l->y() + l->heightForWidth(l->width());
        };
        QVERIFY(bas("calendar") <= o.label("calendar2")->y());
        QVERIFY(bas("semaine") <= o.label("semaine2")->y());
        QVERIFY(o.label("semaine2")->geometry().bottom() < 265);      // Line4
        QVERIFY(o.label("Label1")->geometry().bottom() < 318);        // Line2
        QVERIFY(bas("addition") <= o.label("addition2")->y());
        QVERIFY(o.label("addition2")->geometry().right() < 424);      // Line3
    }

    // The frame and the four separating lines are drawn over the background.
    void lignes()
    {
        Ouverte o(QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7)));
        QVERIFY(o.demarree);
        const QImage image = o.b.app->lecon()->grab().toImage();
        const QList<QPoint> points = {
            {200, 38}, {480, 83}, {185, 45}, {501, 75},  // Shape1
            {537, 224}, {537, 318}, {424, 271}, {143, 265},  // Line1 to Line4
        };
        for (const QPoint& p : points)
            QVERIFY2(image.pixelColor(p) == couleur::noir,
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }
};

QTEST_MAIN(TstLecon)
#include "tst_lecon.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QTimer>

#include "lesson/lecon.h"
#include "lesson/textelecon.h"
#include "support/banc.h"
#include "ui/style.h"

namespace {

// The program started and the lesson open.
struct Ouverte : Banc {
    explicit Ouverte(const QDateTime& t = QDateTime(QDate(2026, 9, 30), QTime(23, 59, 59))) : Banc(t)
    {
        if (demarrer())
            ouvrir("apprendre", "lecon");
    }
    QLabel* label(const char* nom) { return w<QLabel>(nom); }
    QTimer* timer() { return trouver<QTimer>("lecon", "Timer1"); }
};

}  // namespace

class TstLecon : public QObject {
    Q_OBJECT

private slots:
    void texteHeure()
    {
        QCOMPARE(lecon::texteHeure(QTime(8, 5, 9)), QStringLiteral(" 8 h 5 mn 9 s"));
        QCOMPARE(lecon::texteHeure(QTime(0, 0, 0)), QStringLiteral(" 0 h 0 mn 0 s"));
        QCOMPARE(lecon::texteHeure(QTime(23, 59, 59)), QStringLiteral(" 23 h 59 mn 59 s"));
    }

    // Left open past midnight, the time moves on and the date waits for the
    // next opening; the way back stops the timer.
    void dateEtHeure()
    {
        Ouverte o(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        QVERIFY(o.app->lecon()->isVisible());
        QCOMPARE(o.label("Label2")->text(), QStringLiteral("Jeudi 31 décembre 2026"));
        QCOMPARE(o.label("Label3")->text(), QStringLiteral(" 23 h 59 mn 59 s"));
        QVERIFY(o.timer()->isActive());
        QCOMPARE(o.timer()->interval(), 1000);
        o.clock.advance(2);
        Banc::tic(o.timer());
        QCOMPARE(o.label("Label3")->text(), QStringLiteral(" 0 h 0 mn 1 s"));
        QCOMPARE(o.label("Label2")->text(), QStringLiteral("Jeudi 31 décembre 2026"));

        o.clic("retour");
        QVERIFY(!o.timer()->isActive() && !o.app->lecon()->isVisible());
        o.ouvrir("apprendre", "lecon");
        QCOMPARE(o.label("Label2")->text(), QStringLiteral("Vendredi 1 janvier 2027"));
        o.app->lecon()->showScreen();
        QCOMPARE(o.app->lecon()->findChildren<QTimer*>().size(), 1);
    }

    // The date and the time stay centred in their frame, the longest date
    // too; every text fits its box.
    void miseEnPage()
    {
        Ouverte o;
        const QRect cadre(185, 38, 317, 46);
        for (const char* nom : {"Label2", "Label3"}) {
            const QRect g = o.label(nom)->geometry();
            QVERIFY2(cadre.contains(g) && qAbs(g.center().x() - Lecon::MilieuCadre) <= 1, nom);
        }
        for (const char* nom : {"calendar", "calendar2", "semaine", "Label1", "addition", "lecon1"}) {
            QLabel* l = o.label(nom);
            QVERIFY2(!l->text().isEmpty() && l->heightForWidth(l->width()) <= l->height(), nom);
        }
    }
};

QTEST_MAIN(TstLecon)
#include "tst_lecon.moc"

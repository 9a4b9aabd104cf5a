// SPDX-License-Identifier: GPL-3.0-or-later
// "Au tableau": the geared hands under drags both ways, across 12 and
// midnight, by mouse and by finger; the swept duration against sums of the
// test's own; the random times at each level; the answer hidden until
// shown; the toggles kept from one opening to the next.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "board/cadrantableau.h"
#include "board/rouages.h"
#include "board/tableau.h"
#include "common/journee.h"
#include "common/randomsource.h"

using tableau::Rouages;

namespace {

int hm(int h, int m)
{
    return h * 60 + m;
}

// The widget's point in the direction of that angle, at a part of its radius.
QPoint vers(const CadranTableau& c, double angle, double part = 0.7)
{
    const double a = (angle - 90) * M_PI / 180, r = std::min(c.width(), c.height()) / 2.0 * part;
    return QPoint(int(c.width() / 2 + r * std::cos(a)), int(c.height() / 2 + r * std::sin(a)));
}

// The minute hand led by the mouse through these angles, then let go.
void glisser(CadranTableau& c, double depuis, const QList<double>& angles)
{
    QTest::mousePress(&c, Qt::LeftButton, {}, vers(c, depuis));
    for (double a : angles) {
        QMouseEvent bouge(QEvent::MouseMove, vers(c, a), c.mapToGlobal(vers(c, a)), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&c, &bouge);
    }
    QTest::mouseRelease(&c, Qt::LeftButton, {}, vers(c, angles.last()));
}

QList<double> pas(double de, double a, double n = 12)
{
    QList<double> l;
    for (int i = 1; i <= n; ++i)
        l << de + (a - de) * i / n;
    return l;
}

}  // namespace

class TstTableau : public QObject {
    Q_OBJECT

private slots:
    void rouages()
    {
        Rouages r;
        // Three quarters of a turn of the minute hand from 8 h: the hour hand follows.
        r.regler(hm(8, 0) * 60.0);
        for (double a : pas(0, 270))
            r.tournerMinutes(a);
        r.lacher();
        QCOMPARE(r.minutes(), hm(8, 45));
        QCOMPARE(r.angleHeures(), 8.75 * 30);
        // Past 12 forwards and backwards; past midnight.
        const struct { int depuis; double tour; int arrivee; } cas[] = {
            {hm(11, 50), 25 * 6, hm(12, 15)}, {hm(12, 10), -20 * 6, hm(11, 50)},
            {hm(23, 55), 10 * 6, hm(0, 5)},   {hm(0, 5), -10 * 6, hm(23, 55)},
            {hm(6, 0), 3 * 360 + 90, hm(9, 15)}};
        for (const auto& c : cas) {
            r.regler(c.depuis * 60.0);
            const double depart = r.angleMinutes();
            for (double a : pas(depart, depart + c.tour, 4 * std::ceil(std::abs(c.tour) / 90)))
                r.tournerMinutes(a);
            r.lacher();
            QCOMPARE(r.minutes(), c.arrivee);
        }
        // Free hands: the minute hand alone, then the hour hand alone.
        r.regler(hm(3, 0) * 60.0);
        r.setLiees(false);
        for (double a : pas(0, 180))
            r.tournerMinutes(a);
        r.lacher();
        QCOMPARE(r.angleHeures(), 90.0);
        QCOMPARE(r.minutes(), hm(3, 30));
        r.tournerHeures(150);
        r.lacher();
        QCOMPARE(r.minutes(), hm(5, 30));
        r.setLiees(true);
        QCOMPARE(r.minutes(), hm(5, 30));
    }

    // From 8 h 50 to 10 h 15 is 1 h 25 min; back below the start, 0.
    void duree()
    {
        Rouages r;
        r.regler(hm(8, 50) * 60.0);
        r.commencerDuree();
        double a = r.angleMinutes();
        for (int i = 0; i < 85; ++i)
            r.tournerMinutes(a += 6);
        r.lacher();
        QCOMPARE(r.minutes(), hm(10, 15));
        QCOMPARE(int(r.ecoule() / 60), 60 + 25);
        QCOMPARE(r.tours(), 1);
        QCOMPARE(journee::duree(int(r.ecoule() / 60)), "1 h 25 min");
        r.avancer(-2 * 3600);
        QCOMPARE(r.ecoule(), 0.0);
        QCOMPARE(r.minutes(), hm(8, 50));
    }

    void auHasard()
    {
        SystemRandom hasard;
        const struct { const char* niveau; int pas; bool apresMidi; } cas[] = {
            {"heures", 60, false}, {"demi_heures", 30, false}, {"quarts", 15, false},
            {"cinq_minutes", 5, false}, {"minutes", 1, false}, {"apres_midi", 5, true}};
        for (const auto& c : cas) {
            int avant = 0;
            for (int i = 0; i < 300; ++i) {
                const int t = tableau::heureAuHasard(hasard, QString::fromLatin1(c.niveau), avant);
                QVERIFY2(t % c.pas == 0 && t != avant && (c.apresMidi ? t >= hm(13, 0) && t < hm(24, 0) : t < hm(12, 0)), c.niveau);
                avant = t;
            }
        }
        const struct { int t; const char* cadran; const char* numerique; } mots[] = {
            {hm(15, 45), "quatre heures moins le quart", "quinze heures quarante-cinq"},
            {hm(0, 30), "minuit et demi", "zéro heure trente"},
            {hm(21, 1), "neuf heures une", "vingt-et-une heures une"},
            {hm(13, 37), "une heure trente-sept", "treize heures trente-sept"},
            {hm(12, 0), "midi", "douze heures"}};
        for (const auto& m : mots) {
            QCOMPARE(journee::enToutesLettres(m.t), QString::fromUtf8(m.cadran));
            QCOMPARE(journee::numeriqueEnLettres(m.t), QString::fromUtf8(m.numerique));
        }
    }

    // The board: hands by mouse and by finger, a random time hidden until
    // shown, the toggles kept for the next opening.
    void laFenetre()
    {
        QTemporaryDir d;
        QSettings reglages(d.filePath("klepsos.conf"), QSettings::IniFormat);
        SystemRandom hasard;
        {
            Tableau t(reglages, hasard, nullptr);
            t.resize(1920, 1080);
            t.show();
            QVERIFY(QTest::qWaitForWindowExposed(&t));
            CadranTableau& c = *t.cadran();
            const auto numerique = [&t] { return t.findChild<QLabel*>("numerique")->text(); };
            QCOMPARE(numerique(), "8 h");
            glisser(c, 0, pas(0, 90));
            QCOMPARE(c.texte(), "8 h 15");
            QCOMPARE(numerique(), "8 h 15");
            // A finger drags the hour hand (from 8 h 15, pointing at 247.5°)
            // to 10, the minute hand with it: a pixel is a minute at most.
            // One device for the run, as Qt keeps every device registered.
            static QPointingDevice* const doigt = QTest::createTouchDevice();
            QTest::touchEvent(&t, doigt).press(0, c.mapTo(&t, vers(c, 250, 0.4)));
            for (double a : pas(250, 300))
                QTest::touchEvent(&t, doigt).move(0, c.mapTo(&t, vers(c, a, 0.4)));
            QTest::touchEvent(&t, doigt).release(0, c.mapTo(&t, vers(c, 300, 0.4)));
            QCoreApplication::processEvents();
            QVERIFY2(std::abs(c.rouages().minutes() - hm(10, 0)) <= 1, qPrintable(c.texte()));
            // A quarter to find: hidden, then shown.
            t.findChild<QComboBox*>("niveau")->setCurrentIndex(2);
            t.findChild<QPushButton*>("au_hasard")->click();
            QCOMPARE(numerique(), "?");
            QCOMPARE(c.rouages().minutes() % 15, 0);
            t.findChild<QPushButton*>("montrer_reponse")->click();
            QCOMPARE(numerique(), journee::numerique(c.rouages().minutes()));
            t.findChild<QPushButton*>("minutes")->click();
            t.findChild<QPushButton*>("voir_numerique")->click();
        }
        Tableau encore(reglages, hasard, nullptr);
        QVERIFY(encore.findChild<QPushButton*>("minutes")->isChecked());
        QVERIFY(!encore.findChild<QPushButton*>("voir_numerique")->isChecked());
        QVERIFY(encore.findChild<QPushButton*>("liees")->isChecked());
    }
};

QTEST_MAIN(TstTableau)
#include "tst_tableau.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSignalSpy>
#include <QTest>

#include "support/banc.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/picturebox.h"
#include "ui/style.h"

class TstWidgets : public QObject {
    Q_OBJECT

private slots:
    // One click on an arrow (the two halves of the control): bounds, wrapping, steps.
    void spinnerPas()
    {
        const struct { int min, max, depart, pas; bool boucle, monter; int arrivee; } cas[] = {
            {0, 59, 5, 1, false, true, 6},        {0, 59, 5, 1, false, false, 4},
            {1, 12, 12, 1, false, true, 12},      {1, 12, 1, 1, false, false, 1},
            {1, 12, 12, 1, true, true, 1},        {1, 12, 1, 1, true, false, 12},
            {1, 12, 11, 1, true, true, 12},       {0, 9999, 140, 10, false, true, 150},
            {100, 2026, 2000, 50, false, true, 2026}, {0, 59, 30, 50, true, true, 0}};
        for (const auto& c : cas) {
            ArrowSpinner s;
            s.setRange(c.min, c.max);
            s.setValue(c.depart);
            s.setSingleStep(c.pas);
            s.setWrapping(c.boucle);
            QSignalSpy changes(&s, &ArrowSpinner::valueChanged);
            c.monter ? Banc::monter(&s) : Banc::descendre(&s);
            QCOMPARE(s.value(), c.arrivee);
            QCOMPARE(changes.size(), c.arrivee == c.depart ? 0 : 1);
        }
    }

    void spinnerSignaleSeulementLesVraisChangements()
    {
        ArrowSpinner s;
        s.setRange(0, 10);
        QSignalSpy changes(&s, &ArrowSpinner::valueChanged);
        s.setValue(3);  // a change made by the program is reported too
        s.setValue(3);
        s.setValue(42);  // out of range: brought to the bound
        QCOMPARE(s.value(), 10);
        s.setMaximum(5);  // a narrower range moves the value with it
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes.last().first().toInt(), 5);
        QTest::keyClick(&s, Qt::Key_Down);
        QTest::keyClick(&s, Qt::Key_Down);
        QTest::keyClick(&s, Qt::Key_Up);
        QCOMPARE(s.value(), 4);
    }

    void etiquettes()
    {
        QWidget parent;
        auto* l = makeLabel(&parent, "chiffre1", {10, 10, 60, 16}, {uiFont(taille::p9), couleur::bleu});
        QSignalSpy clics(l, &ClickableLabel::clicked);
        Banc::cliquer(l);
        QCOMPARE(clics.size(), 1);
        // A press that ends outside is no click, nor is a right click.
        QTest::mousePress(l, Qt::LeftButton, {}, {5, 5});
        QTest::mouseRelease(l, Qt::LeftButton, {}, {500, 5});
        QTest::mouseClick(l, Qt::RightButton);
        QCOMPARE(clics.size(), 1);

    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"

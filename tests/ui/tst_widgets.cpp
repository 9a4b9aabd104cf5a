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
    void spinnerPas_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("depart");
        QTest::addColumn<int>("pas");
        QTest::addColumn<bool>("boucle");
        QTest::addColumn<bool>("monter");
        QTest::addColumn<int>("arrivee");
        QTest::newRow("monte") << 0 << 59 << 5 << 1 << false << true << 6;
        QTest::newRow("descend") << 0 << 59 << 5 << 1 << false << false << 4;
        QTest::newRow("bute en haut") << 1 << 12 << 12 << 1 << false << true << 12;
        QTest::newRow("bute en bas") << 1 << 12 << 1 << 1 << false << false << 1;
        QTest::newRow("boucle en haut") << 1 << 12 << 12 << 1 << true << true << 1;
        QTest::newRow("boucle en bas") << 1 << 12 << 1 << 1 << true << false << 12;
        QTest::newRow("pas de 10") << 0 << 9999 << 140 << 10 << false << true << 150;
        QTest::newRow("pas de 50 borne") << 100 << 2026 << 2000 << 50 << false << true << 2026;
        QTest::newRow("pas de 50 boucle") << 0 << 59 << 30 << 50 << true << true << 0;
    }
    void spinnerPas()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, depart);
        QFETCH(int, pas);
        QFETCH(bool, boucle);
        QFETCH(bool, monter);
        QFETCH(int, arrivee);
        ArrowSpinner s;
        s.setRange(min, max);
        s.setValue(depart);
        s.setSingleStep(pas);
        s.setWrapping(boucle);
        QSignalSpy changes(&s, &ArrowSpinner::valueChanged);
        // The arrows are the two halves of the control.
        monter ? Banc::monter(&s) : Banc::descendre(&s);
        QCOMPARE(s.value(), arrivee);
        QCOMPARE(changes.size(), arrivee == depart ? 0 : 1);
    }

    void spinnerSignaleSeulementLesVraisChangements()
    {
        ArrowSpinner s;
        s.setRange(0, 10);
        QSignalSpy changes(&s, &ArrowSpinner::valueChanged);
        s.setValue(0);
        QCOMPARE(changes.size(), 0);
        s.setValue(3);  // a change made by the program is reported too
        s.setValue(3);
        QCOMPARE(changes.size(), 1);
        s.setValue(42);  // out of range: brought to the bound
        QCOMPARE(s.value(), 10);
        s.setMaximum(5);  // a narrower range moves the value with it
        QCOMPARE(s.value(), 5);
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes.last().first().toInt(), 5);
        QCOMPARE(s.property("value").toInt(), 5);
        QCOMPARE(s.size(), QSize(30, 17));
    }

    void spinnerClavier()
    {
        ArrowSpinner s;
        s.setRange(0, 10);
        QTest::keyClick(&s, Qt::Key_Up);
        QTest::keyClick(&s, Qt::Key_Up);
        QTest::keyClick(&s, Qt::Key_Down);
        QCOMPARE(s.value(), 1);
    }

    void etiquetteCliquable()
    {
        QWidget parent;
        auto* l = makeLabel(&parent, "chiffre1", {10, 10, 60, 16}, {uiFont(taille::p9), couleur::bleu});
        QSignalSpy clics(l, &ClickableLabel::clicked);
        Banc::cliquer(l);
        QCOMPARE(clics.size(), 1);
        // A press that ends outside is no click, nor is a right click.
        QTest::mousePress(l, Qt::LeftButton, {}, {5, 5});
        QTest::mouseRelease(l, Qt::LeftButton, {}, {500, 5});
        QCOMPARE(clics.size(), 1);
        QTest::mouseClick(l, Qt::RightButton);
        QCOMPARE(clics.size(), 1);
        QCOMPARE(l->objectName(), QStringLiteral("chiffre1"));
        QCOMPARE(textColor(l), QColor(0, 0, 255));
    }

    void etiquetteQuiGrandit()
    {
        QWidget parent;
        auto* fixe = makeLabel(&parent, "fixe", {0, 0, 40, 13}, {uiFont(taille::p8), couleur::noir});
        auto* grandit = makeLabel(&parent, "grandit", {120, 56, 41, 13},
                                  {uiFont(taille::p8), couleur::noir, Qt::AlignHCenter, true});
        const QString long_ = QStringLiteral("Combien de minutes dans 3 h 25 mn ?\nEntrez votre réponse");
        fixe->setCaption(long_);
        grandit->setCaption(long_);
        QCOMPARE(fixe->size(), QSize(40, 13));
        QVERIFY(fixe->wordWrap());
        QCOMPARE(grandit->pos(), QPoint(120, 56));
        QVERIFY(grandit->width() > 150);
        QVERIFY(grandit->height() >= 2 * QFontMetrics(grandit->font()).height());
    }

    void imageEtTraits()
    {
        PictureBox box;
        QPixmap face(20, 20);
        face.fill(Qt::white);
        box.setPicture(face);
        box.drawLine({10, 10}, {10, 0}, Qt::blue);
        box.drawLine({10, 10}, {20, 10}, Qt::red, 3);
        QCOMPARE(box.lines().size(), 2);
        QCOMPARE(box.lines().at(1).width, 3.0);
        box.resize(20, 20);
        const QImage rendu = box.grab().toImage();
        QCOMPARE(QColor(rendu.pixel(15, 10)).red(), 255);
        QCOMPARE(QColor(rendu.pixel(2, 2)), QColor(Qt::white));
        box.setPicture(face);  // the picture again wipes the hands
        QVERIFY(box.lines().isEmpty());
    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"

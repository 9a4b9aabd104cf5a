// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

#include "support/banc.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/picturebox.h"
#include "ui/picturefile.h"
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

    // A sheet's variant cut short at its empty margins, read directly or
    // decoded ahead: the part read is the variant's, at the size asked for,
    // transparent beyond the cut, and never what was decoded for another scale.
    void partiesDUneVarianteCoupee()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("f"));
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(plain, "PNG"));
        QFile f(plain);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QImage variant(80, 40, QImage::Format_ARGB32);  // 20 of the 30 rows
        variant.fill(Qt::blue);
        variant.setText(QString::fromLatin1(PictureFile::OriginKey), QString::fromLatin1(PictureFile::checksum(f.readAll())));
        QVERIFY(variant.save(plain + QStringLiteral("@2x"), "PNG"));

        const PictureFile file(plain);
        const QImage coupe = file.read(2, QRect(0, 10, 20, 20)).toImage();
        QCOMPARE(coupe.size(), QSize(40, 40));
        QCOMPARE(coupe.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(coupe.pixelColor(0, 39).alpha(), 0);
        PictureFile::decodeAhead({{file, QRect(0, 0, 20, 10)}}, 2);
        QCOMPARE(PictureFile(plain).read(1.5, QRect(0, 0, 20, 10)).size(), QSize(30, 15));
        PictureFile::decodeAhead({{file, QRect(0, 0, 20, 10)}}, 2);
        const QImage avance = PictureFile(plain).read(2, QRect(0, 0, 20, 10)).toImage();
        QCOMPARE(avance.size(), QSize(40, 20));
        QCOMPARE(avance.pixelColor(39, 19), QColor(Qt::blue));
        // Decoded ahead at the plain size, a file still finds its variant later.
        const PictureFile plat(plain);
        PictureFile::decodeAhead({{plat, QRect(0, 0, 40, 30)}}, 1);
        QCOMPARE(plat.read(1, QRect(0, 0, 40, 30)).toImage().pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(plat.read(2, QRect(0, 0, 20, 10)).toImage().pixelColor(0, 0), QColor(Qt::blue));

        // A picture replaced by one in another format is still read.
        const QString autre = dir.filePath(QStringLiteral("g"));
        QVERIFY(image.save(autre, "BMP"));
        QCOMPARE(PictureFile(autre).read(1).size(), QSize(40, 30));
        QCOMPARE(PictureFile(autre).size(), QSize(40, 30));
    }

    // The first frame's stand-in is read while the sharp picture waits: the
    // sharp one is decoded once the first frame is shown, then taken as
    // decoded, not read again; or decoded at once when a read needs it. The
    // file, replaced on the way, tells when each was read.
    void doublureAvantLImageNette()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("fond"));
        QImage image(640, 480, QImage::Format_RGB32);
        const auto peindre = [&](Qt::GlobalColor c) {
            image.fill(c);
            return image.save(chemin, "PNG");
        };
        QVERIFY(peindre(Qt::red));
        const PictureFile fond(chemin);
        const QRect tout(0, 0, 640, 480);
        PictureFile::decodeAhead({{fond, tout}}, 2, {{fond, tout}});
        QCOMPARE(fond.read(PictureFile::standInScale, tout).size(), QSize(320, 240));
        QVERIFY(fond.decodingAhead(2, tout));
        QVERIFY(peindre(Qt::blue));
        PictureFile::firstFrameShown();
        QTRY_VERIFY(!fond.decodingAhead(2, tout));
        QVERIFY(peindre(Qt::green));
        QCOMPARE(fond.read(2, tout).toImage().pixelColor(0, 0), QColor(Qt::blue));

        PictureFile::decodeAhead({{fond, tout}}, 2, {{fond, tout}});
        QElapsedTimer t;
        t.start();
        QCOMPARE(fond.read(2, tout).toImage().pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE_LT(t.elapsed(), PictureFile::firstFrameWaitMs / 2);
    }

    // A picture that reads by its header and then fails to decode (cut short
    // by a half-copied folder) gives way to the next variant down, then to
    // the plain file enlarged; only a plain file that fails too gives
    // nothing, with its name on the console. Read directly or decoded ahead.
    void varianteAbimee_data()
    {
        QTest::addColumn<QStringList>("coupes");
        QTest::addColumn<QColor>("vue");  // invalid: nothing shown
        QTest::newRow("intactes") << QStringList{} << QColor(Qt::blue);
        QTest::newRow("@3x coupée") << QStringList{"@3x"} << QColor(Qt::green);
        QTest::newRow("toutes les variantes coupées") << QStringList{"@3x", "@2x"} << QColor(Qt::red);
        QTest::newRow("tout coupé") << QStringList{"@3x", "@2x", ""} << QColor();
    }
    void varianteAbimee()
    {
        QFETCH(QStringList, coupes);
        QFETCH(QColor, vue);
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("f"));
        // Stripes, so that the pixel data spans far beyond the header.
        const auto image = [](int facteur, QColor c) {
            QImage i(40 * facteur, 30 * facteur, QImage::Format_RGB32);
            for (int x = 0; x < i.width(); ++x)
                QPainter(&i).fillRect(x, 0, 1, i.height(), x % 2 ? c : c.darker(101 + x % 50));
            return i;
        };
        QVERIFY(image(1, Qt::red).save(plain, "PNG"));
        QFile f(plain);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString somme = QString::fromLatin1(PictureFile::checksum(f.readAll()));
        for (const auto& [suffixe, facteur, c] : {std::tuple{"@2x", 2, Qt::green}, std::tuple{"@3x", 3, Qt::blue}}) {
            QImage v = image(facteur, c);
            v.setText(QString::fromLatin1(PictureFile::OriginKey), somme);
            QVERIFY(v.save(plain + QString::fromLatin1(suffixe), "PNG"));
        }
        for (const QString& suffixe : coupes) {
            QFile c(plain + suffixe);
            QVERIFY(c.resize(c.size() * 2 / 3));
        }
        for (int i = 0; i < 2 && !vue.isValid(); ++i)
            QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Klepsos : l'image %1 est illisible.").arg(plain)));
        const QRect tout(0, 0, 40, 30);
        PictureFile::decodeAhead({{PictureFile(plain), tout}}, 3);
        for (const QPixmap& lu : {PictureFile(plain).read(3, tout), PictureFile(plain).read(3, tout)}) {
            QCOMPARE(lu.toImage().pixelColor(1, 0), vue);
            QCOMPARE(lu.deviceIndependentSize(), vue.isValid() ? QSizeF(40, 30) : QSizeF(0, 0));
        }
    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"

// Checks what the build-time generator wrote into the datas folder, by reading the files
// back the way the program will: pictures by content, sounds as plain PCM WAV.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtMath>
#include <QtTest>

namespace {

QString datasPath(const QString &name)
{
    return QDir(QStringLiteral(KLEPSOS_DATAS_DIR)).filePath(name);
}

QImage picture(const QString &name)
{
    return QImage(datasPath(name)); // no extension: the format is found from the content
}

// Point on a dial at `radius` in the direction of minute `minute` (0 = up), as whole pixels.
QPoint onDial(QPointF centre, qreal radius, qreal minute)
{
    const qreal a = qDegreesToRadians(minute * 6 - 90);
    return QPointF(centre.x() + radius * qCos(a), centre.y() + radius * qSin(a)).toPoint();
}

bool isDark(QRgb c) { return qGray(c) < 70; }
bool isWhitish(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }
bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isNear(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 6 && qAbs(qGreen(a) - qGreen(b)) <= 6 && qAbs(qBlue(a) - qBlue(b)) <= 6;
}

struct Wav {
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    QList<qint16> samples;
};

// Minimal RIFF reader: walks the chunks, keeps "fmt " and "data".
bool readWav(const QString &path, Wav &wav)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size())
            return false;
        if (id == "fmt " && size >= 16) {
            wav.format = qFromLittleEndian<quint16>(body);
            wav.channels = qFromLittleEndian<quint16>(body + 2);
            wav.rate = qFromLittleEndian<quint32>(body + 4);
            wav.bits = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                wav.samples.append(qFromLittleEndian<qint16>(body + i));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    return haveFormat && haveData;
}

} // namespace

class TestGenDatas : public QObject {
    Q_OBJECT

private slots:
    void pictureSizes_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"21", "22", "23", "25", "26", "28", "anim"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void pictureSizes()
    {
        QFETCH(QString, name);
        const QImage image = picture(name);
        QVERIFY2(!image.isNull(), qPrintable(datasPath(name)));
        QCOMPARE(image.size(), QSize(640, 480));
    }

    void watchFace()
    {
        const QImage sheet = picture(QStringLiteral("anim"));
        const QPointF centre(68, 64);
        QVERIFY(qGray(sheet.pixel(68, 64)) > 200); // light face where the hands start
        for (int minute = 0; minute < 60; minute += 7) {
            const QPoint rim = onDial(centre, 58.5, minute);
            QVERIFY2(isDark(sheet.pixel(rim)), qPrintable(QStringLiteral("rim at minute %1").arg(minute)));
            // The 50 px minute hand ends on the light face, inside the rim.
            QVERIFY(!isDark(sheet.pixel(onDial(centre, 50, minute + 2.5))));
        }
        // The dial fits in the 128 rows that the start screen shows.
        QVERIFY(!isDark(sheet.pixel(68, 128)));
        QVERIFY(!isDark(sheet.pixel(68, 0)));

        // Its beige corners melt into the start screen around the watch box (13, 309).
        const QImage start = picture(QStringLiteral("23"));
        QVERIFY(isNear(sheet.pixel(1, 1), start.pixel(10, 306)));
        QVERIFY(isNear(sheet.pixel(134, 126), start.pixel(152, 440)));
        QVERIFY(qAlpha(sheet.pixel(300, 300)) == 0); // the rest of the sheet stays empty
    }

    void exerciseDial()
    {
        const QImage sheet = picture(QStringLiteral("anim"));
        const QPointF centre(94.5, 149 + 95.5);
        QVERIFY(isRed(sheet.pixel(centre.toPoint())));            // red disc at the pivot
        QVERIFY(isRed(sheet.pixel(onDial(centre, 82, 7))));       // red rim
        QVERIFY(isDark(sheet.pixel(onDial(centre, 87, 7))));      // black outline around it
        for (int hour = 0; hour < 12; ++hour) {
            QVERIFY(isDark(sheet.pixel(onDial(centre, 66, hour * 5))));      // twelve bars
            QVERIFY(isWhitish(sheet.pixel(onDial(centre, 66, hour * 5 + 2.5)))); // no marks between
        }
        QVERIFY(isWhitish(sheet.pixel(onDial(centre, 40, 10)))); // no numerals on the face
        QVERIFY(!isWhitish(sheet.pixel(2, 151)));                 // beige corner
    }

    void tipsClock()
    {
        const QImage tips = picture(QStringLiteral("21"));
        const QPointF centre(393, 127);
        QVERIFY(isWhitish(tips.pixel(393, 127))); // no hands and no pin: the program draws them
        for (int minute = 0; minute < 60; minute += 5) {
            QVERIFY(!isWhitish(tips.pixel(onDial(centre, 56, minute))));     // rim
            QVERIFY(isWhitish(tips.pixel(onDial(centre, 20, minute + 2)))); // clear middle
        }
        QVERIFY(isWhitish(tips.pixel(onDial(centre, 45, 2.5)))); // between the marks
    }

    void sounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        for (const char *click : {"1", "2", "4", "6", "7", "8", "9", "10"})
            QTest::newRow(click) << QString::fromLatin1(click) << 60 << 200;
        QTest::newRow("3 start-up") << QStringLiteral("3") << 60 << 600;
        QTest::newRow("5 return") << QStringLiteral("5") << 60 << 600;
        for (int i = 1; i <= 4; ++i) {
            QTest::addRow("%d.vic", i) << QStringLiteral("%1.vic").arg(i) << 500 << 1200;
            QTest::addRow("%d.def", i) << QStringLiteral("%1.def").arg(i) << 400 << 900;
        }
    }
    void sounds()
    {
        QFETCH(QString, name);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        Wav wav;
        QVERIFY2(readWav(datasPath(name), wav), qPrintable(datasPath(name)));
        QCOMPARE(wav.format, quint16(1));
        QCOMPARE(wav.channels, quint16(1));
        QCOMPARE(wav.bits, quint16(16));
        QVERIFY(wav.rate == 22050 || wav.rate == 44100);

        const int ms = int(qint64(wav.samples.size()) * 1000 / wav.rate);
        QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        int peak = 0;
        for (qint16 s : wav.samples)
            peak = qMax(peak, qAbs(int(s)));
        QVERIFY2(peak < 32767 * 0.6 && peak > 32767 * 0.1, qPrintable(QStringLiteral("peak %1").arg(peak)));
        // Silent edges: no click when the sound starts or is cut.
        QVERIFY(qAbs(wav.samples.first()) < 100);
        QVERIFY(qAbs(wav.samples.last()) < 100);
    }

    void soundsDiffer()
    {
        QSet<QByteArray> seen;
        for (const QString &name : QDir(QStringLiteral(KLEPSOS_DATAS_DIR)).entryList(QDir::Files)) {
            if (name.contains(QLatin1Char('.')) || name.toInt() < 1 || name.toInt() > 10)
                continue;
            QFile file(datasPath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            seen.insert(file.readAll());
        }
        QCOMPARE(seen.size(), 10);
    }

    void scoreFile()
    {
        QFile file(datasPath(QStringLiteral("18")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromHex("02000100020000000200000000000000"));
    }
};

QTEST_GUILESS_MAIN(TestGenDatas)
#include "tst_gendatas.moc"

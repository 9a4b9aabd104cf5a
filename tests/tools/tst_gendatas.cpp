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

QImage picture(const char *name)
{
    return QImage(datasPath(QString::fromLatin1(name))); // no extension: the format is found from the content
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

// Minimal RIFF reader: walks the chunks, keeps "fmt " (format, channels, rate, bits) and "data".
bool readWav(const QString &path, quint16 &format, quint16 &channels, quint32 &rate, quint16 &bits, QList<qint16> &samples)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size())
            return false;
        if (bytes.mid(at, 4) == "fmt ") {
            format = qFromLittleEndian<quint16>(body);
            channels = qFromLittleEndian<quint16>(body + 2);
            rate = qFromLittleEndian<quint32>(body + 4);
            bits = qFromLittleEndian<quint16>(body + 14);
        } else if (bytes.mid(at, 4) == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                samples.append(qFromLittleEndian<qint16>(body + i));
        }
        at += 8 + size + (size & 1);
    }
    return rate > 0 && !samples.isEmpty();
}

} // namespace

class TestGenDatas : public QObject {
    Q_OBJECT

private slots:
    void pictures()
    {
        for (const char *name : {"21", "22", "23", "25", "26", "28", "anim"})
            QVERIFY2(picture(name).size() == QSize(640, 480), name);
        // The start-screen watch: a light face inside a dark rim, within the 128 rows shown.
        const QImage sheet = picture("anim");
        for (int minute = 0; minute < 60; minute += 7) {
            QVERIFY(isDark(sheet.pixel(onDial({68, 64}, 58.5, minute))));
            QVERIFY(!isDark(sheet.pixel(onDial({68, 64}, 50, minute + 2.5)))); // the 50 px minute hand ends inside
        }
        QVERIFY(!isDark(sheet.pixel(68, 128)) && qAlpha(sheet.pixel(300, 300)) == 0);
        // The exercise dial: red pivot and rim, twelve bars and nothing between them.
        const QPointF dial(94.5, 149 + 95.5);
        QVERIFY(isRed(sheet.pixel(dial.toPoint())) && isRed(sheet.pixel(onDial(dial, 82, 7))));
        for (int hour = 0; hour < 12; ++hour) {
            QVERIFY(isDark(sheet.pixel(onDial(dial, 66, hour * 5))));
            QVERIFY(isWhitish(sheet.pixel(onDial(dial, 66, hour * 5 + 2.5))));
        }
        // The tips clock has no hands and no pin: the program draws them.
        const QImage tips = picture("21");
        QVERIFY(isWhitish(tips.pixel(393, 127)));
        for (int minute = 0; minute < 60; minute += 5)
            QVERIFY(!isWhitish(tips.pixel(onDial({393, 127}, 56, minute))));
    }

    void sounds()
    {
        QSet<QByteArray> clicks;
        QStringList names{"3", "5"};
        for (int i = 1; i <= 10; ++i)
            names << QString::number(i);
        for (int i = 1; i <= 4; ++i)
            names << QStringLiteral("%1.vic").arg(i) << QStringLiteral("%1.def").arg(i);
        for (const QString &name : names) {
            quint16 format = 0, channels = 0, bits = 0;
            quint32 rate = 0;
            QList<qint16> samples;
            QVERIFY2(readWav(datasPath(name), format, channels, rate, bits, samples), qPrintable(name));
            QVERIFY(format == 1 && channels == 1 && bits == 16 && (rate == 22050 || rate == 44100));
            const int ms = int(qint64(samples.size()) * 1000 / rate);
            const int maxMs = name.endsWith(".vic") ? 1200 : name.contains('.') ? 900 : name == "3" || name == "5" ? 600 : 200;
            QVERIFY2(ms >= 60 && ms <= maxMs, qPrintable(QStringLiteral("%1: %2 ms").arg(name).arg(ms)));
            int peak = 0;
            for (qint16 s : samples)
                peak = qMax(peak, qAbs(int(s)));
            QVERIFY2(peak < 32767 * 0.6 && peak > 32767 * 0.1, qPrintable(name));
            // Silent edges: no click when the sound starts or is cut.
            QVERIFY(qAbs(samples.first()) < 100 && qAbs(samples.last()) < 100);
            QFile file(datasPath(name));
            if (!name.contains('.') && file.open(QIODevice::ReadOnly))
                clicks.insert(file.readAll());
        }
        QCOMPARE(clicks.size(), 10);
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

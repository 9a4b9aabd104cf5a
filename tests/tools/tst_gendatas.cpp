// SPDX-License-Identifier: GPL-3.0-or-later
// Checks what the build-time generator wrote into the datas folder, by reading the files
// back the way the program will: pictures by content, sounds as plain PCM WAV.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
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


// A plain PCM WAV as the generator writes it: the "fmt " chunk, then the "data" chunk.
struct Wav {
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    QList<qint16> samples;
};
Wav readWav(const QString &name)
{
    QFile file(datasPath(name));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    Wav w;
    const qsizetype fmt = bytes.indexOf("fmt "), data = bytes.indexOf("data");
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE" || fmt < 0 || data < fmt || data + 8 > bytes.size())
        return w;
    const char *f = bytes.constData() + fmt + 8;
    w = {qFromLittleEndian<quint16>(f), qFromLittleEndian<quint16>(f + 2), qFromLittleEndian<quint16>(f + 14),
         qFromLittleEndian<quint32>(f + 4), {}};
    const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + data + 4);
    for (qsizetype i = data + 8; i + 1 < data + 8 + qsizetype(size) && i + 1 < bytes.size(); i += 2)
        w.samples.append(qFromLittleEndian<qint16>(bytes.constData() + i));
    return w;
}

} // namespace

class TestGenDatas : public QObject {
    Q_OBJECT

private slots:
    void pictures()
    {
        for (const char *name : {"21", "22", "23", "25", "26", "28", "anim", "quijoue", "progres"})
            QVERIFY2(picture(name).size() == QSize(640, 480), name);
    }

    void sounds()
    {
        QStringList names{"3", "5"};
        for (int i = 1; i <= 10; ++i)
            names << QString::number(i);
        for (int i = 1; i <= 4; ++i)
            names << QStringLiteral("%1.vic").arg(i) << QStringLiteral("%1.def").arg(i);
        for (const QString &name : names) {
            const Wav w = readWav(name);
            const auto &samples = w.samples;
            QVERIFY2(w.format == 1 && w.channels == 1 && w.bits == 16 && (w.rate == 22050 || w.rate == 44100),
                     qPrintable(name));
            QVERIFY(!samples.isEmpty());
            const int ms = int(qint64(samples.size()) * 1000 / w.rate);
            const int maxMs = name.endsWith(".vic") ? 1200 : name.contains('.') ? 900 : name == "3" || name == "5" ? 600 : 200;
            QVERIFY2(ms >= 60 && ms <= maxMs, qPrintable(QStringLiteral("%1: %2 ms").arg(name).arg(ms)));
            // Silent edges: no click when the sound starts or is cut.
            QVERIFY(qAbs(samples.first()) < 100 && qAbs(samples.last()) < 100);
        }
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

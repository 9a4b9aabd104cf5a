// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon at every hicolor PNG size, or as a Windows icon.
// Run at build time:
//   klepsos_genicons <icons folder> <icon name>
//     gives <icons folder>/<N>x<N>/apps/<icon name>.png for each size;
//   klepsos_genicons --ico <file>
//     gives a Windows icon file holding every size as PNG.

#include "icon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <QtEndian>

namespace {

// An .ico file: a directory of images, then each image as PNG (which
// Windows reads since Vista). A width or height of 256 is written 0.
QByteArray ico(const QList<int>& sizes)
{
    QList<QByteArray> pngs;
    for (int size : sizes) {
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        gen::appIcon(size).save(&b, "PNG");
        pngs << b.data();
    }
    QByteArray out;
    const auto u16 = [&out](quint16 v) { out.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); };
    const auto u32 = [&out](quint32 v) { out.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); };
    u16(0);  // reserved
    u16(1);  // an icon
    u16(quint16(sizes.size()));
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const char side = char(sizes[i] >= 256 ? 0 : sizes[i]);
        out.append(side).append(side).append('\0').append('\0');
        u16(1);   // colour planes
        u16(32);  // bits per pixel
        u32(quint32(pngs[i].size()));
        u32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out += png;
    return out;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--ico")) {
        QFile f(args.at(2));
        if (f.open(QIODevice::WriteOnly) && f.write(ico({16, 24, 32, 48, 64, 128, 256})) > 0)
            return 0;
        QTextStream(stderr) << "klepsos_genicons: cannot write " << args.at(2) << '\n';
        return 1;
    }
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: klepsos_genicons <icons folder> <icon name> | --ico <file>\n";
        return 2;
    }
    for (int size : gen::kIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(1)).arg(size);
        const QString path = QStringLiteral("%1/%2.png").arg(folder, args.at(2));
        if (!QDir().mkpath(folder) || !gen::appIcon(size).save(path, "PNG")) {
            QTextStream(stderr) << "klepsos_genicons: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

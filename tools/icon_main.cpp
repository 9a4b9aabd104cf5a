// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon at every hicolor PNG size.
// Run at build time: klepsos_genicons <icons folder> <icon name>
// gives <icons folder>/<N>x<N>/apps/<icon name>.png for each size.

#include "icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: klepsos_genicons <icons folder> <icon name>\n";
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

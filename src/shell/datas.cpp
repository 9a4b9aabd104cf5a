#include "datas.h"

#include <QCoreApplication>
#include <QDir>

QString dossierDatasProgramme()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("datas"));
}

QStringList nomsSons()
{
    QStringList noms;
    for (int i = 1; i <= 10; ++i)
        noms << QString::number(i);
    for (int i = 1; i <= 4; ++i)
        noms << QStringLiteral("%1.vic").arg(i) << QStringLiteral("%1.def").arg(i);
    return noms;
}

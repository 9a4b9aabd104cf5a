// SPDX-License-Identifier: GPL-3.0-or-later
#include "datas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/dossier.h"
#include "ui/picturefile.h"

namespace {

const QString nomScore = QStringLiteral("18");
const QString nomModuleSons = QStringLiteral("klepsos-sons");
const QString nomModuleVoix = QStringLiteral("klepsos-voix");

bool estDossierDatas(const QString& dossier)
{
    return QFileInfo(QDir(dossier).filePath(QStringLiteral("23"))).isFile();
}

}  // namespace

Emplacements choisirEmplacements(const QString& dossierProgramme, const QString& dossierUtilisateur)
{
    const QDir programme(dossierProgramme);
    const QString voisin = programme.filePath(QStringLiteral("datas"));
    const Emplacements aCote{voisin, QDir(voisin).filePath(nomScore), programme.filePath(nomModuleSons),
                             programme.filePath(nomModuleVoix)};
    if (estDossierDatas(voisin))
        return aCote;

    const QString installe =
        QDir::cleanPath(programme.filePath(QStringLiteral("../share/klepsos/datas")));
    if (!estDossierDatas(installe) || dossierUtilisateur.isEmpty())
        return aCote;

    const QString score = QDir(dossierUtilisateur).filePath(nomScore);
    if (!QFileInfo::exists(score)) {
        QDir().mkpath(dossierUtilisateur);
        QFile::copy(QDir(installe).filePath(nomScore), score);
        // The installed copy is read-only; the child's copy must not be.
        QFile::setPermissions(score, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                         | QFile::ReadOther);
    }
    const QString modules = QDir::cleanPath(programme.filePath(QStringLiteral("../" KLEPSOS_MODULE_DIR)));
    return {installe, score, QDir(modules).filePath(nomModuleSons), QDir(modules).filePath(nomModuleVoix)};
}

Emplacements emplacementsProgramme()
{
    return choisirEmplacements(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString fichierGuide(const QString& dossierDatas)
{
    return QDir::cleanPath(QDir(dossierDatas).filePath(QStringLiteral("../guide-enseignant.md")));
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

QIcon iconeFenetre(const QString& dossierDatas)
{
    // Not a search of the desktop's icon theme for the same drawing: that
    // parses the theme's whole index and keeps it, about 1 MB.
    QIcon icone;
    const QDir datas(dossierDatas);
    for (const QString& nom : nomsEntre(datas, u"icone-", {}, QDir::Files)) {
        const QPixmap image = PictureFile(datas.filePath(nom)).read(1);
        if (!image.isNull())
            icone.addPixmap(image);
    }
    return icone;
}

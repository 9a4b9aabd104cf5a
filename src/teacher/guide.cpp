// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

void montrerGuide(QWidget* parent, const QString& fichier)
{
    const QString titre = QStringLiteral("Klepsos — Guide de l'enseignant");
    if (auto* deja = parent->findChild<QDialog*>(QStringLiteral("guide"))) {
        deja->show();
        deja->raise();
        deja->activateWindow();
        return;
    }
    QFile f(fichier);
    // The guide is a few tens of kilobytes; a larger file is not it.
    constexpr qint64 tailleMax = 1024 * 1024;
    if (fichier.isEmpty() || !f.open(QIODevice::ReadOnly) || f.size() > tailleMax) {
        QMessageBox::warning(parent, titre,
                             QStringLiteral("Le guide de l'enseignant est introuvable (%1).").arg(QDir::toNativeSeparators(fichier)));
        return;
    }
    auto* d = new QDialog(parent);
    d->setObjectName(QStringLiteral("guide"));
    d->setWindowTitle(titre);
    auto* texte = new QTextBrowser;
    texte->setObjectName(QStringLiteral("texte_guide"));
    texte->setAccessibleName(titre);
    texte->setOpenExternalLinks(true);
    texte->document()->setDocumentMargin(16);
    texte->setMarkdown(QString::fromUtf8(f.readAll()));
    auto* l = new QVBoxLayout(d);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(texte);
    d->resize(760, 820);
    d->show();
}

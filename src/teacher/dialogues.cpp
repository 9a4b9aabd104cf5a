// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogues.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>

QString texteResultat(classe::Resultat r, const QString& nom)
{
    switch (r) {
    case classe::Resultat::Fait:
        return {};
    case classe::Resultat::NomRefuse:
        return QStringLiteral("« %1 » n'est pas un prénom accepté : des lettres, des chiffres, "
                              "des espaces, des traits d'union, des apostrophes et des points, "
                              "30 caractères au plus.").arg(nom);
    case classe::Resultat::DejaLa:
        return QStringLiteral("Un élève s'appelle déjà « %1 ».").arg(nom);
    case classe::Resultat::Inconnu:
        return QStringLiteral("Cet élève n'est plus dans la classe.");
    case classe::Resultat::Echec:
        break;
    }
    return QStringLiteral("Le dossier de la classe refuse l'écriture.");
}

QDialogButtonBox* boutonsOkAnnuler(QDialog& d)
{
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    return boutons;
}

std::optional<QString> demanderPrenom(QWidget* parent, const QString& titre, const QString& texte, const QString& initial)
{
    QInputDialog d(parent);
    d.setWindowTitle(titre);
    d.setLabelText(texte);
    d.setTextValue(initial);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Annuler"));
    if (d.exec() != QDialog::Accepted || d.textValue().trimmed().isEmpty())
        return std::nullopt;
    return d.textValue();
}

QString choisirFichier(QWidget* parent, const QString& titre, const QString& nom, const QString& filtre)
{
    // Where a teacher looks for what they saved: their Documents (on
    // Windows, or a Linux desktop that has it), else their home folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir dossier = !documents.isEmpty() && QFileInfo(documents).isDir() ? QDir(documents) : QDir::home();
    QFileDialog d(parent, titre, dossier.filePath(nom), filtre);
    d.setObjectName(QStringLiteral("choix_fichier"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    d.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

QString texteTravailIllisible()
{
    return QStringLiteral("Le travail de la semaine n'a pas pu être lu dans le dossier de la classe. Rien n'a été "
                          "enregistré, pour ne pas effacer ce qui est déjà donné. Réessayez quand le dossier répondra.");
}

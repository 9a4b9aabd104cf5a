// SPDX-License-Identifier: GPL-3.0-or-later
// The class list as the teacher changes it: a child added, a list pasted,
// a child renamed or removed, each on the reader's thread.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "classroom/filpartage.h"
#include "dialogues.h"
#include "enseignant.h"

void Enseignant::changerListe(const QString& titre, std::function<QString()> changement)
{
    lecteur_->lancer(changement, [this, titre](const QString& erreur) {
        if (!erreur.isEmpty())
            QMessageBox::warning(this, titre, erreur);
        actualiser();
    });
}

void Enseignant::ajouterUn()
{
    const QString titre = QStringLiteral("Ajouter un élève");
    if (!dossierRepond(titre))
        return;
    const auto nom = demanderPrenom(this, titre, QStringLiteral("Prénom :"), {});
    if (!nom)
        return;
    changerListe(titre, [racine = lieux_.racine(), nom = *nom] {
        return texteResultat(classe::ajouter(racine, nom), nom.trimmed());
    });
}

void Enseignant::collerListe()
{
    const QString titre = QStringLiteral("Ajouter une liste d'élèves");
    if (!dossierRepond(titre))
        return;
    QDialog d(this);
    d.setWindowTitle(titre);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(new QLabel(QStringLiteral("Un prénom par ligne (collez la liste de la classe) :")));
    auto* texte = new QPlainTextEdit;
    texte->setObjectName(QStringLiteral("liste"));
    texte->setAccessibleName(QStringLiteral("Prénoms, un par ligne"));
    l->addWidget(texte);
    l->addWidget(boutonsOkAnnuler(d));
    if (d.exec() != QDialog::Accepted)
        return;
    const QStringList lignes = texte->toPlainText().split(QLatin1Char('\n'));
    struct Bilan {
        int ajoutes = 0;
        QStringList refus;
    };
    lecteur_->lancer(
        [racine = lieux_.racine(), lignes] {
            Bilan b;
            for (const QString& ligne : lignes) {
                if (ligne.trimmed().isEmpty())
                    continue;
                const classe::Resultat r = classe::ajouter(racine, ligne);
                if (r == classe::Resultat::Fait)
                    ++b.ajoutes;
                else
                    b.refus << texteResultat(r, ligne.trimmed());
            }
            return b;
        },
        [this, titre](const Bilan& b) {
            actualiser();
            statusBar()->showMessage(QStringLiteral("%1 élève(s) ajouté(s)").arg(b.ajoutes), 5000);
            if (!b.refus.isEmpty())
                QMessageBox::warning(this, titre, b.refus.join(QLatin1Char('\n')));
        });
}

void Enseignant::renommerChoisi()
{
    const QString cle = cleChoisie();
    const QString titre = QStringLiteral("Renommer");
    if (cle.isEmpty() || !dossierRepond(titre))
        return;
    const QString ancien = nomDe(cle);
    const auto nom = demanderPrenom(this, titre, QStringLiteral("Nouveau prénom :"), ancien);
    if (!nom || nom->trimmed() == ancien)
        return;
    changerListe(titre, [racine = lieux_.racine(), cle, nom = *nom] {
        return texteResultat(classe::renommer(racine, cle, nom), nom.trimmed());
    });
}

void Enseignant::retirerChoisi()
{
    const QString cle = cleChoisie();
    const QString titre = QStringLiteral("Retirer de la classe");
    if (cle.isEmpty() || !dossierRepond(titre))
        return;
    const QString nom = nomDe(cle);
    QMessageBox question(QMessageBox::Question, titre,
                         QStringLiteral("Retirer %1 de la classe ?\n\nSes réponses ne sont pas effacées : elles sont mises "
                                        "de côté dans le dossier « retires » de la classe.").arg(nom),
                         QMessageBox::NoButton, this);
    QPushButton* oui = question.addButton(QStringLiteral("Retirer"), QMessageBox::DestructiveRole);
    question.setDefaultButton(question.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
    question.exec();
    if (question.clickedButton() != oui)
        return;
    changerListe(titre, [racine = lieux_.racine(), cle, nom] { return texteResultat(classe::retirer(racine, cle), nom); });
}


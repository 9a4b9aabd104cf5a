// SPDX-License-Identifier: GPL-3.0-or-later
// The class list as the teacher changes it: a child added, a list pasted,
// a child renamed or removed, each on the reader's thread.
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "classroom/effacement.h"
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
    // Without a class, this computer is the only place: the child can be
    // erased for real at once.
    const bool seul = lieux_.classe.isEmpty();
    QMessageBox question(QMessageBox::Question, titre,
                         seul ? QStringLiteral("Retirer %1 ?\n\nSes réponses sont mises de côté sur cet ordinateur "
                                               "(« Élèves retirés »), ou effacées définitivement si vous le choisissez.").arg(nom)
                              : QStringLiteral("Retirer %1 de la classe ?\n\nSes réponses ne sont pas effacées : elles sont mises "
                                               "de côté dans le dossier « retires » de la classe, jusqu'à ce que vous les "
                                               "effaciez (« Élèves retirés »).").arg(nom),
                         QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("question_retirer"));
    QPushButton* oui = question.addButton(QStringLiteral("Retirer"), QMessageBox::AcceptRole);
    QPushButton* effacer = seul ? question.addButton(QStringLiteral("Retirer et effacer définitivement"), QMessageBox::DestructiveRole)
                                : nullptr;
    question.setDefaultButton(question.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
    question.exec();
    if (question.clickedButton() != oui && (!effacer || question.clickedButton() != effacer))
        return;
    const bool aussiEffacer = effacer && question.clickedButton() == effacer;
    changerListe(titre, [racine = lieux_.racine(), cle, nom, aussiEffacer] {
        const classe::Resultat r = classe::retirer(racine, cle);
        if (r != classe::Resultat::Fait || !aussiEffacer)
            return texteResultat(r, nom);
        // The latest removal of that key is this child's.
        for (const classe::Retire& parti : classe::retires(racine))
            if (parti.cle == cle)
                return classe::effacer(racine, parti, false) ? QString() : texteResultat(classe::Resultat::Echec, nom);
        return QString();
    });
}

void Enseignant::choisirAnneeEleve()
{
    const QString cle = cleChoisie();
    const QString titre = QStringLiteral("Année de l'élève");
    if (cle.isEmpty() || !dossierRepond(titre))
        return;
    QInputDialog d(this);
    d.setObjectName(QStringLiteral("choix_annee_eleve"));
    d.setWindowTitle(titre);
    d.setLabelText(QStringLiteral("Année de %1 :").arg(nomDe(cle)));
    QStringList choix{QStringLiteral("Celle de la classe")};
    for (programme::Annee a : programme::annees)
        choix << programme::nomAnnee(a);
    d.setComboBoxItems(choix);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Annuler"));
    if (d.exec() != QDialog::Accepted)
        return;
    const qsizetype i = choix.indexOf(d.textValue());
    const QList<programme::Annee> annee = i > 0 ? QList{programme::annees[size_t(i - 1)]} : QList<programme::Annee>{};
    changerListe(titre, [racine = lieux_.racine(), cle, annee] {
        return classe::ecrireAnneeEnfant(classe::dossierEnfant(racine, cle), annee) ? QString()
                                                                                   : texteResultat(classe::Resultat::Echec, {});
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The children's data as the school must be able to erase them: a removed
// child erased for good, and the year exported then erased at its end.
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "classroom/effacement.h"
#include "classroom/filpartage.h"
#include "dialogues.h"
#include "enseignant.h"
#include "rapport.h"

namespace {

// What erasing means, said before the teacher confirms.
QString texteEffacement(bool classe)
{
    return classe ? QStringLiteral("Le prénom et toutes les réponses sont effacés du dossier de la classe, puis de chaque "
                                   "ordinateur de la classe la prochaine fois qu'il démarre. Cela ne peut pas être annulé.")
                  : QStringLiteral("Le prénom et toutes les réponses sont effacés de cet ordinateur. "
                                   "Cela ne peut pas être annulé.");
}

bool confirmer(QWidget* parent, const QString& titre, const QString& question, const QString& bouton)
{
    QMessageBox b(QMessageBox::Warning, titre, question, QMessageBox::NoButton, parent);
    b.setObjectName(QStringLiteral("confirmer_effacement"));
    QPushButton* oui = b.addButton(bouton, QMessageBox::DestructiveRole);
    b.setDefaultButton(b.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
    b.exec();
    return b.clickedButton() == oui;
}

}  // namespace

void Enseignant::effacerRetire(const classe::Retire& r, const QString& titre)
{
    changerListe(titre, [racine = lieux_.racine(), r, trace = !lieux_.classe.isEmpty()] {
        return classe::effacer(racine, r, trace) ? QString() : texteResultat(classe::Resultat::Echec, {});
    });
}

void Enseignant::montrerRetires()
{
    const QString titre = QStringLiteral("Élèves retirés");
    if (!dossierRepond(titre))
        return;
    lecteur_->lancer([racine = lieux_.racine()] { return classe::retires(racine); },
                     [this, titre](const QList<classe::Retire>& liste) {
                         QDialog d(this);
                         d.setObjectName(QStringLiteral("retires"));
                         d.setWindowTitle(titre);
                         auto* l = new QVBoxLayout(&d);
                         l->addWidget(new QLabel(liste.isEmpty() ? QStringLiteral("Aucun élève retiré.")
                                                                 : QStringLiteral("Ces élèves ont été retirés de la classe. "
                                                                                  "Leurs réponses sont gardées jusqu'à ce "
                                                                                  "que vous les effaciez.")));
                         auto* table = new QTableWidget(int(liste.size()), 2);
                         table->setObjectName(QStringLiteral("liste_retires"));
                         table->setAccessibleName(titre);
                         table->setHorizontalHeaderLabels({QStringLiteral("Élève"), QStringLiteral("Retiré le")});
                         table->setSelectionBehavior(QAbstractItemView::SelectRows);
                         table->setSelectionMode(QAbstractItemView::SingleSelection);
                         table->setEditTriggers(QAbstractItemView::NoEditTriggers);
                         table->verticalHeader()->hide();
                         table->horizontalHeader()->setStretchLastSection(true);
                         const QLocale fr(QLocale::French, QLocale::France);
                         for (int i = 0; i < int(liste.size()); ++i) {
                             const classe::Retire& r = liste[i];
                             table->setItem(i, 0, new QTableWidgetItem(r.nom.isEmpty() ? QStringLiteral("(sans nom)") : r.nom));
                             table->setItem(i, 1, new QTableWidgetItem(fr.toString(r.quand.toLocalTime(), QStringLiteral("d MMMM yyyy"))));
                         }
                         l->addWidget(table);
                         auto* boutons = new QDialogButtonBox;
                         QPushButton* effacer = boutons->addButton(QStringLiteral("Effacer définitivement…"), QDialogButtonBox::ActionRole);
                         effacer->setObjectName(QStringLiteral("effacer"));
                         effacer->setEnabled(false);
                         boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
                         l->addWidget(boutons);
                         connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
                         connect(table, &QTableWidget::itemSelectionChanged, &d,
                                 [table, effacer] { effacer->setEnabled(!table->selectedItems().isEmpty()); });
                         connect(effacer, &QPushButton::clicked, &d, [&] {
                             const classe::Retire r = liste.value(table->currentRow());
                             const QString nom = r.nom.isEmpty() ? QStringLiteral("cet élève") : r.nom;
                             if (!confirmer(&d, titre, QStringLiteral("Effacer définitivement %1 ?\n\n%2").arg(nom, texteEffacement(!lieux_.classe.isEmpty())),
                                            QStringLiteral("Effacer %1").arg(nom)))
                                 return;
                             effacerRetire(r, titre);
                             d.accept();
                         });
                         d.resize(460, 320);
                         d.exec();
                     });
}

void Enseignant::finDAnnee()
{
    const QString titre = QStringLiteral("Fin d'année");
    if (!dossierRepond(titre))
        return;
    QDialog d(this);
    d.setObjectName(QStringLiteral("fin_annee"));
    d.setWindowTitle(titre);
    auto* l = new QVBoxLayout(&d);
    auto* texte = new QLabel(QStringLiteral("L'année finie, gardez-en une copie, puis effacez-la : les prénoms des "
                                            "élèves et toutes leurs réponses quittent la classe. %1")
                                 .arg(texteEffacement(!lieux_.classe.isEmpty())));
    texte->setWordWrap(true);
    l->addWidget(texte);
    auto* boutons = new QDialogButtonBox;
    QPushButton* exporter = boutons->addButton(QStringLiteral("Exporter l'année (CSV et PDF)…"), QDialogButtonBox::ActionRole);
    exporter->setObjectName(QStringLiteral("exporter_annee"));
    QPushButton* effacer = boutons->addButton(QStringLiteral("Effacer l'année…"), QDialogButtonBox::DestructiveRole);
    effacer->setObjectName(QStringLiteral("effacer_annee"));
    boutons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    l->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    connect(exporter, &QPushButton::clicked, &d, [this, &d, titre] {
        const QString csv = choisirFichier(&d, titre, QStringLiteral("klepsos-annee-%1.csv").arg(QDate::currentDate().year()),
                                           QStringLiteral("CSV (*.csv)"));
        if (csv.isEmpty())
            return;
        const QString pdf = csv.endsWith(QLatin1String(".csv")) ? csv.chopped(4) + QStringLiteral(".pdf") : csv + QStringLiteral(".pdf");
        statusBar()->showMessage(QStringLiteral("Export de l'année en cours…"));
        lecteur_->lancer(
            [l = lieux_, csv, pdf] {
                QString erreur;
                return exporterClasse(l, csv, &erreur) && ecrireRapport(l, pdf, &erreur) ? QString() : erreur;
            },
            [this, titre, csv, pdf](const QString& erreur) {
                statusBar()->clearMessage();
                if (!erreur.isEmpty())
                    QMessageBox::warning(this, titre, erreur);
                else
                    statusBar()->showMessage(QStringLiteral("Année exportée dans %1 et %2").arg(csv, pdf), 8000);
            });
    });
    connect(effacer, &QPushButton::clicked, &d, [this, &d, titre] {
        const int n = int(resume_.enfants.size());
        if (!confirmer(&d, titre,
                       QStringLiteral("Effacer définitivement %1 et toutes leurs réponses, ainsi que les élèves déjà retirés ?\n\n%2")
                           .arg(n == 1 ? QStringLiteral("l'élève de la classe") : QStringLiteral("les %1 élèves de la classe").arg(n),
                                texteEffacement(!lieux_.classe.isEmpty())),
                       QStringLiteral("Effacer l'année")))
            return;
        changerListe(titre, [racine = lieux_.racine(), trace = !lieux_.classe.isEmpty()] {
            for (const Joueur& j : classe::enfants(racine).enfants)
                if (classe::retirer(racine, j.cle) != classe::Resultat::Fait)
                    return texteResultat(classe::Resultat::Echec, {});
            for (const classe::Retire& r : classe::retires(racine))
                if (!classe::effacer(racine, r, trace))
                    return texteResultat(classe::Resultat::Echec, {});
            return QString();
        });
        d.accept();
    });
    d.exec();
}

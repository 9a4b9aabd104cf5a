// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher takes out of the view: the answers and the positioning
// as CSV, the report as PDF, each written on the reader's thread.
#include <QDesktopServices>
#include <QMessageBox>
#include <QStatusBar>
#include <QUrl>

#include "classroom/filpartage.h"
#include "dialogues.h"
#include "enseignant.h"
#include "modeleprogramme.h"
#include "rapport.h"

void Enseignant::exporterCsv()
{
    exporterVers(QStringLiteral("Exporter en CSV"), QStringLiteral("klepsos.csv"), QStringLiteral("Réponses exportées dans %1"),
                 [l = lieux_](const QString& f, QString* erreur) { return exporterClasse(l, f, erreur); });
}

void Enseignant::exporterPositions()
{
    exporterVers(QStringLiteral("Exporter le positionnement"), QStringLiteral("positionnement-klepsos.csv"),
                 QStringLiteral("Positionnement exporté dans %1"),
                 [r = resume_](const QString& f, QString* erreur) { return exporterPositionnement(r, f, erreur); });
}

void Enseignant::exporterVers(const QString& titre, const QString& nom, const QString& fait,
                              const std::function<bool(const QString&, QString*)>& ecrire)
{
    if (!dossierRepond(titre))
        return;
    const QString f = choisirFichier(this, titre, nom, QStringLiteral("CSV (*.csv)"));
    if (f.isEmpty())
        return;
    statusBar()->showMessage(QStringLiteral("Export en cours…"));
    lecteur_->lancer(
        [ecrire, f] {
            QString erreur;
            return ecrire(f, &erreur) ? QString() : erreur;
        },
        [this, titre, fait, f](const QString& erreur) {
            if (!erreur.isEmpty()) {
                statusBar()->clearMessage();
                QMessageBox::warning(this, titre, erreur);
            } else {
                statusBar()->showMessage(fait.arg(f), 5000);
            }
        });
}

void Enseignant::enregistrerRapport()
{
    const QString titre = QStringLiteral("Rapport à imprimer");
    if (!dossierRepond(titre))
        return;
    const QString f = choisirFichier(this, titre, QStringLiteral("rapport-klepsos.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (f.isEmpty())
        return;
    ecrirePuisOuvrir(titre, QStringLiteral("Rapport en cours…"), f, [l = lieux_, f] {
        QString erreur;
        return ecrireRapport(l, f, &erreur) ? QString() : erreur;
    });
}

void Enseignant::ecrirePuisOuvrir(const QString& titre, const QString& enCours, const QString& fichier,
                                  const std::function<QString()>& ecrire)
{
    statusBar()->showMessage(enCours);
    lecteur_->lancer(ecrire, [this, titre, fichier](const QString& erreur) {
        statusBar()->clearMessage();
        if (!erreur.isEmpty()) {
            QMessageBox::warning(this, titre, erreur);
            return;
        }
        // The PDF reader prints it.
        QDesktopServices::openUrl(QUrl::fromLocalFile(fichier));
    });
}


// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <memory>

#include "suivi.h"

class EnvoiEnFond;
class ModeleClasse;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;
class QTimer;

// A child's answers over time, drawn.
class GraphiqueProgres : public QWidget {
    Q_OBJECT

public:
    explicit GraphiqueProgres(QWidget* parent = nullptr);
    void setSemaines(QList<Semaine> s);
    QSize sizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<Semaine> semaines_;
};

// The teacher's view: an ordinary desktop window for an adult.
class Enseignant : public QMainWindow {
    Q_OBJECT

public:
    explicit Enseignant(Lieux lieux, QWidget* parent = nullptr);
    ~Enseignant() override;

    // Reads what is new and shows it; the timer calls it every two seconds.
    void actualiser();
    // Shows that child's page (empty: none).
    void montrerEnfant(const QString& cle);

    // Dialogs' replies for tests: a function standing for the user.
    ModeleClasse* modele() const { return modele_; }

private:
    void construireActions();
    QString cleChoisie() const;
    void ajouterUn();
    void collerListe();
    void renommerChoisi();
    void retirerChoisi();
    void exporterCsv();
    void enregistrerRapport();
    void reglerClasse();
    void montrerAttente(int lignes, bool joignable);

    SuiviClasse suivi_;
    ModeleClasse* modele_ = nullptr;
    QSortFilterProxyModel* tri_ = nullptr;
    QTableView* tableau_ = nullptr;
    QLabel* attente_ = nullptr;
    QLabel* postes_ = nullptr;
    QLabel* titreEleve_ = nullptr;
    GraphiqueProgres* graphique_ = nullptr;
    QLabel* aTravailler_ = nullptr;
    QTableWidget* erreurs_ = nullptr;
    QTimer* minuterie_ = nullptr;
    QString cleMontree_;
    std::unique_ptr<EnvoiEnFond> envoi_;
};

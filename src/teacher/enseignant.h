// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <memory>

#include "suivi.h"

class EnvoiEnFond;
class FilPartage;
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

    // Asks for what is new, read off the screen's thread, and shows it when
    // it comes; the timer calls it every two seconds. A read still under way
    // past partage::attenteSondeMs shows that the folder does not answer.
    void actualiser();
    // The reads and the sending under way end within ms milliseconds; false
    // when one is stuck in a share that hangs (the window must then not be
    // destroyed: the program ends without waiting).
    bool finir(int ms);
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
    void modifierReglages(const QString& racine, const QString& titre, classe::Reglages r);
    void montrerAttente(int lignes, bool joignable);
    void montrerResume(const ResumeClasse& r);
    void montrerDetail(const QString& cle, const DetailEnfant& d);
    // The folder answers again, or not.
    void montrerSilence(bool muet);
    // False, with a message box titled so, while the folder does not answer.
    bool dossierRepond(const QString& titre);
    // Runs a change of the class list on the reader's thread; its message
    // (empty when done) in a box titled so, then a new read.
    void changerListe(const QString& titre, std::function<QString()> changement);

    Lieux lieux_;
    // Used on the reader's thread only.
    std::shared_ptr<SuiviClasse> suivi_;
    ResumeClasse resume_;
    FilPartage* lecteur_ = nullptr;
    QLabel* silence_ = nullptr;
    ModeleClasse* modele_ = nullptr;
    QSortFilterProxyModel* tri_ = nullptr;
    QTableView* tableau_ = nullptr;
    QLabel* attente_ = nullptr;
    QLabel* titreEleve_ = nullptr;
    GraphiqueProgres* graphique_ = nullptr;
    QLabel* aTravailler_ = nullptr;
    QTableWidget* erreurs_ = nullptr;
    QTimer* minuterie_ = nullptr;
    QString cleMontree_;
    std::unique_ptr<EnvoiEnFond> envoi_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "classroom/effacement.h"
#include "suivi.h"

class EnvoiEnFond;
class FilPartage;
class ModuleVoix;
class QSettings;
class RandomSource;
class Tableau;
class ModeleClasse;
class ModeleProgramme;
class PageEleve;
class PageTravail;
class QTabWidget;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

// The teacher's view: an ordinary desktop window for an adult. The window,
// its tables and its reading are here; the class list's changes in
// listeclasse.cpp, the exports and the report in exports.cpp, the class
// settings in reglagesdialogue.cpp.
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
    // Where the teacher's guide is, for "Aide".
    void setGuide(const QString& fichier) { guide_ = fichier; }
    // The voice's program, which "Au tableau" starts when first opened.
    void setProgrammeVoix(const QString& programme) { programmeVoix_ = programme; }
    // "Au tableau" on the board's screen (another screen than this window's
    // when there is one), opened once and shown again.
    void ouvrirTableau();
    Tableau* auTableau() const { return auTableau_; }

    // Dialogs' replies for tests: a function standing for the user.
    ModeleClasse* modele() const { return modele_; }
    ModeleProgramme* modeleProgramme() const { return modeleProgramme_; }

private:
    void construireActions();
    QString cleChoisie() const;
    QString nomDe(const QString& cle) const;
    void ajouterUn();
    void collerListe();
    void renommerChoisi();
    void retirerChoisi();
    // The removed children, each erased for good on demand.
    void montrerRetires();
    void effacerRetire(const classe::Retire& r, const QString& titre);
    // The year exported, then erased.
    void finDAnnee();
    void exporterCsv();
    void exporterPositions();
    // A CSV written off the screen's thread to a file the teacher chooses.
    void exporterVers(const QString& titre, const QString& nom, const QString& fait,
                      const std::function<bool(const QString&, QString*)>& ecrire);
    void enregistrerRapport();
    // A PDF written on the share's thread (ecrire returns an error or
    // nothing), then opened in the PDF reader; the status line says
    // enCours meanwhile.
    void ecrirePuisOuvrir(const QString& titre, const QString& enCours, const QString& fichier,
                          const std::function<QString()>& ecrire);
    // Worksheets for the class or a page per child, written on the reader's thread.
    void imprimerFiches();
    void reglerClasse();
    void reglerClasseAvec(const QString& message);
    // A child's own year, when it differs from the class's.
    void choisirAnneeEleve();
    void changerCode();
    // The week's work read from the class folder, on the reader's thread.
    void lireTravail();
    // A change of the week's work merged into the class's, on the reader's thread.
    void enregistrerTravail(const classe::ChangementTravail& c);
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
    ModeleProgramme* modeleProgramme_ = nullptr;
    QSortFilterProxyModel* triProgramme_ = nullptr;
    QTableView* tableauProgramme_ = nullptr;
    QTabWidget* onglets_ = nullptr;
    QLabel* attente_ = nullptr;
    QLabel* postes_ = nullptr;
    PageEleve* page_ = nullptr;
    PageTravail* travail_ = nullptr;
    QTimer* minuterie_ = nullptr;
    QString cleMontree_;
    // A class without its year is asked it once, when first read.
    bool anneeDemandee_ = false;
    QString guide_;
    QString programmeVoix_;
    Tableau* auTableau_ = nullptr;
    std::unique_ptr<QSettings> reglagesTableau_;
    std::unique_ptr<RandomSource> hasardTableau_;
    std::unique_ptr<ModuleVoix> voixTableau_;
    std::unique_ptr<EnvoiEnFond> envoi_;
};

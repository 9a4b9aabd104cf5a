// SPDX-License-Identifier: GPL-3.0-or-later
#include "enseignant.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "classroom/envoiclasse.h"
#include "classroom/filpartage.h"
#include "classroom/sonde.h"
#include "dessins.h"
#include "modeleclasse.h"
#include "modeleprogramme.h"
#include "players/bilan.h"
#include "rapport.h"

namespace {

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

// Qt's own dialogs speak English unless its translations are installed:
// their buttons and labels are named here.
void boutonsFrancais(QDialogButtonBox* b)
{
    if (QPushButton* ok = b->button(QDialogButtonBox::Ok))
        ok->setText(QStringLiteral("OK"));
    if (QPushButton* annuler = b->button(QDialogButtonBox::Cancel))
        annuler->setText(QStringLiteral("Annuler"));
}

// "OK" and "Annuler" in French, accepting and rejecting the dialog.
QDialogButtonBox* boutonsOkAnnuler(QDialog& d)
{
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutonsFrancais(boutons);
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
    QFileDialog d(parent, titre, QDir::home().filePath(nom), filtre);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    d.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

// A table of the class, a row per child, one selected at a time, sorted by
// any column through a proxy on Qt::UserRole.
QTableView* tableauDesEleves(QAbstractItemModel* modele, QSortFilterProxyModel*& tri, const char* nom,
                             const QString& nomAccessible, QObject* parent)
{
    tri = new QSortFilterProxyModel(parent);
    tri->setSourceModel(modele);
    tri->setSortRole(Qt::UserRole);
    auto* t = new QTableView;
    t->setObjectName(QString::fromLatin1(nom));
    t->setAccessibleName(nomAccessible);
    t->setModel(tri);
    t->setSortingEnabled(true);
    t->sortByColumn(0, Qt::AscendingOrder);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    return t;
}

}  // namespace

GraphiqueProgres::GraphiqueProgres(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graphique"));
    setMinimumHeight(140);
    setAccessibleName(QStringLiteral("Réponses semaine par semaine"));
}

void GraphiqueProgres::setSemaines(QList<Semaine> s)
{
    semaines_ = std::move(s);
    // Screen readers get the same in words: the last weeks.
    QStringList mots;
    const QLocale fr(QLocale::French, QLocale::France);
    for (qsizetype i = std::max<qsizetype>(0, semaines_.size() - 4); i < semaines_.size(); ++i)
        mots << QStringLiteral("semaine du %1 : %2 justes sur %3")
                    .arg(fr.toString(semaines_[i].lundi, QStringLiteral("d MMMM")))
                    .arg(semaines_[i].compte.justes)
                    .arg(semaines_[i].compte.total);
    setAccessibleDescription(mots.join(QStringLiteral(" ; ")));
    update();
}

void GraphiqueProgres::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    dessinerProgres(p, QRectF(rect()).adjusted(4, 4, -4, -4), semaines_);
}

Enseignant::Enseignant(Lieux lieux, QWidget* parent)
    : QMainWindow(parent), lieux_(std::move(lieux)), suivi_(std::make_shared<SuiviClasse>(lieux_))
{
    setObjectName(QStringLiteral("enseignant"));
    const Lieux& l = lieux_;
    lecteur_ = new FilPartage(this);
    setWindowTitle(l.classe.isEmpty() ? QStringLiteral("Klepsos — Espace enseignant")
                                      : QStringLiteral("Klepsos — Espace enseignant — %1").arg(l.classe));

    modele_ = new ModeleClasse(activitesConnues(), this);
    tableau_ = tableauDesEleves(modele_, tri_, "tableau", QStringLiteral("La classe"), this);
    // Columns as wide as the longest word of a title: fitting them to their
    // contents would leave room for a sort arrow as tall as three lines.
    QHeaderView* entete = tableau_->horizontalHeader();
    entete->setSectionResizeMode(QHeaderView::Interactive);
    entete->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    entete->setMinimumSectionSize(72);
    const QFontMetrics fm(entete->font());
    const int cellule = fm.horizontalAdvance(QStringLiteral("99999/99999"));
    for (int c = 1; c < modele_->colonneTotal(); ++c) {
        int large = cellule;
        for (const QString& ligne : enLignes(titreActivite(modele_->activites().value(c - 1)), largeurTitre).split(QLatin1Char('\n')))
            large = std::max(large, fm.horizontalAdvance(ligne));
        entete->resizeSection(c, large + 14);
    }
    entete->resizeSection(modele_->colonneTotal(), cellule + 24);
    tableau_->horizontalHeader()->setStretchLastSection(true);
    tableau_->setWordWrap(false);

    attente_ = new QLabel;
    attente_->setObjectName(QStringLiteral("attente"));
    attente_->setWordWrap(true);
    attente_->setStyleSheet(QStringLiteral("background:#fff3cd; color:#664d03; padding:6px;"));
    attente_->hide();
    // What the other computers could not deliver.
    postes_ = new QLabel;
    postes_->setObjectName(QStringLiteral("postes"));
    postes_->setWordWrap(true);
    postes_->setStyleSheet(attente_->styleSheet());
    postes_->hide();
    silence_ = new QLabel(QStringLiteral("Le dossier de la classe ne répond pas (%1) : le tableau montre ce qui a été "
                                         "lu avant. Les réponses des élèves attendent sur chaque ordinateur.")
                              .arg(QDir::toNativeSeparators(l.classe)));
    silence_->setObjectName(QStringLiteral("silence"));
    silence_->setWordWrap(true);
    silence_->setStyleSheet(QStringLiteral("background:#f8d7da; color:#58151c; padding:6px; font-weight:bold;"));
    silence_->hide();

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("eleve"));
    titreEleve_ = new QLabel(QStringLiteral("Choisissez un élève dans le tableau."));
    titreEleve_->setObjectName(QStringLiteral("titre_eleve"));
    QFont gras = titreEleve_->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    titreEleve_->setFont(gras);
    graphique_ = new GraphiqueProgres;
    aTravailler_ = new QLabel;
    aTravailler_->setObjectName(QStringLiteral("a_travailler"));
    aTravailler_->setWordWrap(true);
    erreurs_ = new QTableWidget(0, 5);
    erreurs_->setObjectName(QStringLiteral("erreurs"));
    erreurs_->setAccessibleName(QStringLiteral("Ses erreurs"));
    erreurs_->setHorizontalHeaderLabels({QStringLiteral("Quand"), QStringLiteral("Activité"),
                                         QStringLiteral("Question"), QStringLiteral("Sa réponse"),
                                         QStringLiteral("La bonne réponse")});
    erreurs_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    erreurs_->verticalHeader()->hide();
    erreurs_->horizontalHeader()->setStretchLastSection(true);
    erreurs_->setWordWrap(false);

    itemsEleve_ = new QTableWidget(0, 3);
    itemsEleve_->setObjectName(QStringLiteral("items_eleve"));
    itemsEleve_->setAccessibleName(QStringLiteral("Son positionnement"));
    // The level before the item's long title, so that it shows in a narrow pane.
    itemsEleve_->setHorizontalHeaderLabels({QStringLiteral("Année"), QStringLiteral("Niveau"), QStringLiteral("Attendu")});
    itemsEleve_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    itemsEleve_->verticalHeader()->hide();
    itemsEleve_->horizontalHeader()->setStretchLastSection(true);
    itemsEleve_->setWordWrap(false);

    auto* gauche = new QWidget;
    auto* lg = new QVBoxLayout(gauche);
    lg->setContentsMargins(0, 0, 0, 0);
    lg->addWidget(titreEleve_);
    lg->addWidget(graphique_, 1);
    lg->addWidget(aTravailler_);
    auto* bas = new QSplitter(Qt::Horizontal);
    bas->addWidget(gauche);
    bas->addWidget(itemsEleve_);
    bas->addWidget(erreurs_);
    bas->setStretchFactor(0, 2);
    bas->setStretchFactor(1, 2);
    bas->setStretchFactor(2, 3);
    auto* lp = new QVBoxLayout(page);
    lp->setContentsMargins(0, 0, 0, 0);
    lp->addWidget(bas);

    // The programme: a row per child, a column per item of the class's year.
    modeleProgramme_ = new ModeleProgramme(this);
    tableauProgramme_ = tableauDesEleves(modeleProgramme_, triProgramme_, "tableau_programme",
                                         QStringLiteral("La classe sur le programme"), this);
    tableauProgramme_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Room for the sort arrow beside "Élève".
    tableauProgramme_->horizontalHeader()->setMinimumSectionSize(72);
    tableauProgramme_->setWordWrap(false);
    auto* regle = new QLabel(programme::texteRegle());
    regle->setObjectName(QStringLiteral("regle"));
    regle->setWordWrap(true);
    auto* pageProgramme = new QWidget;
    pageProgramme->setObjectName(QStringLiteral("programme"));
    auto* lpp = new QVBoxLayout(pageProgramme);
    lpp->setContentsMargins(0, 4, 0, 0);
    lpp->addWidget(regle);
    lpp->addWidget(tableauProgramme_, 1);

    onglets_ = new QTabWidget;
    onglets_->setObjectName(QStringLiteral("onglets"));
    onglets_->addTab(tableau_, QStringLiteral("Activités"));
    onglets_->addTab(pageProgramme, QStringLiteral("Programme"));

    auto* haut = new QWidget;
    auto* lh = new QVBoxLayout(haut);
    lh->setContentsMargins(0, 0, 0, 0);
    lh->addWidget(silence_);
    lh->addWidget(attente_);
    lh->addWidget(postes_);
    lh->addWidget(onglets_);
    auto* centre = new QSplitter(Qt::Vertical);
    centre->addWidget(haut);
    centre->addWidget(page);
    centre->setStretchFactor(0, 3);
    centre->setStretchFactor(1, 2);
    setCentralWidget(centre);

    construireActions();
    for (QTableView* t : {tableau_, tableauProgramme_})
        connect(t->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this] { montrerEnfant(cleChoisie()); });
    connect(onglets_, &QTabWidget::currentChanged, this, [this] { montrerEnfant(cleChoisie()); });

    if (!l.classe.isEmpty()) {
        envoi_ = std::make_unique<EnvoiEnFond>(l.local, l.classe, l.poste);
        connect(envoi_.get(), &EnvoiEnFond::termine, this,
                [this](const classe::Envoi& e) { montrerAttente(int(e.lignesEnAttente), e.joignable); });
        envoi_->lancer();
    }
    minuterie_ = new QTimer(this);
    minuterie_->setInterval(2000);
    connect(minuterie_, &QTimer::timeout, this, &Enseignant::actualiser);
    minuterie_->start();
    actualiser();
    resize(1200, 760);
}

Enseignant::~Enseignant()
{
    // The reader goes first: its results are for this window.
    delete lecteur_;
}

bool Enseignant::finir(int ms)
{
    minuterie_->stop();
    const QDeadlineTimer echeance(ms);
    const bool lu = lecteur_->finir(int(echeance.remainingTime()));
    return (!envoi_ || envoi_->finir(int(echeance.remainingTime()))) && lu;
}

void Enseignant::construireActions()
{
    const auto action = [this](const char* nom, const QString& texte, const QKeySequence& touches,
                               void (Enseignant::*faire)()) {
        auto* a = new QAction(texte, this);
        a->setObjectName(QString::fromLatin1(nom));
        a->setShortcut(touches);
        connect(a, &QAction::triggered, this, faire);
        return a;
    };
    QMenu* eleves = menuBar()->addMenu(QStringLiteral("&Élèves"));
    QToolBar* barre = addToolBar(QStringLiteral("Actions"));
    barre->setObjectName(QStringLiteral("actions"));
    barre->setToolButtonStyle(Qt::ToolButtonTextOnly);
    barre->setMovable(false);
    for (QAction* a : {action("ajouter", QStringLiteral("&Ajouter un élève…"), QKeySequence::New, &Enseignant::ajouterUn),
                       action("coller", QStringLiteral("Ajouter une &liste…"), QKeySequence(QStringLiteral("Ctrl+L")), &Enseignant::collerListe),
                       action("renommer", QStringLiteral("&Renommer…"), QKeySequence(Qt::Key_F2), &Enseignant::renommerChoisi),
                       action("retirer", QStringLiteral("Re&tirer de la classe…"), QKeySequence::Delete, &Enseignant::retirerChoisi)}) {
        eleves->addAction(a);
        barre->addAction(a);
    }
    barre->addSeparator();
    QMenu* classeMenu = menuBar()->addMenu(QStringLiteral("&Classe"));
    for (QAction* a : {action("exporter", QStringLiteral("&Exporter en CSV…"), QKeySequence(QStringLiteral("Ctrl+E")), &Enseignant::exporterCsv),
                       action("exporter_positionnement", QStringLiteral("Exporter le &positionnement…"), QKeySequence(QStringLiteral("Ctrl+Shift+E")), &Enseignant::exporterPositions),
                       action("rapport", QStringLiteral("Rapport à &imprimer (PDF)…"), QKeySequence::Print, &Enseignant::enregistrerRapport),
                       action("reglages", QStringLiteral("Réglages de la &classe…"), QKeySequence(QStringLiteral("Ctrl+,")), &Enseignant::reglerClasse)}) {
        classeMenu->addAction(a);
        barre->addAction(a);
    }
    classeMenu->addSeparator();
    classeMenu->addAction(action("actualiser", QStringLiteral("&Actualiser"), QKeySequence::Refresh, &Enseignant::actualiser));
    auto* fermer = classeMenu->addAction(QStringLiteral("&Fermer"), QKeySequence::Close, this, &QWidget::close);
    fermer->setObjectName(QStringLiteral("fermer"));
}

void Enseignant::actualiser()
{
    // This computer's own answers, and whether the folder is in reach.
    if (envoi_)
        envoi_->demander();
    // One read at a time: a share that hangs holds the first one.
    if (lecteur_->attend()) {
        if (lecteur_->occupeDepuis() >= partage::attenteSondeMs)
            montrerSilence(true);
        return;
    }
    lecteur_->lancer([suivi = suivi_] { return suivi->actualiser() ? std::optional(suivi->resume()) : std::nullopt; },
                     [this](const std::optional<ResumeClasse>& r) {
                         montrerSilence(false);
                         if (r)
                             montrerResume(*r);
                     });
}

void Enseignant::montrerSilence(bool muet)
{
    if (!lieux_.classe.isEmpty())
        silence_->setVisible(muet);
}

bool Enseignant::dossierRepond(const QString& titre)
{
    if (!silence_->isVisible())
        return true;
    QMessageBox::warning(this, titre, QStringLiteral("Le dossier de la classe ne répond pas (%1). Réessayez quand il répondra.")
                                          .arg(QDir::toNativeSeparators(lieux_.classe)));
    return false;
}

void Enseignant::montrerResume(const ResumeClasse& r)
{
    resume_ = r;
    const QString cle = cleChoisie();
    modele_->setResume(resume_);
    modeleProgramme_->setResume(resume_);
    const int n = int(resume_.enfants.size());
    QString etat = n == 0 ? QStringLiteral("Aucun élève : ajoutez-en avec « Ajouter un élève ».")
                          : QStringLiteral("%1 élèves").arg(n);
    // What the folder holds that is not ours or is damaged, read past.
    if (resume_.ignores > 0)
        etat += QStringLiteral(" — %1 ligne(s) ou fichier(s) illisible(s) laissé(s) de côté").arg(resume_.ignores);
    statusBar()->showMessage(etat);
    postes_->setText(texteEtatsPostes(resume_.postes));
    postes_->setVisible(!postes_->text().isEmpty());
    if (!cle.isEmpty() && cle == cleMontree_)
        montrerEnfant(cle);
}

QString Enseignant::cleChoisie() const
{
    // The child chosen in the table on view; both list the children in the
    // class list's order.
    const bool programme = onglets_->currentIndex() == 1;
    const QModelIndex i = programme ? triProgramme_->mapToSource(tableauProgramme_->currentIndex())
                                    : tri_->mapToSource(tableau_->currentIndex());
    if (!i.isValid() || i.row() >= modele_->resume().enfants.size())
        return {};
    return modele_->resume().enfants[i.row()].enfant.cle;
}

QString Enseignant::nomDe(const QString& cle) const
{
    for (const ResumeEnfant& e : resume_.enfants)
        if (e.enfant.cle == cle)
            return e.enfant.nom;
    return {};
}

void Enseignant::montrerEnfant(const QString& cle)
{
    cleMontree_ = cle;
    const auto& liste = resume_.enfants;
    if (std::none_of(liste.begin(), liste.end(), [&](const ResumeEnfant& e) { return e.enfant.cle == cle; })) {
        titreEleve_->setText(QStringLiteral("Choisissez un élève dans le tableau."));
        graphique_->setSemaines({});
        aTravailler_->clear();
        erreurs_->setRowCount(0);
        itemsEleve_->setRowCount(0);
        return;
    }
    lecteur_->lancer([l = lieux_, cle] { return detailEnfant(l, cle); },
                     [this, cle](const DetailEnfant& d) { montrerDetail(cle, d); });
}

void Enseignant::montrerDetail(const QString& cle, const DetailEnfant& d)
{
    const auto& liste = resume_.enfants;
    const auto it = std::find_if(liste.begin(), liste.end(), [&](const ResumeEnfant& e) { return e.enfant.cle == cle; });
    if (cle != cleMontree_ || it == liste.end())
        return;
    montrerItems(*it);
    const Compte t = it->total();
    titreEleve_->setText(QStringLiteral("%1 — %2 réponses justes sur %3").arg(it->enfant.nom).arg(t.justes).arg(t.total));
    graphique_->setSemaines(d.semaines);
    QStringList titres;
    for (const QString& a : d.aTravailler)
        titres << titreActivite(a);
    aTravailler_->setText(titres.isEmpty() ? QStringLiteral("À travailler : rien de particulier.")
                                           : QStringLiteral("À travailler : %1.").arg(titres.join(QStringLiteral(", "))));
    const QLocale fr(QLocale::French, QLocale::France);
    erreurs_->setRowCount(int(d.erreurs.size()));
    for (int i = 0; i < d.erreurs.size(); ++i) {
        const LigneHistorique& e = d.erreurs[i];
        const QStringList cases{fr.toString(e.quand, QStringLiteral("dd/MM/yyyy HH:mm")), titreActivite(e.activite),
                                e.question, e.reponse, e.attendue};
        for (int c = 0; c < cases.size(); ++c)
            erreurs_->setItem(i, c, new QTableWidgetItem(cases[c]));
    }
    erreurs_->resizeColumnsToContents();
}

void Enseignant::montrerItems(const ResumeEnfant& e)
{
    const QList<int> items = resume_.items();
    itemsEleve_->setRowCount(int(items.size()));
    for (int r = 0; r < items.size(); ++r) {
        const programme::Item& item = programme::items()[size_t(items[r])];
        const programme::Position p = e.position.position(items[r]);
        const QStringList cases{programme::nomAnnee(item.annee), texteAcquisCompte(p), QString::fromUtf8(item.titre)};
        for (int c = 0; c < cases.size(); ++c) {
            auto* cas = new QTableWidgetItem(cases[c]);
            if (c == 1)
                cas->setBackground(couleurAcquis(p.acquis));
            itemsEleve_->setItem(r, c, cas);
        }
    }
    itemsEleve_->resizeColumnsToContents();
}

void Enseignant::montrerAttente(int lignes, bool joignable)
{
    QString t;
    if (!joignable)
        t = QStringLiteral("Le dossier de la classe est hors d'atteinte (%1) : le tableau montre ce qui a été lu avant.")
                .arg(lieux_.classe);
    if (lignes > 0)
        t += (t.isEmpty() ? QString() : QStringLiteral(" "))
             + QStringLiteral("%1 réponse(s) de cet ordinateur en attente d'envoi.").arg(lignes);
    attente_->setText(t);
    attente_->setVisible(!t.isEmpty());
}

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
    statusBar()->showMessage(QStringLiteral("Rapport en cours…"));
    lecteur_->lancer(
        [l = lieux_, f] {
            QString erreur;
            return ecrireRapport(l, f, &erreur) ? QString() : erreur;
        },
        [this, titre, f](const QString& erreur) {
            statusBar()->clearMessage();
            if (!erreur.isEmpty()) {
                QMessageBox::warning(this, titre, erreur);
                return;
            }
            // The PDF reader prints it.
            QDesktopServices::openUrl(QUrl::fromLocalFile(f));
        });
}

void Enseignant::reglerClasse()
{
    const QString racine = lieux_.classe;
    if (racine.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Réglages de la classe"),
                                 QStringLiteral("Ces réglages se gardent dans un dossier de classe : "
                                                "lancez Klepsos avec --classe DOSSIER, ou réglez « classe » "
                                                "dans klepsos.conf."));
        return;
    }
    const QString titre = QStringLiteral("Réglages de la classe");
    if (!dossierRepond(titre))
        return;
    lecteur_->lancer([racine] { return classe::reglagesClasse(racine); },
                     [this, racine, titre](const classe::Reglages& lus) { modifierReglages(racine, titre, lus); });
}

void Enseignant::modifierReglages(const QString& racine, const QString& titre, classe::Reglages r)
{
    QDialog d(this);
    d.setObjectName(QStringLiteral("reglages_classe"));
    d.setWindowTitle(titre);
    auto* f = new QFormLayout(&d);
    auto* sons = new QCheckBox(QStringLiteral("Couper les sons sur tous les ordinateurs"));
    sons->setObjectName(QStringLiteral("sons_coupes"));
    sons->setChecked(r.sonsCoupes);
    auto* sortie = new QComboBox;
    sortie->setObjectName(QStringLiteral("sortie"));
    sortie->addItems({QStringLiteral("Un clic suffit"), QStringLiteral("Garder le doigt appuyé"),
                      QStringLiteral("Cachée")});
    sortie->setCurrentIndex(int(r.sortie));
    auto* aiguille = new QCheckBox(QStringLiteral("L'aiguille des heures avance avec les minutes, comme sur une vraie horloge"));
    aiguille->setObjectName(QStringLiteral("aiguille_heures_reelle"));
    aiguille->setChecked(r.aiguilleHeuresReelle);
    // The class's year, and a second one for a mixed class.
    const auto choixAnnee = [](const char* nom, const QString& aucune, std::optional<programme::Annee> a) {
        auto* c = new QComboBox;
        c->setObjectName(QString::fromLatin1(nom));
        c->addItem(aucune);
        for (programme::Annee x : programme::annees)
            c->addItem(programme::nomAnnee(x));
        c->setCurrentIndex(a ? int(*a) + 1 : 0);
        return c;
    };
    auto* annee = choixAnnee("annee", QStringLiteral("Toutes les années"),
                             r.annees.isEmpty() ? std::nullopt : std::optional(r.annees.first()));
    auto* annee2 = choixAnnee("annee2", QStringLiteral("Aucune"),
                              r.annees.size() > 1 ? std::optional(r.annees.last()) : std::nullopt);
    auto* adaptes = new QCheckBox(QStringLiteral("Les niveaux suivent chaque élève (plus difficiles après une série "
                                                 "de réussites, plus faciles après des erreurs répétées)"));
    adaptes->setObjectName(QStringLiteral("niveaux_adaptes"));
    adaptes->setChecked(r.niveauxAdaptes);
    // The voice is apart from the sounds: a class may want one without the other.
    auto* voix = new QCheckBox(QStringLiteral("Couper la voix qui lit les consignes"));
    voix->setObjectName(QStringLiteral("voix_coupee"));
    voix->setChecked(r.voixCoupee);
    auto* lecture = new QCheckBox(QStringLiteral("Lire à voix haute chaque consigne et chaque correction"));
    lecture->setObjectName(QStringLiteral("lecture_auto"));
    lecture->setChecked(r.lectureAuto);
    f->addRow(sons);
    f->addRow(QStringLiteral("Le bouton « SORTIE » :"), sortie);
    f->addRow(aiguille);
    f->addRow(QStringLiteral("Année de la classe :"), annee);
    f->addRow(QStringLiteral("Seconde année (classe à double niveau) :"), annee2);
    f->addRow(adaptes);
    f->addRow(voix);
    f->addRow(lecture);
    f->addRow(boutonsOkAnnuler(d));
    if (d.exec() != QDialog::Accepted)
        return;
    r.sonsCoupes = sons->isChecked();
    r.sortie = classe::Sortie(sortie->currentIndex());
    r.aiguilleHeuresReelle = aiguille->isChecked();
    r.niveauxAdaptes = adaptes->isChecked();
    r.annees.clear();
    for (const QComboBox* c : {annee, annee2})
        if (c->currentIndex() > 0 && !r.annees.contains(programme::annees[size_t(c->currentIndex() - 1)]))
            r.annees << programme::annees[size_t(c->currentIndex() - 1)];
    std::sort(r.annees.begin(), r.annees.end());
    r.voixCoupee = voix->isChecked();
    r.lectureAuto = lecture->isChecked();
    lecteur_->lancer([racine, r] { return classe::enregistrerReglages(racine, r); }, [this, titre](bool fait) {
        if (!fait)
            QMessageBox::warning(this, titre, texteResultat(classe::Resultat::Echec, {}));
        else
            statusBar()->showMessage(QStringLiteral("Réglages enregistrés : chaque ordinateur les suit à son prochain démarrage."), 5000);
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "enseignant.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QDeadlineTimer>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "board/tableau.h"
#include "classroom/envoiclasse.h"
#include "common/randomsource.h"
#include "classroom/filpartage.h"
#include "classroom/sonde.h"
#include "dessins.h"
#include "guide.h"
#include "modeleclasse.h"
#include "modeleprogramme.h"
#include "pageeleve.h"
#include "travailsemaine.h"
#include "players/bilan.h"
#include "voice/modulevoix.h"

namespace {

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

    page_ = new PageEleve;

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
    travail_ = new PageTravail;
    onglets_->addTab(travail_, QStringLiteral("Travail de la semaine"));
    connect(travail_, &PageTravail::enregistrer, this, &Enseignant::enregistrerTravail);

    auto* haut = new QWidget;
    auto* lh = new QVBoxLayout(haut);
    lh->setContentsMargins(0, 0, 0, 0);
    lh->addWidget(silence_);
    lh->addWidget(attente_);
    lh->addWidget(postes_);
    lh->addWidget(onglets_);
    auto* centre = new QSplitter(Qt::Vertical);
    centre->addWidget(haut);
    centre->addWidget(page_);
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
    // The week's work after the class's first read, which the table waits for.
    if (l.classe.isEmpty())
        travail_->setSansClasse(QStringLiteral("Le travail de la semaine se donne dans un dossier de classe : lancez Klepsos "
                                               "avec --classe DOSSIER, ou réglez « classe » dans klepsos.conf."));
    else
        lireTravail();
    resize(1200, 760);
}

void Enseignant::ouvrirTableau()
{
    if (!auTableau_) {
        reglagesTableau_ = std::make_unique<QSettings>(QStringLiteral("klepsos"), QStringLiteral("klepsos"));
        hasardTableau_ = std::make_unique<SystemRandom>();
        if (!programmeVoix_.isEmpty()) {
            voixTableau_ = std::make_unique<ModuleVoix>(programmeVoix_);
            QTimer::singleShot(0, voixTableau_.get(), &Voix::charger);
        }
        auTableau_ = new Tableau(*reglagesTableau_, *hasardTableau_, voixTableau_.get());
        auTableau_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    // A board beside the teacher's screen is another screen.
    QScreen* ecran = screen();
    for (QScreen* s : QGuiApplication::screens())
        if (s != screen()) {
            ecran = s;
            break;
        }
    auTableau_->setScreen(ecran);
    auTableau_->setGeometry(ecran->geometry());
    auTableau_->showFullScreen();
    auTableau_->raise();
    auTableau_->activateWindow();
}

Enseignant::~Enseignant()
{
    delete auTableau_;
    if (voixTableau_)
        voixTableau_->finir(300);
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
    eleves->addSeparator();
    eleves->addAction(action("annee_eleve", QStringLiteral("A&nnée de l'élève…"), {}, &Enseignant::choisirAnneeEleve));
    eleves->addAction(action("montrer_retires", QStringLiteral("Élèves retirés…"), {}, &Enseignant::montrerRetires));
    barre->addSeparator();
    QMenu* classeMenu = menuBar()->addMenu(QStringLiteral("&Classe"));
    for (QAction* a : {action("exporter", QStringLiteral("&Exporter en CSV…"), QKeySequence(QStringLiteral("Ctrl+E")), &Enseignant::exporterCsv),
                       action("exporter_positionnement", QStringLiteral("Exporter le &positionnement…"), QKeySequence(QStringLiteral("Ctrl+Shift+E")), &Enseignant::exporterPositions),
                       action("rapport", QStringLiteral("Rapport à &imprimer (PDF)…"), QKeySequence::Print, &Enseignant::enregistrerRapport),
                       action("imprimer_fiches", QStringLiteral("Fic&hes à imprimer (PDF)…"), QKeySequence(QStringLiteral("Ctrl+Shift+P")), &Enseignant::imprimerFiches),
                       action("reglages", QStringLiteral("Réglages de la &classe…"), QKeySequence(QStringLiteral("Ctrl+,")), &Enseignant::reglerClasse)}) {
        classeMenu->addAction(a);
        barre->addAction(a);
    }
    classeMenu->addAction(action("code", QStringLiteral("C&ode de l'espace enseignant…"), {}, &Enseignant::changerCode));
    classeMenu->addAction(action("fin_annee", QStringLiteral("Fin d'a&nnée…"), {}, &Enseignant::finDAnnee));
    // The board, for the whole class: a button of its own in the bar.
    auto* auTableau = action("au_tableau", QStringLiteral("Au &tableau"), QKeySequence(QStringLiteral("Ctrl+T")),
                             &Enseignant::ouvrirTableau);
    classeMenu->addAction(auTableau);
    barre->addSeparator();
    barre->addAction(auTableau);
    classeMenu->addSeparator();
    classeMenu->addAction(action("actualiser", QStringLiteral("&Actualiser"), QKeySequence::Refresh, &Enseignant::actualiser));
    auto* fermer = classeMenu->addAction(QStringLiteral("&Fermer"), QKeySequence::Close, this, &QWidget::close);
    fermer->setObjectName(QStringLiteral("fermer"));
    QMenu* aide = menuBar()->addMenu(QStringLiteral("A&ide"));
    auto* guide = aide->addAction(QStringLiteral("&Guide de l'enseignant"), QKeySequence::HelpContents, this,
                                  [this] { montrerGuide(this, guide_); });
    guide->setObjectName(QStringLiteral("aide"));
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
    QList<Joueur> enfants;
    for (const ResumeEnfant& e : std::as_const(resume_.enfants))
        enfants << e.enfant;
    travail_->setEnfants(enfants);
    const int n = int(resume_.enfants.size());
    QString etat = n == 0 ? QStringLiteral("Aucun élève : ajoutez-en avec « Ajouter un élève ».")
                          : nombreEleves(n);
    // What the folder holds that is not ours or is damaged, read past.
    if (resume_.ignores > 0)
        etat += QStringLiteral(" — %1 ligne(s) ou fichier(s) illisible(s) laissé(s) de côté").arg(resume_.ignores);
    statusBar()->showMessage(etat);
    const QString annees = resume_.annees.isEmpty() ? QString() : classe::ecrireAnnees(resume_.annees).replace(QLatin1Char(','), QStringLiteral(" et ")) + QStringLiteral(" — ");
    setWindowTitle(lieux_.classe.isEmpty() ? QStringLiteral("Klepsos — Espace enseignant")
                                           : QStringLiteral("Klepsos — Espace enseignant — %1%2").arg(annees, lieux_.classe));
    if (!lieux_.classe.isEmpty() && resume_.annees.isEmpty() && !anneeDemandee_) {
        anneeDemandee_ = true;
        QTimer::singleShot(0, this, [this] {
            reglerClasseAvec(QStringLiteral("Cette classe n'a pas encore d'année. Choisissez-la : « Mon entraînement » "
                                            "et le positionnement suivent le programme de cette année."));
        });
    }
    postes_->setText(texteEtatsPostes(resume_.postes));
    postes_->setVisible(!postes_->text().isEmpty());
    if (!cle.isEmpty() && cle == cleMontree_)
        montrerEnfant(cle);
}

QString Enseignant::cleChoisie() const
{
    // The child chosen in the table on view; both list the children in the
    // class list's order.
    const bool programme = onglets_->currentWidget() != tableau_;
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
        page_->vider();
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
    page_->montrer(*it, d, resume_.items());
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


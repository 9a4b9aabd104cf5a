// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichesaimprimer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QUrl>

#include "calendar/questions.h"
#include "classroom/enfant.h"
#include "classroom/filpartage.h"
#include "classroom/travail.h"
#include "common/randomsource.h"
#include "dialogues.h"
#include "enseignant.h"
#include "worksheets/papier.h"

namespace {

constexpr int premierNumero = 1000;
constexpr int numerosPossibles = 9000;

QList<int> itemsDuTravail(const classe::Travail& t, const QString& cle, QDate jour)
{
    QList<int> items;
    if (const auto c = classe::consignePour(t, cle, jour))
        for (const QString& id : c->items)
            if (const int i = programme::indexItem(id); i >= 0)
                items << i;
    return items;
}

}  // namespace

fiches::QuestionMois questionDuMois(RandomSource& hasard, int niveau, QDate mois)
{
    const cal::Question q = cal::page(hasard, niveau, mois);
    return {cal::enonceSurPapier(q), cal::ecrire(q, q.attendue)};
}

bool ecrireFiche(const fiches::Choix& c, const QString& fichier, QString* erreur)
{
    return papier::ecrirePdf(fiches::fiche(c, questionDuMois), fichier, erreur);
}

bool ecrireFichesEleves(const Lieux& lieux, const ResumeClasse& r, const QStringList& cles, int parPage, int numero,
                        const QString& fichier, QString* erreur)
{
    if (!classeJoignable(lieux, erreur))
        return false;
    const classe::Travail travail = classe::travailSuivi(lieux.classe, lieux.local);
    const QDate aujourdhui = QDate::currentDate();
    QList<fiches::Page> pages;
    for (const ResumeEnfant& e : r.enfants) {
        if (!cles.isEmpty() && !cles.contains(e.enfant.cle))
            continue;
        QList<programme::Annee> annees = classe::anneeEnfant(classe::dossierEnfant(lieux.racine(), e.enfant.cle), lieux.racine());
        if (annees.isEmpty())
            annees = r.annees;
        pages << fiches::pagePour({e.enfant.nom, e.position, annees, itemsDuTravail(travail, e.enfant.cle, aujourdhui)},
                                  parPage, numero, questionDuMois);
    }
    if (pages.isEmpty()) {
        *erreur = QStringLiteral("Aucun élève choisi : aucune fiche à écrire.");
        return false;
    }
    return papier::ecrirePdf(pages, fichier, erreur);
}

bool ecrireFichesEleves(const Lieux& lieux, const QStringList& prenoms, int parPage, int numero, const QString& fichier,
                        QString* erreur)
{
    if (!classeJoignable(lieux, erreur))
        return false;
    SuiviClasse suivi(lieux);
    suivi.actualiser();
    QStringList cles;
    for (const QString& p : prenoms) {
        const QString cle = cleJoueur(p);
        const auto& enfants = suivi.resume().enfants;
        if (std::none_of(enfants.begin(), enfants.end(), [&cle](const ResumeEnfant& e) { return e.enfant.cle == cle; })) {
            *erreur = QStringLiteral("Élève inconnu dans la classe : %1").arg(p);
            return false;
        }
        cles << cle;
    }
    return ecrireFichesEleves(lieux, suivi.resume(), cles, parPage, numero, fichier, erreur);
}

int numeroAuHasard(RandomSource& hasard)
{
    return tirage(hasard, numerosPossibles, premierNumero);
}

DialogueFiches::DialogueFiches(const QList<Joueur>& enfants, int numero, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fiches"));
    setWindowTitle(QStringLiteral("Fiches à imprimer"));
    auto* f = new QFormLayout(this);
    const auto nommer = [](QWidget* w, const char* nom) {
        w->setObjectName(QString::fromLatin1(nom));
        return w;
    };
    pourQui_ = new QComboBox;
    nommer(pourQui_, "pour_qui");
    pourQui_->addItems({QStringLiteral("Une fiche pour toute la classe"), QStringLiteral("Une fiche par élève")});
    f->addRow(QStringLiteral("&Pour :"), pourQui_);
    genre_ = new QComboBox;
    nommer(genre_, "genre");
    for (fiches::Genre g : fiches::genres)
        genre_->addItem(fiches::nomGenre(g), fiches::cleGenre(g));
    f->addRow(QStringLiteral("&Exercice :"), genre_);
    niveau_ = new QComboBox;
    nommer(niveau_, "niveau");
    f->addRow(QStringLiteral("&Niveau :"), niveau_);
    enMots_ = new QCheckBox(QStringLiteral("Heures écrites en &lettres (« trois heures et quart »)"));
    nommer(enMots_, "en_mots");
    f->addRow(enMots_);
    parPage_ = new QComboBox;
    nommer(parPage_, "par_page");
    for (int n : fiches::parPageAutorises)
        parPage_->addItem(QString::number(n), n);
    parPage_->setCurrentIndex(1);
    f->addRow(QStringLiteral("Exercices par p&age :"), parPage_);
    pages_ = new QSpinBox;
    nommer(pages_, "pages");
    pages_->setRange(1, fiches::pagesMax);
    f->addRow(QStringLiteral("Nombre de pa&ges :"), pages_);
    numero_ = new QSpinBox;
    nommer(numero_, "numero");
    numero_->setRange(1, 99999);
    numero_->setValue(numero);
    numero_->setToolTip(QStringLiteral("Le même numéro et les mêmes choix redonnent la même fiche."));
    f->addRow(QStringLiteral("Fiche &n° :"), numero_);
    eleves_ = new QListWidget;
    nommer(eleves_, "eleves");
    for (const Joueur& j : enfants) {
        auto* i = new QListWidgetItem(j.nom, eleves_);
        i->setData(Qt::UserRole, j.cle);
        i->setCheckState(Qt::Checked);
    }
    f->addRow(QStringLiteral("É&lèves :"), eleves_);
    aide_ = new QLabel;
    nommer(aide_, "aide_fiches");
    aide_->setWordWrap(true);
    f->addRow(aide_);
    QDialogButtonBox* boutons = boutonsOkAnnuler(*this);
    QPushButton* ok = boutons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("&Enregistrer le PDF…"));
    ok->setObjectName(QStringLiteral("enregistrer_fiches"));
    ok->setDefault(true);
    f->addRow(boutons);
    connect(genre_, &QComboBox::currentIndexChanged, this, &DialogueFiches::genreChange);
    for (QComboBox* c : {pourQui_, niveau_, parPage_})
        connect(c, &QComboBox::currentIndexChanged, this, &DialogueFiches::ajuster);
    genreChange();
}

void DialogueFiches::genreChange()
{
    const fiches::Genre g = *fiches::genreDepuisCle(genre_->currentData().toString());
    const QString avant = niveau_->currentData().toString();
    {
        const QSignalBlocker bloque(niveau_);
        niveau_->clear();
        for (const QString& cle : fiches::clesNiveaux(g))
            niveau_->addItem(fiches::nomNiveau(g, cle), cle);
        const int garde = niveau_->findData(avant);
        // Quarter hours first: the level most sheets are printed at.
        niveau_->setCurrentIndex(garde >= 0 ? garde : std::max(0, niveau_->findData(QStringLiteral("quarts"))));
    }
    ajuster();
}

void DialogueFiches::ajuster()
{
    const bool eleve = parEleve();
    const fiches::Choix c = choix();
    for (QWidget* w : std::initializer_list<QWidget*>{genre_, niveau_, enMots_, pages_})
        w->setEnabled(!eleve);
    enMots_->setEnabled(!eleve && c.genre == fiches::Genre::Dessiner && c.niveau != QLatin1String("secondes"));
    eleves_->setEnabled(eleve);
    const int possibles = fiches::pagesPossibles({c.genre, c.niveau, c.enMots, c.parPage, fiches::pagesMax, c.numero});
    pages_->setMaximum(possibles);
    QStringList aide;
    if (eleve)
        aide << QStringLiteral("Une page par élève, sur ce que son positionnement demande ensuite (le travail de la "
                               "semaine d'abord), puis les corrigés. Deux horloges ou une page de calendrier "
                               "demandent 4 ou 6 exercices par page.");
    else if (fiches::parPagePour(c.genre, c.parPage) != c.parPage)
        aide << QStringLiteral("Cet exercice tient à %1 par page au plus.").arg(fiches::parPagePour(c.genre, c.parPage));
    if (!eleve && possibles < fiches::pagesMax)
        aide << (possibles == 1 ? QStringLiteral("À ce niveau, 1 page au plus sans deux exercices pareils.")
                                : QStringLiteral("À ce niveau, %1 pages au plus sans deux exercices pareils.").arg(possibles));
    aide_->setText(aide.join(QLatin1Char(' ')));
}

bool DialogueFiches::parEleve() const
{
    return pourQui_->currentIndex() == 1;
}

fiches::Choix DialogueFiches::choix() const
{
    fiches::Choix c;
    c.genre = fiches::genreDepuisCle(genre_->currentData().toString()).value_or(fiches::Genre::Lire);
    c.niveau = niveau_->currentData().toString();
    c.enMots = enMots_->isChecked();
    c.parPage = parPage_->currentData().toInt();
    c.pages = pages_->value();
    c.numero = numero_->value();
    return c;
}

QStringList DialogueFiches::cles() const
{
    QStringList l;
    for (int i = 0; i < eleves_->count(); ++i)
        if (eleves_->item(i)->checkState() == Qt::Checked)
            l << eleves_->item(i)->data(Qt::UserRole).toString();
    return l;
}

void Enseignant::imprimerFiches()
{
    const QString titre = QStringLiteral("Fiches à imprimer");
    QList<Joueur> enfants;
    for (const ResumeEnfant& e : resume_.enfants)
        enfants << e.enfant;
    SystemRandom hasard;
    DialogueFiches d(enfants, numeroAuHasard(hasard), this);
    if (d.exec() != QDialog::Accepted)
        return;
    const bool parEleve = d.parEleve();
    const QStringList cles = d.cles();
    if (parEleve && cles.isEmpty()) {
        QMessageBox::information(this, titre, QStringLiteral("Cochez au moins un élève."));
        return;
    }
    if (!dossierRepond(titre))
        return;
    const fiches::Choix c = d.choix();
    const QString nom = parEleve ? QStringLiteral("fiches-eleves-%1.pdf").arg(c.numero)
                                 : QStringLiteral("fiche-%1-%2.pdf").arg(fiches::cleGenre(c.genre)).arg(c.numero);
    const QString f = choisirFichier(this, titre, nom, QStringLiteral("PDF (*.pdf)"));
    if (f.isEmpty())
        return;
    ecrirePuisOuvrir(titre, QStringLiteral("Fiches en cours…"), f, [l = lieux_, r = resume_, parEleve, cles, c, f] {
        QString erreur;
        const bool ecrit = parEleve ? ecrireFichesEleves(l, r, cles, c.parPage, c.numero, f, &erreur)
                                    : ecrireFiche(c, f, &erreur);
        return ecrit ? QString() : erreur;
    });
}

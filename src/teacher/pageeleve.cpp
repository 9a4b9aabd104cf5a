// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageeleve.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dessins.h"
#include "players/bilan.h"

namespace {

// A read-only table of a few columns, sized to its contents.
QTableWidget* tableau(const char* nom, const QString& nomAccessible, const QStringList& titres)
{
    auto* t = new QTableWidget(0, int(titres.size()));
    t->setObjectName(QString::fromLatin1(nom));
    t->setAccessibleName(nomAccessible);
    t->setHorizontalHeaderLabels(titres);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(false);
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

PageEleve::PageEleve(QWidget* parent)
    : QWidget(parent),
      titre_(new QLabel),
      graphique_(new GraphiqueProgres),
      aTravailler_(new QLabel),
      // The level before the item's long title, so that it shows in a narrow pane.
      items_(tableau("items_eleve", QStringLiteral("Son positionnement"),
                     {QStringLiteral("Année"), QStringLiteral("Niveau"), QStringLiteral("Attendu")})),
      erreurs_(tableau("erreurs", QStringLiteral("Ses erreurs"),
                       {QStringLiteral("Quand"), QStringLiteral("Activité"), QStringLiteral("Question"),
                        QStringLiteral("Sa réponse"), QStringLiteral("La bonne réponse")}))
{
    setObjectName(QStringLiteral("eleve"));
    titre_->setObjectName(QStringLiteral("titre_eleve"));
    QFont gras = titre_->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    titre_->setFont(gras);
    aTravailler_->setObjectName(QStringLiteral("a_travailler"));
    aTravailler_->setWordWrap(true);

    auto* gauche = new QWidget;
    auto* lg = new QVBoxLayout(gauche);
    lg->setContentsMargins(0, 0, 0, 0);
    lg->addWidget(titre_);
    lg->addWidget(graphique_, 1);
    lg->addWidget(aTravailler_);
    auto* bas = new QSplitter(Qt::Horizontal);
    bas->addWidget(gauche);
    bas->addWidget(items_);
    bas->addWidget(erreurs_);
    bas->setStretchFactor(0, 2);
    bas->setStretchFactor(1, 2);
    bas->setStretchFactor(2, 3);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(bas);
    vider();
}

void PageEleve::vider()
{
    titre_->setText(QStringLiteral("Choisissez un élève dans le tableau."));
    graphique_->setSemaines({});
    aTravailler_->clear();
    erreurs_->setRowCount(0);
    items_->setRowCount(0);
}

void PageEleve::montrer(const ResumeEnfant& e, const DetailEnfant& d, const QList<int>& items)
{
    items_->setRowCount(int(items.size()));
    for (int r = 0; r < items.size(); ++r) {
        const programme::Item& item = programme::items()[size_t(items[r])];
        const programme::Position p = e.position.position(items[r]);
        const QStringList cases{programme::nomAnnee(item.annee), texteAcquisCompte(p), QString::fromUtf8(item.titre)};
        for (int c = 0; c < cases.size(); ++c) {
            auto* cas = new QTableWidgetItem(cases[c]);
            if (c == 1)
                cas->setBackground(couleurAcquis(p.acquis));
            items_->setItem(r, c, cas);
        }
    }
    items_->resizeColumnsToContents();

    const Compte t = e.total();
    const QString annee = d.annees.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(classe::ecrireAnnees(d.annees));
    titre_->setText(QStringLiteral("%1%2 — %3 réponses justes sur %4").arg(e.enfant.nom, annee).arg(t.justes).arg(t.total));
    graphique_->setSemaines(d.semaines);
    QStringList titres;
    for (const QString& a : d.aTravailler)
        titres << titreActivite(a);
    aTravailler_->setText(titres.isEmpty() ? QStringLiteral("À travailler : rien de particulier.")
                                           : QStringLiteral("À travailler : %1.").arg(titres.join(QStringLiteral(", "))));
    const QLocale fr(QLocale::French, QLocale::France);
    erreurs_->setRowCount(int(d.erreurs.size()));
    for (int i = 0; i < d.erreurs.size(); ++i) {
        const LigneHistorique& l = d.erreurs[i];
        const QStringList cases{fr.toString(l.quand, QStringLiteral("dd/MM/yyyy HH:mm")), titreActivite(l.activite),
                                l.question, l.reponse, l.attendue};
        for (int c = 0; c < cases.size(); ++c)
            erreurs_->setItem(i, c, new QTableWidgetItem(cases[c]));
    }
    erreurs_->resizeColumnsToContents();
}

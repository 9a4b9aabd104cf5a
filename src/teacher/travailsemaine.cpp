// SPDX-License-Identifier: GPL-3.0-or-later
#include "travailsemaine.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/texte.h"
#include "programme/carte.h"
#include "resume.h"

namespace {

constexpr int roleId = Qt::UserRole;

}  // namespace

PageTravail::PageTravail(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("travail"));
    pour_ = new QComboBox;
    pour_->setObjectName(QStringLiteral("travail_pour"));
    pour_->setAccessibleName(QStringLiteral("Pour"));
    pour_->addItem(QStringLiteral("Toute la classe"), QString());
    debut_ = new QDateEdit(lundiDe(QDate::currentDate()));
    debut_->setObjectName(QStringLiteral("travail_debut"));
    debut_->setAccessibleName(QStringLiteral("À partir du"));
    debut_->setCalendarPopup(true);
    debut_->setLocale(QLocale(QLocale::French, QLocale::France));
    debut_->setDisplayFormat(QStringLiteral("dddd d MMMM yyyy"));
    items_ = new QTreeWidget;
    items_->setObjectName(QStringLiteral("travail_items"));
    items_->setAccessibleName(QStringLiteral("Les attendus du programme"));
    items_->setHeaderHidden(true);
    for (programme::Annee a : programme::annees) {
        auto* annee = new QTreeWidgetItem(items_, {programme::nomAnnee(a)});
        annee->setFlags(Qt::ItemIsEnabled);
        for (const programme::Item& i : programme::items())
            if (i.annee == a) {
                auto* l = new QTreeWidgetItem(annee, {QString::fromUtf8(i.titre)});
                l->setData(0, roleId, QString::fromLatin1(i.id));
                l->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
                l->setCheckState(0, Qt::Unchecked);
            }
    }
    items_->expandAll();
    enregistrer_ = new QPushButton(QStringLiteral("Enregistrer"));
    enregistrer_->setObjectName(QStringLiteral("travail_enregistrer"));
    enregistrer_->setEnabled(false);
    etat_ = new QLabel;
    etat_->setObjectName(QStringLiteral("travail_etat"));
    etat_->setWordWrap(true);
    etat_->setText(QStringLiteral("Lecture du travail de la classe…"));

    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Pour :"), pour_);
    formulaire->addRow(QStringLiteral("À partir du :"), debut_);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(new QLabel(QStringLiteral("Cochez les attendus à travailler pendant une semaine. Chaque séance "
                                           "« Mon entraînement » des élèves commence par elles.")));
    l->addLayout(formulaire);
    l->addWidget(items_, 1);
    l->addWidget(etat_);
    l->addWidget(enregistrer_, 0, Qt::AlignRight);

    connect(pour_, &QComboBox::currentIndexChanged, this, &PageTravail::montrerCible);
    connect(enregistrer_, &QPushButton::clicked, this, [this] {
        if (connu_)
            emit enregistrer(changement());
    });
}

void PageTravail::setEnfants(const QList<Joueur>& enfants)
{
    QList<Joueur> avant;
    for (int i = 1; i < pour_->count(); ++i)
        avant.append({pour_->itemData(i).toString(), pour_->itemText(i)});
    if (avant == enfants)
        return;
    const QString choisi = cible();
    const QSignalBlocker silence(pour_);
    while (pour_->count() > 1)
        pour_->removeItem(1);
    for (const Joueur& j : enfants)
        pour_->addItem(j.nom, j.cle);
    pour_->setCurrentIndex(std::max(0, pour_->findData(choisi)));
}

void PageTravail::setTravail(const classe::Travail& t)
{
    travail_ = t;
    connu_ = true;
    enregistrer_->setEnabled(true);
    montrerCible();
}

void PageTravail::setTravailInconnu(const QString& message)
{
    connu_ = false;
    enregistrer_->setEnabled(false);
    etat_->setText(message);
}

QString PageTravail::cible() const
{
    return pour_->currentData().toString();
}

void PageTravail::montrerCible()
{
    if (!connu_)
        return;
    const QString c = cible();
    const std::optional<classe::Consigne> consigne =
        c.isEmpty() ? travail_.classe
                    : (travail_.enfants.contains(c) ? std::optional(travail_.enfants.value(c)) : std::nullopt);
    const QDate aujourdhui = QDate::currentDate();
    const QDate fin = consigne ? consigne->debut.addDays(classe::joursTravail - 1) : QDate();
    // Work already over is given again from this week, not from its old date.
    debut_->setDate(consigne && fin >= aujourdhui ? consigne->debut : lundiDe(aujourdhui));
    for (int a = 0; a < items_->topLevelItemCount(); ++a)
        for (int i = 0; i < items_->topLevelItem(a)->childCount(); ++i) {
            QTreeWidgetItem* l = items_->topLevelItem(a)->child(i);
            l->setCheckState(0, consigne && consigne->items.contains(l->data(0, roleId).toString()) ? Qt::Checked
                                                                                                    : Qt::Unchecked);
        }
    const QLocale fr(QLocale::French, QLocale::France);
    etat_->setText(!consigne ? (c.isEmpty() ? QStringLiteral("Aucun travail donné à la classe.")
                                            : QStringLiteral("Aucun travail donné à cet élève : il suit celui de la classe."))
                             : QStringLiteral("%1 du %2 au %3.")
                                   .arg(fin < aujourdhui ? QStringLiteral("Travail terminé,") : QStringLiteral("Travail"),
                                        texte::jourMois(consigne->debut, false), texte::jourMois(fin, true)));
}

classe::ChangementTravail PageTravail::changement() const
{
    classe::Consigne consigne{debut_->date(), {}};
    for (int a = 0; a < items_->topLevelItemCount(); ++a)
        for (int i = 0; i < items_->topLevelItem(a)->childCount(); ++i)
            if (items_->topLevelItem(a)->child(i)->checkState(0) == Qt::Checked)
                consigne.items << items_->topLevelItem(a)->child(i)->data(0, roleId).toString();
    // Nothing ticked: taken off (a child follows the class's work again).
    return {cible(), consigne.items.isEmpty() ? std::nullopt : std::optional(consigne)};
}

void PageTravail::setSansClasse(const QString& message)
{
    setEnabled(false);
    etat_->setText(message);
}

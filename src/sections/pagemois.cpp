// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagemois.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "common/calendrier.h"
#include "ui/style.h"

namespace {

constexpr int colonnes = 7;
constexpr int lignes = 6;
const QColor fondJour(255, 255, 255);
const QColor fondWeekEnd(236, 242, 255);
const QColor fondChoisi(255, 214, 255);
const QColor fondBon(210, 245, 210);
const QColor fondFaux(255, 215, 215);
// What a screen reader hears of a day beside its name.
const QString ditChoisi = QStringLiteral("choisi");
const QString ditBon = QStringLiteral("la bonne réponse");

}  // namespace

PageMois::PageMois(QWidget* parent) : QTableWidget(lignes, colonnes, parent)
{
    setObjectName(QStringLiteral("page_mois"));
    // The two letters French calendars print over their columns.
    QStringList entetes;
    for (int j = 1; j <= colonnes; ++j)
        entetes << calendrier::nomJour(j).left(2);
    setHorizontalHeaderLabels(entetes);
    for (int j = 0; j < colonnes; ++j)
        horizontalHeaderItem(j)->setData(Qt::AccessibleTextRole, calendrier::nomJour(j + 1));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setFont(uiFont(taille::p8));
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFont(uiFont(taille::p8));
    setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the page for the next control; the arrows move in it.
    setTabKeyNavigation(false);
    setGridStyle(Qt::SolidLine);
    connect(this, &QTableWidget::cellClicked, this, [this](int l, int c) {
        if (const QTableWidgetItem* i = QTableWidget::item(l, c); i && (i->flags() & Qt::ItemIsEnabled))
            choisir(i->data(Qt::UserRole).toInt());
    });
}

void PageMois::montrer(QDate premier)
{
    premier_ = premier;
    choisi_ = 0;
    const std::array<QDate, 42> page = calendrier::pageMois(premier);
    const int utiles = calendrier::semaines(premier);
    setAccessibleName(QStringLiteral("Calendrier de ") + calendrier::nomMois(premier.month()) + QLatin1Char(' ')
                      + QString::number(premier.year()));
    for (int k = 0; k < lignes * colonnes; ++k) {
        const QDate d = page[size_t(k)];
        auto* i = new QTableWidgetItem;
        i->setTextAlignment(Qt::AlignCenter);
        if (d.month() == premier.month()) {
            // "1er", its letters raised, fits the cell as the other days do.
            i->setText(d.day() == 1 ? QStringLiteral("1\u1D49\u02B3") : QString::number(d.day()));
            i->setData(Qt::UserRole, d.day());
            i->setData(Qt::AccessibleTextRole, calendrier::dateComplete(d));
            i->setBackground(d.dayOfWeek() >= 6 ? fondWeekEnd : fondJour);
            i->setForeground(couleur::noir);
            i->setFlags(Qt::ItemIsEnabled);
        } else {
            i->setFlags(Qt::NoItemFlags);
        }
        setItem(k / colonnes, k % colonnes, i);
    }
    // Four to six weeks: the rows the month does not use are not shown.
    for (int l = 0; l < lignes; ++l)
        setRowHidden(l, l >= utiles);
    setCurrentCell(0, premier.dayOfWeek() - 1);
}

void PageMois::setPressable(bool oui)
{
    pressable_ = oui;
    setCursor(oui ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QTableWidgetItem* PageMois::cellule(int jour) const
{
    const int k = premier_.dayOfWeek() - 1 + jour - 1;
    return QTableWidget::item(k / colonnes, k % colonnes);
}

void PageMois::peindre(int jour, const QColor& fond, const QColor& texte, const QString& dit)
{
    if (QTableWidgetItem* i = cellule(jour)) {
        i->setBackground(fond);
        i->setForeground(texte);
        const QString nom = calendrier::dateComplete(premier_.addDays(jour - 1));
        i->setData(Qt::AccessibleTextRole, dit.isEmpty() ? nom : nom + QStringLiteral(", ") + dit);
    }
}

void PageMois::choisir(int jour)
{
    if (!pressable_ || jour < 1 || jour > premier_.daysInMonth())
        return;
    if (choisi_ > 0)
        peindre(choisi_, premier_.addDays(choisi_ - 1).dayOfWeek() >= 6 ? fondWeekEnd : fondJour, couleur::noir, {});
    choisi_ = jour;
    peindre(jour, fondChoisi, couleur::magenta, ditChoisi);
    const int k = premier_.dayOfWeek() - 1 + jour - 1;
    setCurrentCell(k / colonnes, k % colonnes);
    emit jourChoisi(jour);
}

void PageMois::montrerVerdict(int bon, int donne)
{
    if (donne > 0 && donne != bon)
        peindre(donne, fondFaux, couleur::rouge, ditChoisi);
    peindre(bon, fondBon, couleur::violet, ditBon);
}

void PageMois::keyPressEvent(QKeyEvent* e)
{
    const bool presse = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (presse && currentItem() && (currentItem()->flags() & Qt::ItemIsEnabled)) {
        choisir(currentItem()->data(Qt::UserRole).toInt());
        e->accept();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

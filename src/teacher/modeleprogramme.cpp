// SPDX-License-Identifier: GPL-3.0-or-later
#include "modeleprogramme.h"

#include <QBrush>

#include "dessins.h"
#include "modeleclasse.h"

namespace {
// An item's title is longer than an activity's: wider lines.
constexpr qsizetype largeurTitreItem = 22;
}  // namespace

ModeleProgramme::ModeleProgramme(QObject* parent) : QAbstractTableModel(parent) {}

void ModeleProgramme::setResume(const ResumeClasse& resume)
{
    bool memes = resume.items() == items_ && resume.enfants.size() == resume_.enfants.size();
    for (qsizetype i = 0; memes && i < resume.enfants.size(); ++i)
        memes = resume.enfants[i].enfant == resume_.enfants[i].enfant;
    if (!memes)
        beginResetModel();
    resume_ = resume;
    items_ = resume.items();
    if (!memes) {
        endResetModel();
        return;
    }
    if (!resume_.enfants.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ModeleProgramme::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(resume_.enfants.size());
}

int ModeleProgramme::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(items_.size()) + 1;
}

QVariant ModeleProgramme::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ResumeEnfant& e = resume_.enfants[index.row()];
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return e.enfant.nom;
        if (role == Qt::UserRole)
            return e.enfant.nom.toCaseFolded();
        return {};
    }
    const programme::Position p = e.position.position(item(index.column()));
    switch (role) {
    case Qt::DisplayRole:
        return texteAcquisCompte(p);
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1 : %2, %3 justes sur %4")
            .arg(QString::fromUtf8(programme::items()[size_t(item(index.column()))].titre),
                 programme::texteAcquis(p.acquis))
            .arg(p.justes)
            .arg(p.comptees);
    case Qt::BackgroundRole:
        return QBrush(couleurAcquis(p.acquis));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::UserRole:
        return int(p.acquis) * 100 + p.comptees;
    default:
        return {};
    }
}

QVariant ModeleProgramme::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return role == Qt::DisplayRole || role == Qt::AccessibleTextRole ? QStringLiteral("Élève") : QVariant();
    const int i = item(section);
    if (i < 0)
        return {};
    const programme::Item& it = programme::items()[size_t(i)];
    if (role == Qt::DisplayRole)
        return titreColonneItem(i);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return QStringLiteral("%1 — %2").arg(programme::nomAnnee(it.annee), QString::fromUtf8(it.titre));
    return {};
}

QString titreColonneItem(int item)
{
    const programme::Item& it = programme::items()[size_t(item)];
    return programme::nomAnnee(it.annee) + QLatin1Char('\n') + enLignes(QString::fromUtf8(it.titre), largeurTitreItem);
}

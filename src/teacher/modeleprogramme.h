// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include "resume.h"

// The class on the programme: a row per child, a column per item of the
// class's year(s), each cell the child's level in the report's colours with
// the answers it rests on. Sorting (through a proxy) uses Qt::UserRole: the
// name, then the level and how many answers back it.
class ModeleProgramme : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ModeleProgramme(QObject* parent = nullptr);

    // The rows are kept (and the selection with them) when the children and
    // the items are the same.
    void setResume(const ResumeClasse& resume);
    const ResumeClasse& resume() const { return resume_; }
    // The item of a column, or -1 for the names.
    int item(int colonne) const { return colonne >= 1 ? items_.value(colonne - 1, -1) : -1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ResumeClasse resume_;
    QList<int> items_;
};

// An item's column title: its year, then its title in short lines.
QString titreColonneItem(int item);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include "resume.h"

// The class at a glance: a row per child; columns the name, each activity
// ("justes/total" on a red to green background), the child's total and the
// last time they played. Each activity's header carries the class's total.
// Sorting (through a proxy) uses Qt::UserRole: the name, the share of right
// answers, the date.
class ModeleClasse : public QAbstractTableModel {
    Q_OBJECT

public:
    // activites: identifiers in column order.
    explicit ModeleClasse(QStringList activites, QObject* parent = nullptr);

    // New counts: the rows are kept (and the selection with them) when the
    // list of children is the same.
    void setResume(const ResumeClasse& resume);
    const ResumeClasse& resume() const { return resume_; }
    const QStringList& activites() const { return activites_; }

    int colonneTotal() const { return int(activites_.size()) + 1; }
    // This week's training sessions.
    int colonneSeances() const { return int(activites_.size()) + 2; }
    int colonneDernier() const { return int(activites_.size()) + 3; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Compte compte(int ligne, int colonne) const;

    QStringList activites_;
    ResumeClasse resume_;
};

// A column title broken into lines of at most largeur characters (a longer
// word keeps its own line), so that every column fits a laptop's screen.
QString enLignes(const QString& titre, qsizetype largeur);
inline constexpr qsizetype largeurTitre = 11;

// The last time played, as a teacher reads it: "aujourd'hui 10:42", "hier", "lundi 30 nov.".
QString texteDernier(const QDateTime& quand, const QDateTime& maintenant);

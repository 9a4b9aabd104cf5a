// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "bilan.h"
#include "programme/positionnement.h"
#include "ui/screen.h"

class ClickableLabel;

// The picture of a child's progress: one row per activity, a thick bar of
// this week's answers (green right, red wrong), a thin one of the answers
// before, up to three stars for this week, and the activities to work on
// marked and listed.
class TableauProgres : public QWidget {
    Q_OBJECT

public:
    explicit TableauProgres(QWidget* parent = nullptr);
    void afficher(const Bilan& b);

    // Stars earned by a week: three from 90 % right, two from 70 %, one
    // from 50 %, none under reponsesMinimum answers.
    static int etoiles(int justes, int erreurs);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Bilan bilan_;
};

// The child's path through the items of their year: a badge per item,
// "pas encore", "en route" or "réussi", the next one to work on starred.
class CheminProgres : public QWidget {
    Q_OBJECT

public:
    explicit CheminProgres(QWidget* parent = nullptr);
    void afficher(const programme::Parcours& p, const QList<programme::Annee>& annees);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    programme::Parcours parcours_;
    QString titre_;
};

// "Mes progrès": the child's path and the picture above for the child
// playing, and the way back.
class Progres : public Screen {
    Q_OBJECT

public:
    explicit Progres(QWidget* parent = nullptr);

    // prenom: the child's first name, or nothing for answers given with no name.
    // travail: the week's work given by the teacher, in words (empty: none).
    void afficher(const Bilan& b, const programme::Parcours& chemin, const std::optional<QString>& prenom,
                  const QList<programme::Annee>& annees = {}, const QString& travail = {});

signals:
    void retour();

private:
    ClickableLabel* titre_;
    CheminProgres* chemin_;
    TableauProgres* tableau_;
    ClickableLabel* travail_;
};

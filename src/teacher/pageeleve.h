// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "suivi.h"

class QLabel;
class QTableWidget;

// A child's answers over time, drawn.
class GraphiqueProgres : public QWidget {
    Q_OBJECT

public:
    explicit GraphiqueProgres(QWidget* parent = nullptr);
    void setSemaines(QList<Semaine> s);
    QSize sizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<Semaine> semaines_;
};

// The page of the child chosen in the class's table: their weeks as bars,
// what to work on, their levels on the programme's items and their latest
// mistakes.
class PageEleve : public QWidget {
    Q_OBJECT

public:
    explicit PageEleve(QWidget* parent = nullptr);
    // No child chosen.
    void vider();
    // That child, on the items of the class's year(s).
    void montrer(const ResumeEnfant& e, const DetailEnfant& d, const QList<int>& items);

private:
    QLabel* titre_;
    GraphiqueProgres* graphique_;
    QLabel* aTravailler_;
    QTableWidget* items_;
    QTableWidget* erreurs_;
};

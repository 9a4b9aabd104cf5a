// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <functional>

class ClickableLabel;
class QWidget;

// A list of levels, one label each, one below the other: the chosen one
// marked and in magenta, the others offered in black. Screen readers name
// each by its level, the chosen one described as "choisi".
class ListeNiveaux {
public:
    // Labels named prefixe + key ("niveau_quarts"), the first at `premier`,
    // every `pas` pixels down, in columns of `parColonne` (0: one column)
    // side by side, each as wide as `premier`; a click on one calls choisir
    // with its index.
    ListeNiveaux(QWidget* parent, const QByteArray& prefixe, const QStringList& cles,
                 const QStringList& noms, QRect premier, int pas, int taillePolice,
                 std::function<void(int)> choisir, int parColonne = 0);

    // Marks that level as the chosen one.
    void marquer(int choisi);
    // The labels' names, for the keyboard order.
    QStringList nomsObjets() const;

private:
    QList<ClickableLabel*> labels_;
    QStringList noms_;
};

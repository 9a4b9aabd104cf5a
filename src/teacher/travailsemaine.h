// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include "classroom/travail.h"
#include "common/nomjoueur.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

// The tab "Travail de la semaine": the programme's items by year, ticked
// for the whole class or for one child, from a start date.
class PageTravail : public QWidget {
    Q_OBJECT

public:
    explicit PageTravail(QWidget* parent = nullptr);
    // The class's children, for "Pour".
    void setEnfants(const QList<Joueur>& enfants);
    // The work as read from the class folder.
    void setTravail(const classe::Travail& t);
    // The class's work could not be read: nothing may be saved over it.
    void setTravailInconnu(const QString& message);
    // What is ticked now for the chosen one.
    classe::ChangementTravail changement() const;
    // Without a class folder there is nowhere to give work.
    void setSansClasse(const QString& message);

signals:
    // "Enregistrer": the chosen one's work, to merge into the class's.
    void enregistrer(const classe::ChangementTravail& c);

private:
    // The chosen one's work ticked, and its start date.
    void montrerCible();
    QString cible() const;  // empty: the whole class

    QComboBox* pour_;
    QDateEdit* debut_;
    QTreeWidget* items_;
    QPushButton* enregistrer_;
    QLabel* etat_;
    classe::Travail travail_;
    // Until the class's work is read, saving would erase it.
    bool connu_ = false;
};

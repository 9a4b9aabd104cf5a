// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

#include "suivi.h"
#include "worksheets/fiches.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;
class RandomSource;

// "Fiches à imprimer": a sheet for the whole class, or a page for each
// child from where they stand, with the keys, as one PDF.

// A question on a month's page as the calendar's screen draws it.
fiches::QuestionMois questionDuMois(RandomSource& hasard, int niveau, QDate mois);

// The sheet chosen. False, with a French message, when it cannot be written.
bool ecrireFiche(const fiches::Choix& c, const QString& fichier, QString* erreur);

// A page for each child of `cles` (every child when empty), in the class
// list's order, from their positioning, their year (their own, else the
// class's) and the week's work given to them, read from the class folder.
// To be called off the screen's thread.
bool ecrireFichesEleves(const Lieux& lieux, const ResumeClasse& r, const QStringList& cles, int parPage, int numero,
                        const QString& fichier, QString* erreur);
// The same from the command line: the class read first.
bool ecrireFichesEleves(const Lieux& lieux, const QStringList& prenoms, int parPage, int numero, const QString& fichier,
                        QString* erreur);

// A sheet's number nobody chose: 1000 to 9999.
int numeroAuHasard(RandomSource& hasard);

// The dialog: what to print, and for whom.
class DialogueFiches : public QDialog {
    Q_OBJECT

public:
    DialogueFiches(const QList<Joueur>& enfants, int numero, QWidget* parent = nullptr);

    bool parEleve() const;
    fiches::Choix choix() const;
    // The children ticked, by key.
    QStringList cles() const;

private:
    void genreChange();
    void ajuster();

    QComboBox* pourQui_;
    QComboBox* genre_;
    QComboBox* niveau_;
    QCheckBox* enMots_;
    QComboBox* parPage_;
    QSpinBox* pages_;
    QSpinBox* numero_;
    QListWidget* eleves_;
    QLabel* aide_;
};

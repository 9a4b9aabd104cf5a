// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "classroom/enfant.h"

class QDialog;
class QDialogButtonBox;
class QWidget;

// The teacher's view's small dialogs. Qt's own dialogs speak English unless
// its translations are installed: their buttons and labels are named here.

// "OK" and "Annuler" in French, accepting and rejecting the dialog.
QDialogButtonBox* boutonsOkAnnuler(QDialog& d);
// A first name typed by the teacher; nothing when cancelled or left empty.
std::optional<QString> demanderPrenom(QWidget* parent, const QString& titre, const QString& texte, const QString& initial);
// Where to save a file, proposed in the Documents folder (else home); empty
// when cancelled.
QString choisirFichier(QWidget* parent, const QString& titre, const QString& nom, const QString& filtre);
// What a change of the class list says to the teacher; empty when done.
QString texteResultat(classe::Resultat r, const QString& nom);
// The class's week's work could not be read: nothing is saved over it.
QString texteTravailIllisible();

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "common/reponse.h"
#include "ecranjournee.h"
#include "textesjournee.h"
#include "sections/section.h"

class HorlogeAiguilles;
class PictureBox;

// What the three sections of "La journée" share: where they sit on the
// screen, how their texts are written, and the section itself.
namespace ecranjour {

// The three columns of the screen.
inline constexpr int largeur = 204;
inline constexpr int colonnes[] = {6, 218, 430};
inline constexpr int hautEnonce = 34;
inline constexpr int hautReponse = 222;
inline constexpr int hautVerifier = 280;
// The three clocks to choose from, two above and one below between them:
// large enough for a child to tell 8 h 45 from 9 h 45 by the short hand.
inline constexpr int coteCadran = 86;
inline constexpr QPoint placesCadrans[] = {{10, 96}, {108, 96}, {59, 184}};

// Where each moment's picture lies on the sheet.
inline constexpr QSize tailleMoment(80, 64);

// An answer label and its spinner below it, the label rewritten as it turns.
ClickableLabel* reponseAvecFleche(Routines& r, QWidget* e, const char* label, const char* fleche, QPoint at,
                                  int max, int pas, std::function<QString(int)> libelle, ArrowSpinner** sortie);
// A spinner back to 0 and its label to its placeholder.
void remettre(ArrowSpinner* fleche, ClickableLabel* label, const QString& attente);

}  // namespace ecranjour

// One section of "La journée": the parts every section has, and the clocks
// it shows or offers.
struct EcranJournee::Section : public ::Section {
    Section(EcranJournee* e, int colonne, const char* activite, const char* suffixe, const QString& titre,
            const QStringList& cles, const QStringList& noms);

    // A clock to read, and the moment of the day beside it.
    void horlogeEtMoment();

    // Three clocks to choose from, in the place of the one to read.
    void cadransAChoisir();

    // A choice marked, before "Vérifier".
    void choisir(int i);

    // A new question: the choice cleared, the verdict gone.
    void ouvrir() override;

    // After a wrong choice, the right clock ringed instead of the child's.
    void montrerBonne(int attendue);

    // The three clocks to choose from, in the place of the clock to read
    // and its moment (the statement says the time).
    void montrerCadrans(bool oui);

    HorlogeAiguilles* horloge = nullptr;
    PictureBox* moment = nullptr;
    QList<HorlogeAiguilles*> cadrans;
    QList<int> tCadrans;
    std::function<void(int)> surChoix;
};

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
#include "programme/adaptation.h"
#include "ui/niveaux.h"

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
inline constexpr int hautVerdict = 306;
inline constexpr int hautNiveaux = 386;
inline constexpr int pasNiveaux = 16;
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

// One section: its title, statement, verdict, "Vérifier" and "Continuer",
// its levels (remembered for whoever plays, or following the child), and
// the clocks it shows or offers.
struct EcranJournee::Section {
    Section(EcranJournee* e, int colonne, const char* activite, const char* suffixe, const QString& titre,
            const QStringList& cles, const QStringList& noms);

    // Where the loudspeaker sits: left of "Vérifier", over no text.
    QPoint placeEcouter() const { return {x + 8, ecranjour::hautVerifier + 1}; }

    // The section's control of that role: "enonce" gives "enonce_matin".
    QByteArray nomObjet(const QByteArray& role) const { return role + '_' + suffixe; }

    // "Vérifier" judges and gives way to "Continuer", the spinners hide;
    // "Continuer" asks the next question.
    // `manque` says what the answer still lacks (empty when whole): "Vérifier"
    // says it rather than judge.
    void protocoleAvec(QList<QWidget*> fleches, std::function<QString()> manque, void (EcranJournee::*juger)(),
                       void (EcranJournee::*question)());

    // A clock to read, and the moment of the day beside it.
    void horlogeEtMoment();

    // Three clocks to choose from, in the place of the one to read.
    void cadransAChoisir();

    // A choice marked, before "Vérifier".
    void choisir(int i);

    // A new question: the choice cleared, the verdict gone.
    void ouvrir();

    // After a wrong choice, the right clock ringed instead of the child's.
    void montrerBonne(int attendue);

    // The three clocks to choose from, in the place of the clock to read
    // and its moment (the statement says the time).
    void montrerCadrans(bool oui);

    void ecrireVerdict(bool juste, const QString& texte);

    QString cleNiveau() const { return activite + QStringLiteral("/niveau"); }
    int niveau() const;
    void choisirNiveau(int i);

    // Levels that follow the child, when the class or this computer asks
    // for it: chosen afresh each time the screen opens.
    void suivreLeNiveau();
    // The next question at the level the answers lead to, shown at once.
    void apresReponse(bool juste);

    EcranJournee* ecran;
    int x;
    QString activite;
    QByteArray suffixe;
    QStringList clesNiveaux;
    ClickableLabel* enonce;
    ClickableLabel* verdict;
    ClickableLabel* verifier;
    ClickableLabel* encore;
    HorlogeAiguilles* horloge = nullptr;
    PictureBox* moment = nullptr;
    QList<HorlogeAiguilles*> cadrans;
    QList<int> tCadrans;
    int choisi = -1;
    std::function<void(int)> surChoix;
    std::unique_ptr<ListeNiveaux> niveaux;
    std::unique_ptr<ProtocoleReponse> protocole;
    std::optional<programme::NiveauQuiSuit> suivi;
};


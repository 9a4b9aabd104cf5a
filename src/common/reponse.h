// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "registre.h"

class QLabel;
class Routines;

// Follows one question of the answer protocol (a loudspeaker that reads it).
class TemoinReponse {
public:
    virtual ~TemoinReponse() = default;
    // A new question is open; its texts are written right after.
    virtual void ouverte() = 0;
    // The answer is judged: the statement is still on screen...
    virtual void avantVerdict() = 0;
    // ... and now the verdict is written.
    virtual void apresVerdict() = 0;
};

// The path of one judged answer, the same for every exercise and every date
// game: the click is taken only while the question is open ("Continuer"
// hidden) and an answer has been entered; then the spinners hide,
// "Continuer" shows, the answer is judged and counted with its sound, the
// verdict is written, the answer is recorded under the activity's identifier
// and the exercise is counted last.
class ProtocoleReponse {
public:
    ProtocoleReponse(Routines& r, const QString& activite, QWidget* encore, QList<QWidget*> fleches,
                     std::function<bool()> reponseSaisie, std::function<void()> compterExercice);

    // Whether a click on an answer would be judged now.
    bool accepte() const;

    // The judged click. juger() says whether the answer is right; ecrire()
    // writes the verdict; decrire() gives the question, the answer set and
    // the right one, read before the verdict is written. Returns false,
    // having done nothing at all, when the click is not taken.
    bool soumettre(const std::function<bool()>& juger, const std::function<void(bool)>& ecrire,
                   const std::function<ReponseJugee()>& decrire);

    // Back to an open question: "Continuer" hidden, spinners shown.
    void ouvrir();

    // Told of every question and verdict from now on; it must outlive the
    // protocol or go with it.
    void suivre(TemoinReponse* temoin) { temoins_.append(temoin); }

    // The level the next answers are asked at, recorded with each of them.
    void fixerNiveau(const QString& niveau) { niveau_ = niveau; }
    // The training session the next answers are given in (empty: none).
    void fixerSeance(const QString& seance) { seance_ = seance; }
    // The activity the next answers are recorded under.
    void fixerActivite(const QString& activite) { activite_ = activite; }

private:
    Routines& r_;
    QString activite_;
    QString niveau_;
    QString seance_;
    QWidget* encore_;
    QList<QWidget*> fleches_;
    std::function<bool()> reponseSaisie_;
    std::function<void()> compterExercice_;
    QList<TemoinReponse*> temoins_;
};

// Whether an answer label has left its placeholder ("? h", "?? mn"...).
bool aQuitteAttente(const QLabel* label, const QString& attente);

// A part of an answer set with the arrows: its name and the pronoun that
// stands for it ("l'heure", "la"; "les minutes", "les").
struct PartieReponse {
    QString nom;
    QString pronom;
};
// What "Vérifier" says while parts of the answer are still to be set:
// "Il manque l'heure et les minutes : choisissez-les avec les flèches.";
// empty when nothing is missing.
QString ceQuiManque(const QList<PartieReponse>& manquantes);
namespace partie {
inline const PartieReponse heure{QStringLiteral("l'heure"), QStringLiteral("la")};
inline const PartieReponse minutes{QStringLiteral("les minutes"), QStringLiteral("les")};
}  // namespace partie

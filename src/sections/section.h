// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "common/reponse.h"
#include "programme/adaptation.h"
#include "ui/niveaux.h"

class ClickableLabel;
class Routines;
class Screen;

// Where a section's parts lie in its column of the screen.
struct PlaceSection {
    int x = 0;
    int largeur = 204;
    int hautTitre = 10;
    int hautEnonce = 34;
    int hauteurEnonce = 58;
    int hautVerifier = 280;
    int hautVerdict = 306;
    int hautNiveaux = 386;
    int pasNiveaux = 16;
    int taillePoliceTitre = 12;
};

// One section of a screen of sections side by side ("La journée", "Le
// calendrier"): its title, statement, verdict, "Vérifier" then
// "Continuer", "Écouter", and its levels, remembered for whoever plays or
// following the child. What the child answers with is the screen's own.
class Section {
public:
    Section(Screen* ecran, Routines& r, const PlaceSection& place, const char* activite, const char* suffixe,
            const QString& titre, const QStringList& cles, const QStringList& noms, std::function<void()> compter);
    virtual ~Section();
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    // The section's control of that role: "enonce" gives "enonce_matin".
    QByteArray nomObjet(const QByteArray& role) const { return role + '_' + suffixe; }
    // Where the loudspeaker sits: left of "Vérifier", over no text.
    QPoint placeEcouter() const { return {x + 8, place.hautVerifier + 1}; }

    // "Vérifier" judges and gives way to "Continuer", the spinners hide;
    // "Continuer" asks the next question. `manque` says what the answer
    // still lacks (empty when whole): "Vérifier" says it rather than judge.
    void protocoleAvec(QList<QWidget*> fleches, std::function<QString()> manque, std::function<void()> juger,
                       std::function<void()> question);
    // A new question: the choice cleared, the verdict gone.
    virtual void ouvrir();
    void ecrireVerdict(bool juste, const QString& texte);

    QString cleNiveau() const { return activite + QStringLiteral("/niveau"); }
    int niveau() const;
    void choisirNiveau(int i);
    // Levels that follow the child, when the class or this computer asks
    // for it: chosen afresh each time the screen opens.
    void suivreLeNiveau();
    // The next question at the level the answers lead to.
    void apresReponse(bool juste);
    // The keyboard's order: the section's answer, then "Vérifier",
    // "Continuer" and the levels.
    QList<QStringList> ordre(const QStringList& reponse) const;

    Screen* ecran;
    Routines& r;
    PlaceSection place;
    int x;
    QString activite;
    QByteArray suffixe;
    QStringList clesNiveaux;
    ClickableLabel* enonce;
    ClickableLabel* verdict;
    ClickableLabel* verifier;
    ClickableLabel* encore;
    int choisi = -1;
    std::unique_ptr<ListeNiveaux> niveaux;
    std::unique_ptr<ProtocoleReponse> protocole;
    std::optional<programme::NiveauQuiSuit> suivi;

private:
    std::function<void()> compter_;
};

// "RETOUR" at the foot of a screen of sections: back to the start screen,
// with its sound.
ClickableLabel* boutonRetour(Screen* ecran, Routines& r);

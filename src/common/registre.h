// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// A judged answer as it leaves the answer protocol: what was asked, what the
// child set, what was expected and the verdict. The history adds the date,
// the time and who was playing.
struct ReponseJugee {
    QString question;  // the question on one line
    QString reponse;   // the answer as the child set it: "3 h 50 mn"
    QString attendue;  // the right answer, written the same way
    // Set by the answer protocol.
    QString activite{};  // the activity's identifier: "lire_horloge", "date_naissance"...
    bool juste = false;
    QString niveau{};  // the level the question was asked at; empty where there are none
    QString seance{};  // the training session it was asked in ("s" and 16 hex digits); empty outside one
    friend bool operator==(const ReponseJugee&, const ReponseJugee&) = default;
};

// Where every judged answer goes, at the moment it is judged.
class RegistreReponses {
public:
    virtual ~RegistreReponses() = default;
    virtual void enregistrer(const ReponseJugee& reponse) = 0;

    // Keeps nothing: a program run with no history behind it.
    static RegistreReponses& aucun();
};

// Choices remembered for whoever is playing (an activity's level...),
// from run to run.
class Preferences {
public:
    virtual ~Preferences() = default;
    virtual QString lire(const QString& cle, const QString& defaut) const = 0;
    virtual void ecrire(const QString& cle, const QString& valeur) = 0;
};

// Remembers for this run only: a program run with nowhere to keep them.
class PreferencesDuProgramme final : public Preferences {
public:
    QString lire(const QString& cle, const QString& defaut) const override
    {
        return valeurs_.value(cle, defaut);
    }
    void ecrire(const QString& cle, const QString& valeur) override { valeurs_[cle] = valeur; }

private:
    QHash<QString, QString> valeurs_;
};

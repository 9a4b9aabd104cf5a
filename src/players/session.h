// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <functional>
#include <memory>
#include <optional>

#include "common/registre.h"
#include "common/score.h"
#include "depot.h"
#include "historiqueecrivain.h"
#include "preferencesjoueur.h"
#include "programme/positionnement.h"

// Who plays in this run: a named child, or nobody in particular. Answers go
// to that child's history on this computer (or the anonymous one), choices
// to that child's file (or are kept for the run only).
class SessionJoueurs {
public:
    SessionJoueurs(const DepotJoueurs& depot, std::function<QDateTime()> maintenant);

    const DepotJoueurs& depot() const { return depot_; }
    RegistreReponses& registre() { return registre_; }
    // Where the child playing stands on the programme: from their history
    // when chosen, then with each answer recorded.
    const programme::Positionnement& positionnement() const { return positionnement_; }
    Preferences& preferences();
    const std::optional<Joueur>& joueur() const { return joueur_; }

    // From now on that child plays. Their counters, from every answer in
    // this computer's store, this run's included; with a class folder, the
    // other computers' answers are read apart (DepotJoueurs::lireJoueurAilleurs),
    // off the screen's thread.
    Compteurs choisir(const Joueur& j);
    // The child's answers given on the other computers, read apart, placed
    // on the programme too.
    void ajouterAilleurs(const QList<LigneHistorique>& lignes);
    // From now on nobody in particular plays.
    void sansNom();

    // Every answer recorded so far written to the disk (at quit).
    bool vider(int millisecondes = HistoriqueEcrivain::attenteMs) { return ecrivain_.vider(millisecondes); }

private:
    // Each answer written to the history and placed on the programme.
    class Registre final : public RegistreReponses {
    public:
        explicit Registre(SessionJoueurs& s) : s_(s) {}
        void enregistrer(const ReponseJugee& r) override;

    private:
        SessionJoueurs& s_;
    };

    DepotJoueurs depot_;
    HistoriqueEcrivain ecrivain_;
    std::function<QDateTime()> maintenant_;
    Registre registre_{*this};
    programme::Positionnement positionnement_;
    std::optional<Joueur> joueur_;
    std::unique_ptr<PreferencesJoueur> preferencesJoueur_;
    PreferencesDuProgramme preferencesSansNom_;
};

// The score counters matching a history: one exercise per answer.
Compteurs compteursDe(const TotauxHistorique& t);

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

// Who plays in this run: a named child, or nobody in particular. Answers go
// to that child's history on this computer (or the anonymous one), choices
// to that child's file (or are kept for the run only).
class SessionJoueurs {
public:
    SessionJoueurs(const DepotJoueurs& depot, std::function<QDateTime()> maintenant);

    const DepotJoueurs& depot() const { return depot_; }
    RegistreReponses& registre() { return ecrivain_; }
    Preferences& preferences();
    const std::optional<Joueur>& joueur() const { return joueur_; }

    // From now on that child plays. Their counters, from every answer in
    // this computer's store, this run's included; with a class folder, the
    // other computers' answers are read apart (DepotJoueurs::lireJoueurAilleurs),
    // off the screen's thread.
    Compteurs choisir(const Joueur& j);
    // From now on nobody in particular plays.
    void sansNom();

    // Every answer recorded so far written to the disk (at quit).
    bool vider(int millisecondes = HistoriqueEcrivain::attenteMs) { return ecrivain_.vider(millisecondes); }

private:
    DepotJoueurs depot_;
    HistoriqueEcrivain ecrivain_;
    std::optional<Joueur> joueur_;
    std::unique_ptr<PreferencesJoueur> preferencesJoueur_;
    PreferencesDuProgramme preferencesSansNom_;
};

// The score counters matching a history: one exercise per answer.
Compteurs compteursDe(const TotauxHistorique& t);

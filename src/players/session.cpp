// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <limits>

SessionJoueurs::SessionJoueurs(const DepotJoueurs& depot, std::function<QDateTime()> maintenant)
    : depot_(depot), ecrivain_(std::move(maintenant))
{
    ecrivain_.diriger(depot_.historiqueAnonyme(), QString());
}

Preferences& SessionJoueurs::preferences()
{
    if (preferencesJoueur_)
        return *preferencesJoueur_;
    return preferencesSansNom_;
}

Compteurs SessionJoueurs::choisir(const Joueur& j)
{
    // The answers still on their way count too.
    ecrivain_.vider();
    joueur_ = j;
    ecrivain_.diriger(depot_.historiqueJoueur(j.cle), j.nom);
    preferencesJoueur_ = std::make_unique<PreferencesJoueur>(depot_.fichierPreferences(j.cle));
    return compteursDe(totaux(depot_.lireJoueurIci(j.cle).lignes));
}

void SessionJoueurs::sansNom()
{
    ecrivain_.vider();
    joueur_.reset();
    ecrivain_.diriger(depot_.historiqueAnonyme(), QString());
    preferencesJoueur_.reset();
}

Compteurs compteursDe(const TotauxHistorique& t)
{
    const auto borne = [](qint64 n) {
        return qint32(std::min<qint64>(n, std::numeric_limits<qint32>::max()));
    };
    Compteurs c;
    c.marqueur = ValeurTypee::entier16(1);
    c.nb_exercices.ajouter(borne(t.exercices));
    c.nb_justes.ajouter(borne(t.justes));
    c.nb_erreurs = borne(t.erreurs);
    return c;
}

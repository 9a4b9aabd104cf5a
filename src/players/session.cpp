// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <limits>

#include "classroom/classe.h"
#include "positionjoueur.h"

SessionJoueurs::SessionJoueurs(const DepotJoueurs& depot, std::function<QDateTime()> maintenant)
    : depot_(depot), ecrivain_(maintenant), maintenant_(std::move(maintenant))
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
    // Renamed while playing (the folder moves with the new name): answers
    // and choices follow the child's identity.
    const QString id = classe::identiteEnfant(depot_.dossierJoueur(j.cle), depot_.racine());
    const auto ailleurs = [depot = depot_, id, ancienne = j.cle](const auto& fichier) {
        const QString cle = classe::cleActuelle(depot.racine(), ancienne, id);
        return cle.isEmpty() ? QString() : fichier(depot, cle);
    };
    ecrivain_.suivreAvec([ailleurs](const QString&) {
        return ailleurs([](const DepotJoueurs& d, const QString& cle) { return d.historiqueJoueur(cle); });
    });
    preferencesJoueur_ = std::make_unique<PreferencesJoueur>(depot_.fichierPreferences(j.cle), [ailleurs] {
        return ailleurs([](const DepotJoueurs& d, const QString& cle) { return d.fichierPreferences(cle); });
    });
    const QList<LigneHistorique> lignes = depot_.lireJoueurIci(j.cle).lignes;
    positionnement_ = positionner(lignes);
    return compteursDe(totaux(lignes));
}

void SessionJoueurs::ajouterAilleurs(const QList<LigneHistorique>& lignes)
{
    for (const LigneHistorique& l : lignes)
        positionnerReponse(positionnement_, l);
}

void SessionJoueurs::Registre::enregistrer(const ReponseJugee& r)
{
    s_.ecrivain_.enregistrer(r);
    positionnerReponse(s_.positionnement_,
                       {s_.maintenant_(), {}, r.activite, r.question, r.reponse, r.attendue, r.juste, r.niveau, {}});
}

void SessionJoueurs::sansNom()
{
    ecrivain_.vider();
    joueur_.reset();
    ecrivain_.suivreAvec({});
    ecrivain_.diriger(depot_.historiqueAnonyme(), QString());
    preferencesJoueur_.reset();
    positionnement_ = {};
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays: "Qui joue ?", a child's counters and week's work, the other
// computers' answers read off the screen's thread, and "Mes progrès".
#include "klepsos.h"

#include "classroom/classe.h"
#include "classroom/filpartage.h"
#include "common/score.h"
#include "exercises/exercices.h"
#include "players/positionjoueur.h"
#include "players/progres.h"
#include "players/quijoue.h"
#include "players/session.h"
#include "programme/seance.h"

void Klepsos::utiliserJoueurs(SessionJoueurs& session, const std::optional<Joueur>& demande,
                              RegistreReponses* registre)
{
    session_ = &session;
    demande_ = demande;
    registreJoueurs_ = registre ? registre : &session.registre();
    r_.positionnement = &session.positionnement();
}

QuiJoue* Klepsos::quiJoue()
{
    if (!joueurs_ && session_) {
        joueurs_ = new QuiJoue(session_->depot(), fenetre_.get());
        joueurs_->setGeometry(0, 0, 640, 480);
        joueurs_->hide();
        // The file decoded ahead when this screen comes first.
        if (fondQuiJoue_.isNull())
            fondQuiJoue_ = PictureFile(r_.cheminDatas(QStringLiteral("quijoue")));
        joueurs_->setBackgroundFile(fondQuiJoue_);
        const auto versDepart = [this] {
            r_.SonClic();
            depart()->showScreen();
            joueurs_->hide();
        };
        connect(joueurs_, &QuiJoue::choisi, this, [this, versDepart](const Joueur& j) {
            jouerComme(j);
            versDepart();
        });
        connect(joueurs_, &QuiJoue::sansNom, this, [this, versDepart] {
            jouerSansNom();
            versDepart();
        });
        connect(joueurs_, &QuiJoue::retour, this, versDepart);
        // A child who cannot read hears the names as the keys go through them.
        connect(joueurs_, &Screen::controlFocused, this, [this](QWidget* c) {
            if (c)
                r_.direSiLectureAuto(c->accessibleName().isEmpty() ? c->property("text").toString()
                                                                   : c->accessibleName());
        });
    }
    return joueurs_;
}

Progres* Klepsos::progres()
{
    if (!progres_) {
        progres_ = new Progres(fenetre_.get());
        progres_->setGeometry(0, 0, 640, 480);
        progres_->hide();
        r_.ChargerFond(progres_, QStringLiteral("progres"));
        connect(progres_, &Progres::retour, this, [this] { r_.retourDepart(progres_, QString(), [] {}); });
    }
    return progres_;
}

void Klepsos::jouerComme(const Joueur& j)
{
    if (!session_)
        return;
    if (!r_.prenom)
        partage_ = r_;
    else
        session_->vider();
    static_cast<Compteurs&>(r_) = session_->choisir(j);
    ++choix_;
    r_.prenom = j.nom;
    r_.preferences = &session_->preferences();
    // Their own year when they have one, else the class's.
    const QString dossier = session_->depot().dossierJoueur(j.cle);
    const QList<programme::Annee> propre = classe::anneeEnfant(dossier, session_->depot().racine());
    r_.annees = propre.isEmpty() ? r_.anneesClasse : propre;
    r_.choisirAnnee = [this, dossier](programme::Annee a) {
        classe::ecrireAnneeEnfant(dossier, {a});
        r_.annees = {a};
    };
    suivreTravail(j.cle);
    if (exercices_)
        ecrireScoreExercices();
    lireAilleurs(j);
}

FilPartage* Klepsos::lectures()
{
    if (!lectures_)
        lectures_ = new FilPartage(this);
    return lectures_;
}

bool Klepsos::finirLectures(int ms)
{
    return !lectures_ || lectures_->finir(ms);
}

void Klepsos::lireAilleurs(const Joueur& j)
{
    if (session_->depot().classe().isEmpty())
        return;
    const DepotJoueurs depot = session_->depot();
    lectures()->lancer([depot, cle = j.cle] { return depot.lireJoueurAilleurs(cle).lignes; },
                       [this, choix = choix_](const QList<LigneHistorique>& lignes) {
                           if (choix != choix_)
                               return;
                           // Where the child stands, with every computer's answers.
                           session_->ajouterAilleurs(lignes);
                           if (depart_ && depart_->isVisible())
                               depart_->marquerProchaine();
                           const Compteurs ailleurs = compteursDe(totaux(lignes));
                           r_.nb_exercices.ajouter(ailleurs.nb_exercices.valeur);
                           r_.nb_justes.ajouter(ailleurs.nb_justes.valeur);
                           r_.nb_erreurs += ailleurs.nb_erreurs;
                           if (exercices_)
                               ecrireScoreExercices();
                       });
    // The week's work given since this computer started, for this child's next session.
    // A read that fails (the folder away, a blip) keeps the work known.
    lectures()->lancer([depot] { return classe::travailClasse(depot.classe(), depot.racine()); },
                       [this, choix = choix_, cle = j.cle](const std::optional<classe::Travail>& t) {
                           if (!t)
                               return;
                           travail_ = *t;
                           if (choix == choix_)
                               suivreTravail(cle);
                       });
}

void Klepsos::suivreTravail(const QString& cle)
{
    const auto consigne = classe::consignePour(travail_, cle, r_.maintenant().date());
    r_.travail = consigne ? consigne->items : QStringList();
    if (depart_)
        depart_->montrerJoueur(r_.prenom);
}

void Klepsos::jouerSansNom()
{
    if (!session_ || !r_.prenom)
        return;
    session_->sansNom();
    ++choix_;
    static_cast<Compteurs&>(r_) = partage_;
    r_.prenom.reset();
    r_.travail.clear();
    r_.annees = r_.anneesClasse;
    r_.choisirAnnee = nullptr;
    r_.preferences = &session_->preferences();
    if (depart_)
        depart_->montrerJoueur(r_.prenom);
    if (exercices_)
        ecrireScoreExercices();
}

void Klepsos::ouvrirProgres()
{
    if (!session_)
        return;
    session_->vider();
    const auto& j = session_->joueur();
    // What this computer holds at once; the other computers' answers join
    // it when the class folder gives them, if the screen is still on view.
    const QList<LigneHistorique> ici = j ? session_->depot().lireJoueurIci(j->cle).lignes
                                         : lireHistorique(session_->depot().historiqueAnonyme()).lignes;
    montrerProgres(ici);
    progres_->showScreen();
    depart_->hide();
    if (!j || session_->depot().classe().isEmpty())
        return;
    const DepotJoueurs depot = session_->depot();
    lectures()->lancer([depot, cle = j->cle] { return depot.lireJoueurAilleurs(cle).lignes; },
                       [this, ici, choix = choix_](const QList<LigneHistorique>& ailleurs) {
                           if (choix != choix_ || !progres_->isVisible() || ailleurs.isEmpty())
                               return;
                           montrerProgres(ici + ailleurs);
                       });
}

void Klepsos::montrerProgres(const QList<LigneHistorique>& lignes)
{
    progres()->afficher(faireBilan(lignes, r_.maintenant()), programme::parcours(positionner(lignes), r_.annees),
                        r_.prenom, r_.annees, programme::texteTravail(r_.travail));
}

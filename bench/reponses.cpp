// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one judged answer and of one new question, in the real
// exercise and date-game screens, each driven by clicks as a child would,
// offscreen, on the test fakes (a silent sound player, a fixed clock).
// Each timed step includes the repaint it causes.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <tuple>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "classroom/poste.h"
#include "players/session.h"
#include "programme/positionnement.h"
#include "shell/depart.h"
#include "support/banc.h"
#include "ui/arrowspinner.h"

namespace {

// Rounds per screen; the first argument may change it.
int tours = 10000;

// One arrow step that really changes the value, so the answer counts as
// entered.
void bouger(ArrowSpinner* s)
{
    if (s->value() < s->maximum())
        Banc::monter(s);
    else
        Banc::descendre(s);
}

struct Mesure {
    std::vector<qint64> ns;
    void ajouter(qint64 v) { ns.push_back(v); }
    double medianeUs() { return centileUs(0.5); }
    double moyenneUs() const
    {
        qint64 s = 0;
        for (qint64 v : ns)
            s += v;
        return double(s) / double(ns.size()) / 1000.0;
    }
    double centileUs(double p)
    {
        std::sort(ns.begin(), ns.end());
        return double(ns[std::min(ns.size() - 1, size_t(double(ns.size()) * p))]) / 1000.0;
    }
};

// One step: the click's own handling, then the repaint it causes.
struct Etape {
    Mesure traitement, peinture, total;
    void mesurer(QWidget* w)
    {
        QElapsedTimer t;
        t.start();
        Banc::cliquer(w);
        const qint64 clic = t.nsecsElapsed();
        QCoreApplication::processEvents();
        const qint64 tout = t.nsecsElapsed();
        traitement.ajouter(clic);
        peinture.ajouter(tout - clic);
        total.ajouter(tout);
    }
    void imprimer(const QByteArray& nom)
    {
        std::printf("| %-50s | %8.0f | %8.0f | %8.0f | %8.0f | %8.0f |\n", nom.constData(),
                    traitement.medianeUs(), peinture.medianeUs(), total.medianeUs(), total.moyenneUs(),
                    total.centileUs(0.99));
    }
};

[[noreturn]] void echec(const char* quoi, int tour)
{
    std::fprintf(stderr, "bench_reponses: %s (tour %d)\n", quoi, tour);
    std::exit(1);
}

// A screen's question: two spinners to move, the answer label to click, and
// its "Continuer".
struct Jeu {
    const char* nom;
    const char* ecran;
    const char* ouverture;  // the start screen's drawing that opens it
    const char* fleches[2];
    const char* reponse;
    const char* encore;
};

// enregistre: each answer also goes to a child's history file, as when a
// child is named.
void mesurer(const Jeu& j, bool enregistre = false)
{
    Banc b;
    if (!b.demarrer())
        echec("start-up failed", 0);
    QTemporaryDir magasin;
    std::optional<SessionJoueurs> joueurs;
    if (enregistre) {
        joueurs.emplace(DepotJoueurs(magasin.path(), posteLocal(magasin.path())),
                        [&b] { return b.clock.now(); });
        joueurs->choisir(*joueurs->depot().creer(QStringLiteral("Léa")));
        b.r().registre = &joueurs->registre();
    }
    // Plenty of varied draws for every question.
    quint32 x = 12345;
    for (int i = 0; i < 20 * tours + 100; ++i) {
        x = x * 1664525u + 1013904223u;
        b.random.push({double(x >> 8) / double(1u << 24)});
    }
    Banc::cliquer(b.trouver<QWidget>("depart", j.ouverture));
    ArrowSpinner* f0 = b.trouver<ArrowSpinner>(j.ecran, j.fleches[0]);
    ArrowSpinner* f1 = b.trouver<ArrowSpinner>(j.ecran, j.fleches[1]);
    QWidget* reponse = b.trouver<QWidget>(j.ecran, j.reponse);
    QWidget* encore = b.trouver<QWidget>(j.ecran, j.encore);
    if (!f0 || !f1 || !reponse || !encore || !b.ecranNomme(j.ecran)->isVisible())
        echec("controls not found", 0);
    QCoreApplication::processEvents();

    Etape juger, question;
    for (int i = 0; i < tours; ++i) {
        bouger(f0);
        bouger(f1);
        QCoreApplication::processEvents();

        juger.mesurer(reponse);
        if (encore->isHidden())
            echec("the answer was not judged", i);
        question.mesurer(encore);
        if (!encore->isHidden())
            echec("no new question", i);
    }
    if (b.r().nb_exercices.valeur != tours)
        echec("exercise count off", tours);
    if (joueurs) {
        joueurs->vider(60000);
        if (joueurs->depot().lireJoueur(joueurs->joueur()->cle).lignes.size() != tours)
            echec("answers missing from the history", tours);
    }
    juger.imprimer(QByteArray(j.nom) + (enregistre ? ", judged answer, recorded" : ", judged answer"));
    question.imprimer(QByteArray(j.nom) + ", new question");
    std::fflush(stdout);
}

// A screen opened by a click on its drawing, painted, then left by its
// "RETOUR" (not timed), as many times.
void mesurerOuverture(const char* nom, const char* dessin, const char* ecran,
                      const std::function<void(Banc&)>& preparer = [](Banc&) {})
{
    Banc b;
    if (!b.demarrer())
        echec("start-up failed", 0);
    preparer(b);
    QWidget* ouverture = b.trouver<QWidget>("depart", dessin);
    Etape ouvrir;
    for (int i = 0; i < std::min(tours, 2000); ++i) {
        ouvrir.mesurer(ouverture);
        QWidget* retour = b.trouver<QWidget>(ecran, "retour");
        if (!b.ecranNomme(ecran)->isVisible() || !retour)
            echec("the screen did not open", i);
        Banc::cliquer(retour);
        QCoreApplication::processEvents();
    }
    ouvrir.imprimer(QByteArray(nom) + ", opened from the start screen");
    std::fflush(stdout);
}

// A screen's first opening, as a child's first click on its drawing makes
// it: built then, its pictures read, painted. Each round a new start.
void mesurerPremiereOuverture(const char* nom, const char* dessin, const char* ecran,
                              const std::function<void(Banc&)>& preparer = [](Banc&) {})
{
    Etape ouvrir;
    for (int i = 0; i < std::min(tours, 25); ++i) {
        Banc b;
        if (!b.demarrer(Banc::ApresPremierePeinture))
            echec("start-up failed", i);
        b.app->terminerDemarrage();
        preparer(b);
        QCoreApplication::processEvents();
        if (b.ecranNomme(ecran))
            echec("the screen was built before it opened", i);
        ouvrir.mesurer(b.trouver<QWidget>("depart", dessin));
        if (!b.ecranNomme(ecran) || !b.ecranNomme(ecran)->isVisible())
            echec("the screen did not open", i);
    }
    ouvrir.imprimer(QByteArray(nom) + ", first opening, built then");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1)
        tours = std::max(1, std::atoi(argv[1]));
    std::printf("%d rounds each, offscreen, in microseconds: the click's handling, the repaint it\n"
                "causes, and both together\n\n", tours);
    std::printf("| %-50s | %8s | %8s | %8s | %8s | %8s |\n", "step", "handling", "repaint", "median",
                "mean", "99th pct");
    std::printf("|----------------------------------------------------|----------|----------|----------|----------|----------|\n");
    mesurer({"exercise: read the clock", "exercices", "exos", {"flech_heures", "flech_minutes"},
             "heure", "encore_heure"});
    mesurer({"date game: birth date", "jeux_dates", "montre", {"fleche7", "fleche8"}, "mois_dates",
             "encore_date"});
    mesurer({"exercise: read the clock", "exercices", "exos", {"flech_heures", "flech_minutes"},
             "heure", "encore_heure"}, true);
    mesurer({"\"La journée\": duration problem", "journee", "journee",
             {"fleche_heure_duree", "fleche_minute_duree"}, "verifier_duree", "encore_duree"});
    mesurerOuverture("\"La journée\"", "journee", "journee");
    // A child who answered every kind of question 400 times: a session is
    // planned from where they stand each time the screen opens.
    programme::Positionnement position;
    for (int i = 0; i < 10000; ++i) {
        const programme::Placement& p = programme::placements()[size_t(i) % programme::placements().size()];
        position.ajouter(QString::fromLatin1(p.activite), QString::fromLatin1(p.niveau), i, i % 3 != 0);
    }
    const auto unEnfant = [&position](Banc& b) {
        b.r().prenom = QStringLiteral("Léa");
        b.r().positionnement = &position;
        b.app->depart()->montrerJoueur(b.r().prenom);
    };
    mesurerOuverture("\"Mon entraînement\"", "entrainement", "entrainement", unEnfant);
    for (const auto& [nom, dessin, ecran] : {std::tuple{"the lesson", "apprendre", "lecon"},
                                             {"the exercises", "exos", "exercices"},
                                             {"the tips", "astus", "astuces"},
                                             {"the date games", "montre", "jeux_dates"},
                                             {"\"Placer les aiguilles\"", "placer", "aiguilles"},
                                             {"\"La journée\"", "journee", "journee"},
                                             {"\"Le calendrier\"", "calendrier", "calendrier"},
                                             {"the about window", "logiciels", "auteur_softs"}})
        mesurerPremiereOuverture(nom, dessin, ecran);
    mesurerPremiereOuverture("\"Mon entraînement\"", "entrainement", "entrainement", unEnfant);
    return 0;
}

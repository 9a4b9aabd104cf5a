// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "programme/seance.h"

class RandomSource;

// Worksheets to print: what each exercise asks and its answer, widget-free.
// A sheet's number and choices give the same sheet again, whatever the day
// and the computer, so a lost sheet can be printed anew.
namespace fiches {

enum class Genre {
    Lire,       // dials to read: "___ h ___ min" under each
    Dessiner,   // empty dials, the time to draw written under (digits or words)
    Durees,     // two dials: how long from one to the other
    Calendrier  // a month's page and a question on it
};
constexpr std::array<Genre, 4> genres{Genre::Lire, Genre::Dessiner, Genre::Durees, Genre::Calendrier};
QString cleGenre(Genre g);  // "lire", "dessiner", "durees", "calendrier"
QString nomGenre(Genre g);  // "Lire l'heure"...
std::optional<Genre> genreDepuisCle(const QString& cle);

// The levels a kind offers, easiest first: those of "Placer les aiguilles"
// for the dials (no afternoon for two dials: they show no half of the day),
// those of the month's page for the calendar.
QStringList clesNiveaux(Genre g);
QString nomNiveau(Genre g, const QString& cle);

// Exercises a page may hold. Two dials or a month's page need the room of
// a sixth of a page at least, so those kinds print 4 or 6.
inline constexpr std::array<int, 4> parPageAutorises{4, 6, 9, 12};
inline constexpr int parPageGrandesCases = 6;
bool grandeCase(Genre g);
// What a kind prints for the number asked: the nearest allowed, not more.
int parPagePour(Genre g, int demande);

// A question on a month's page, as paper asks it, with its answer. The
// calendar's own questions come through it, so that a sheet is drawn by
// the very rules of the screen.
struct QuestionMois {
    QString enonce;
    QString reponse;
    friend bool operator==(const QuestionMois&, const QuestionMois&) = default;
};
using QuestionsDuMois = std::function<QuestionMois(RandomSource& hasard, int niveau, QDate mois)>;

struct Choix {
    Genre genre = Genre::Lire;
    QString niveau = QStringLiteral("quarts");
    bool enMots = false;  // Dessiner: the times written in words
    int parPage = 6;
    int pages = 1;
    int numero = 1;  // "Fiche n° 4821"
};
// Pages a sheet of that level can fill with exercises all different (12
// whole hours make one page of 12), pagesMax at most.
inline constexpr int pagesMax = 20;
int pagesPossibles(const Choix& c);

// One exercise. A time is of the day, in seconds; a dial shows it on 12.
struct Exercice {
    Genre genre = Genre::Lire;
    QString niveau;
    int temps = 0;
    int fin = 0;          // Durees: the second dial's time, later the same half-day or the next
    bool enMots = false;  // Dessiner
    QDate mois{};         // Calendrier: the month's first day
    QuestionMois question{};
    friend bool operator==(const Exercice&, const Exercice&) = default;
};
bool avecSecondes(const Exercice& e);
// The dial's time in seconds, 0 to 12 h: the time or, with `fin`, the end.
int surLeCadran(int temps);
// What is written under an empty dial: "4 h 45", "trois heures et quart", "15 h 45".
QString aDessiner(const Exercice& e);
// The lines the child fills in: "___ h ___ min"; "matin : ___ h ___ min",
// "après-midi : ___ h ___ min"; "___ h ___ min ___ s".
QStringList aRemplir(const Exercice& e);
// The answer, as the key writes it: "4 h 45", "matin : 3 h 45  après-midi :
// 15 h 45", "1 h 25 min", "le 14 avril".
QString reponse(const Exercice& e);

struct Page {
    QString prenom;     // empty: a sheet for anyone
    QString titre;      // "Lire l'heure"
    QString sousTitre;  // the level, or the items a child's page works on
    QString consigne;   // what to do, for the whole page
    QList<Exercice> exercices;
    int parPage = 6;
    int numero = 1;
};

// The sheet's pages, every exercise other than the others.
QList<Page> fiche(const Choix& c, const QuestionsDuMois& mois);

// What a child's page is drawn from: where they stand, their year(s) and
// the week's work given to them.
struct Eleve {
    QString prenom;
    programme::Positionnement position;
    QList<programme::Annee> annees;
    QList<int> travail;
};
// A child's page: what their positioning says they need next, as a session
// plans it (the week's work first, the year's items not reached, at the
// level their answers call for), on the kinds a page of that size prints.
Page pagePour(const Eleve& e, int parPage, int numero, const QuestionsDuMois& mois);

// A session's kind of question on paper: placing the hands is drawing
// them, reading the clock and the day's hours are reading a dial, the
// durations two dials, the words of the hour a time to draw given in words,
// a month's page its questions. None for what paper cannot ask.
struct Sorte {
    Genre genre;
    QString niveau;
    bool enMots = false;
};
std::optional<Sorte> surPapier(const QString& activite, const QString& niveau);
// The kinds a page of that size can print, for the session's planner.
QList<programme::GenreServi> genresImprimables(int parPage);

}  // namespace fiches

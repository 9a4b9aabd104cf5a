// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class RandomSource;

// The board's clock without its picture: the time its hands show, geared as
// on a real clock (turning the minute hand moves the hour hand, past 12 the
// hour changes, both ways) or free (each hand studied alone), and the
// duration swept since a start. Angles are in degrees from 12, clockwise.
namespace tableau {

inline constexpr int jour = 24 * 3600;

class Rouages {
public:
    // The time of day in seconds (0 to a day), the hands set to it.
    void regler(double secondes);
    double secondes() const;
    // The time of day in whole minutes, as the digital display and the
    // words say it: in free mode, the hour the hour hand has passed and the
    // minute hand's minutes.
    int minutes() const;

    double angleMinutes() const;
    double angleHeures() const;
    // Turns with the minute hand: the seconds of its fraction of a minute.
    double angleSecondes() const;

    // The minute (hour) hand led to that angle by the shortest way; geared,
    // the whole clock turns with it.
    void tournerMinutes(double vers);
    void tournerHeures(double vers);
    // Forwards (or backwards, negative): the keys and "+1 min", "+5 min", "+1 h".
    void avancer(double secondes);
    // A hand let go: the minute hand on its minute, and in free mode the
    // hour hand on its hour.
    void lacher();

    bool liees() const { return liees_; }
    void setLiees(bool oui);

    // "Durée": from now on, what the hands sweep forwards is counted; they
    // never go back past the start.
    void commencerDuree();
    void arreterDuree();
    bool enDuree() const { return debut_.has_value(); }
    // Seconds swept since the start (0 without one), and the full turns of
    // the minute hand in it.
    double ecoule() const;
    int tours() const { return int(ecoule() / 3600); }
    // Where the start was, on the dial.
    double angleDebut() const;

private:
    double absolu_ = 12 * 3600;  // never wrapped, so a duration counts every turn
    bool liees_ = true;
    // In free mode, the hands' own places.
    double minutesLibres_ = 0;
    double heuresLibres_ = 0;
    std::optional<double> debut_;
};

// The time of day (minutes) a random question asks at a level of "Placer
// les aiguilles" (the afternoon's from 13 h on), never `avant`.
int heureAuHasard(RandomSource& hasard, const QString& niveau, int avant);
// The levels offered: "heures pile" to "minute" and "après-midi".
struct NiveauTableau {
    const char* cle;
    const char* nom;
};
extern const NiveauTableau niveaux[6];

// What the voice says of the time, as a teacher would: "Il est quatre
// heures moins le quart", with the 24-hour reading when it is shown.
QString aDire(int minutes, bool numerique);

}  // namespace tableau

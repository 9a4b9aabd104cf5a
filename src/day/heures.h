// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include "common/journee.h"

class RandomSource;

// The hours of a whole day, as a child learns them: the moments of the day,
// the afternoon's hours after the morning's, why they are written and said
// so, and the confusions offered beside the right answer. A time of the day
// is a count of minutes since midnight (common/journee.h); a time on a dial
// is the clock's count, 0 to 719 (aiguilles).
namespace journee {

// The moment a picture beside the clock shows.
enum class Moment { Nuit, Matin, Midi, ApresMidi, Soir };
Moment moment(int t);
// "la nuit", "le matin", "à midi", "l'après-midi", "le soir".
QString nomMoment(Moment m);

// Why the dial's time is written so on a digital clock:
// "l'après-midi, on ajoute 12 : 3 h 45 → 15 h 45".
QString explicationConversion(int t);

// The dials offered beside the right one when a child finds the dial of a
// digital time: the usual confusions, in this order while they differ from
// the answer and each other: 10 taken off rather than 12 ("15 h" read "5 h"),
// the hands swapped, the hour after, the hour before. Two of them.
QList<int> cadransVoisins(int t);

// Why those are the words: "15 minutes avant 4 heures : on dit
// « 4 heures moins le quart »."
QString explicationMots(int t);

// The times whose words are offered beside the right ones: for "et quart"
// and the like, the same minutes before the next hour and before this hour
// ("3 heures moins le quart", "4 heures moins le quart" for 3 h 15); for
// "moins", the minutes past the hour shown and the hour before
// ("3 heures et quart", "3 heures moins le quart" for 3 h 45); for the half
// hour the hours after and before; for the hour itself the hands swapped and
// the hour after. Always two, other than the answer on the dial.
QList<int> confusionsDeMots(int t);

// A scene of a child's day at a whole hour, linked to its moment (CP): the
// dial shows the hour, the scene tells the moment, the child names it.
struct Scene {
    int heure;          // 0 to 23
    const char* texte;  // "Léa prend son goûter" (no final stop)
};
extern const QList<Scene> scenes;
// Another scene than the one before (-1: any).
int tirerScene(RandomSource& hasard, int avant);
// The moments offered: the right one, the one of the same dial hour in the
// other half of the day, and another, in a drawn order.
QList<Moment> momentsProposes(RandomSource& hasard, int scene);
// A moment other than that one.
inline Moment autreMoment(Moment m) { return m == Moment::Matin ? Moment::Soir : Moment::Matin; }
// "L'horloge montre 8 heures.⏎Tom part à l'école.⏎Quel moment est-ce ?"
QString enonceMoment(int scene);
// "Bravo ! Tom part à l'école à 8 heures du matin : c'est le matin."
QString verdictMoment(int scene, Moment choisi);

// A level of the first two sections: the times it asks, every so many
// minutes.
struct Niveau {
    const char* cle;  // how it is remembered: "heures_pile"
    const char* nom;  // on screen: "Heures pile"
    int pas;
};
// "Matin ou après-midi ?": whole hours, quarters, five minutes.
extern const QList<Niveau> niveauxMatin;
// "Les mots de l'heure": quarters and halves, five minutes.
extern const QList<Niveau> niveauxMots;
// The level remembered by that word; an unknown word gives the first.
int indexNiveau(const QList<Niveau>& niveaux, const QString& cle);

// A time of the day every `pas` minutes, other than `sauf` on the dial.
int tirer(RandomSource& hasard, int pas, int sauf);

}  // namespace journee

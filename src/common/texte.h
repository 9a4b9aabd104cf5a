// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// How numbers and dates are written into the program's texts.
namespace texte {

// A number joined into a text: one leading blank where a minus sign would
// stand, so n(5) is " 5" and n(-5) is "-5".
QString n(qint64 x);

// The same number without that blank: F(5) is "5".
QString F(qint64 x);

// The locale used for dates: the user's regional settings, except that the
// neutral C/POSIX locale means French (the program speaks French).
QLocale localeAffichage();

// The text with its first character in upper case ("samedi 5 ..." gives
// "Samedi 5 ..."; a text starting with a digit is unchanged).
QString majusculeInitiale(const QString& s);

// A date in the long form of the locale, first character in upper case. The
// year has no leading zeros: "Dimanche 18 avril 100", as the year is written
// everywhere else.
QString dateLongue(const QDate& date, const QLocale& locale = localeAffichage());

// The text with its first character in lower case, for a name taken into a
// sentence after a colon ("À travailler : les demies et les quarts.").
QString minusculeInitiale(const QString& s);

// French as the school prints it, and never broken where a line must not
// be: a narrow no-break space before ; : ! ? and inside « », a no-break
// space between a number and its unit ("17 h 40", "25 min", "3 j", "50 %")
// and after an arrow, so that "17 h 40" stays whole and no line begins with
// ":" or "»"; "a-t-elle" is never cut at a hyphen (a word joiner after it).
QString insecable(const QString& s);

// A day and its month as French writes them, "1er" for the first: "1er
// septembre", "7 décembre 2026" with the year.
QString jourMois(const QDate& d, bool avecAnnee);

// Roman numerals, 1 to 3999: "XVI".
QString romain(int n);
// As French books write a century or a millennium: "XVIᵉ siècle",
// "Iᵉʳ siècle", "IIᵉ millénaire" (a superscript e, "er" for the first).
QString siecle(int n);
QString millenaire(int n);

// An hour and minutes as the answers write them: "3 h 50 mn", "4 h 0 mn".
QString heuresMinutes(int heures, int minutes);

// "Il est exactement" then the time as " 09 h 05 mn 07 s" (two digits each).
QString heureExacte(const QTime& t);

}  // namespace texte

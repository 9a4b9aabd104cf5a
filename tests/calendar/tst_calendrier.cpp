// SPDX-License-Identifier: GPL-3.0-or-later
// "Le calendrier": every answer against a computation of the test's own
// (the weekday by Zeller's congruence, the months' lengths and the leap
// years by their rule, Roman numerals from a table, conversions by hand),
// at every level over many draws; the month's page against the real
// calendar from 1900 to 2100; a section played by keys.
#include <QAccessible>
#include <QRegularExpression>
#include <QTest>

#include "calendar/ecrancalendrier.h"
#include "calendar/questions.h"
#include "common/calendrier.h"
#include "sections/pagemois.h"
#include "shell/presentation.h"
#include "support/banc.h"

namespace {

const QStringList joursSemaine{"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
const QStringList mois{"janvier", "février", "mars",      "avril",   "mai",      "juin",
                       "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
const QStringList romains{"I",   "II",  "III",  "IV",  "V",  "VI",  "VII",  "VIII",  "IX",  "X",  "XI",
                          "XII", "XIII", "XIV", "XV", "XVI", "XVII", "XVIII", "XIX", "XX", "XXI", "XXII"};

bool bissextile(int a)
{
    return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
}

int joursDans(int m, int a)
{
    static const int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && bissextile(a) ? 29 : jours[m - 1];
}

// Zeller's congruence: 0 for Monday … 6 for Sunday.
int jourDeLaSemaine(int j, int m, int a)
{
    if (m < 3) {
        m += 12;
        a -= 1;
    }
    const int k = a % 100, s = a / 100;
    const int h = (j + 13 * (m + 1) / 5 + k + k / 4 + s / 4 + 5 * s) % 7;  // 0 Saturday
    return (h + 5) % 7;
}

int nombre(const QString& t, const char* motif, int groupe = 1)
{
    const auto m = QRegularExpression(QString::fromUtf8(motif)).match(t);
    return m.hasMatch() ? m.captured(groupe).toInt() : -1;
}

// The first name of the list the text holds, as a word, or -1.
int indexDans(const QStringList& noms, const QString& t)
{
    int premier = -1;
    qsizetype ou = t.size();
    for (int i = 0; i < noms.size(); ++i) {
        const auto m = QRegularExpression(QStringLiteral("\\b%1s?\\b").arg(noms[i])).match(t);
        if (m.hasMatch() && m.capturedStart() < ou) {
            ou = m.capturedStart();
            premier = i;
        }
    }
    return premier;
}

QString siecle(int n)
{
    return romains[n - 1] + (n == 1 ? QStringLiteral("\u1D49\u02B3 siècle") : QStringLiteral("\u1D49 siècle"));
}

QString date(int j, int m)
{
    return (j == 1 ? QStringLiteral("1er") : QString::number(j)) + ' ' + mois[m - 1];
}

// Years of the events of history the fourth section names.
const QHash<QString, int> evenements{
    {"Le sacre de Charlemagne", 800}, {"La mort de Jeanne d'Arc", 1431}, {"L'arrivée de Christophe Colomb en Amérique", 1492},
    {"La bataille de Marignan", 1515}, {"La prise de la Bastille", 1789}, {"Le sacre de Napoléon", 1804},
    {"L'abolition de l'esclavage en France", 1848}, {"L'école obligatoire pour tous", 1882},
    {"Le début de la Première Guerre mondiale", 1914}, {"La fin de la Seconde Guerre mondiale", 1945},
    {"Les premiers pas sur la Lune", 1969}};

// The right answer worked out from the statement (and the page shown): the
// words to choose, or the day to press.
QString reponse(const cal::Question& q)
{
    const QString t = q.enonce;
    const int an = q.page.isValid() ? q.page.year() : 0, leMois = q.page.isValid() ? q.page.month() : 0;
    const int j = indexDans(joursSemaine, t);
    if (t.startsWith("Quel jour vient") || t.contains("Quel jour serons") || t.contains("Quel jour étions")) {
        const int ecart = t.contains("après-demain") ? 2 : t.contains("avant-hier") ? -2 : t.contains("demain") ? 1
                        : t.contains("hier") ? -1 : t.contains("après") ? 1 : -1;
        return joursSemaine[(j + ecart + 7) % 7];
    }
    if (t.contains("dans ") && t.contains("jours ?"))
        return joursSemaine[(j + nombre(t, "dans (\\d+) jours")) % 7];
    if (t.startsWith("Quel mois vient")) {
        const int m = indexDans(mois, t);
        return mois[(m + (t.contains("après") ? 1 : 11)) % 12];
    }
    if (t.startsWith("Quel est le rang de")) {
        const int m = indexDans(mois, t) + 1;
        return m == 1 ? QStringLiteral("le 1er") : QStringLiteral("le %1e").arg(m);
    }
    if (t.contains("mois de l'année"))
        return mois[std::max(nombre(t, "le (\\d+)e mois"), 1) - 1];
    if (t.startsWith("Combien de jours y a-t-il en")) {
        const int m = indexDans(mois, t) + 1, a = nombre(t, "(\\d{4})");
        return QStringLiteral("%1 jours").arg(joursDans(m, a > 0 ? a : 2027));
    }
    if (t.startsWith("Quel jour de la semaine est le")) {
        const int d = std::max(1, nombre(t, "est le (\\d+)"));
        return joursSemaine[jourDeLaSemaine(d, leMois, an)];
    }
    if (t.startsWith("Appuie sur le")) {
        static const QStringList rangs{"premier", "deuxième", "troisième", "quatrième"};
        const int k = indexDans(rangs, t);
        int vus = 0;
        for (int d = 1; d <= joursDans(leMois, an); ++d)
            if (jourDeLaSemaine(d, leMois, an) == j && vus++ == k)
                return QString::number(d);
    }
    if (t.startsWith("Combien y a-t-il de")) {
        int n = 0;
        for (int d = 1; d <= joursDans(leMois, an); ++d)
            n += jourDeLaSemaine(d, leMois, an) == j;
        return QString::number(n);
    }
    if (t.startsWith("Combien de jours passent"))
        return QStringLiteral("%1 jours").arg(nombre(t, "au \\w+ (\\d+)") - nombre(t, "du \\w+ (\\d+)"));
    if (t.startsWith("Quelle date serons-nous")) {
        int d = std::max(1, nombre(t, "le (\\d+)")) + (t.contains("une semaine") ? 7 : 10) - joursDans(leMois, an);
        return date(d, leMois % 12 + 1);
    }
    const int a = nombre(t, "(\\d+) ");
    if (t.contains("semaines, cela fait combien de jours"))
        return QStringLiteral("%1 jours").arg(7 * a);
    if (t.contains("jours, cela fait combien de semaines"))
        return QStringLiteral("%1 semaines").arg(a / 7);
    if (t.contains("jours, cela fait combien d'heures"))
        return QStringLiteral("%1 heures").arg(24 * a);
    if (t.contains("ans, cela fait combien de mois"))
        return QStringLiteral("%1 mois").arg(12 * a);
    if (t.startsWith("1 an et"))
        return QStringLiteral("%1 mois").arg(12 + nombre(t, "et (\\d+) mois"));
    if (t.contains("h, cela fait combien de jours"))
        return QStringLiteral("%1 jours").arg(nombre(t, "^(\\d+) h") / 24);
    if (t.startsWith("1 jour et"))
        return QStringLiteral("%1 heures").arg(24 + nombre(t, "et (\\d+) h"));
    const int annee = nombre(t, "(\\d+) ?");
    if (t.contains("est-elle bissextile"))
        return bissextile(annee) ? "Oui" : "Non";
    if (t.contains("dans l'année"))
        return bissextile(annee) ? "366 jours" : "365 jours";
    if (t.startsWith("En quel siècle"))
        return siecle((annee + 99) / 100);
    if (t.startsWith("En quel millénaire"))
        return romains[(annee + 999) / 1000 - 1] + (annee <= 1000 ? QStringLiteral("\u1D49\u02B3 millénaire") : QStringLiteral("\u1D49 millénaire"));
    if (t.contains("année du")) {
        const int s = int(romains.indexOf(t.section(" du ", 1).section(QChar(0x1D49), 0, 0))) + 1;
        return QString::number(t.contains("première") ? 100 * (s - 1) + 1 : 100 * s);
    }
    if (t.startsWith("Entre"))
        return QStringLiteral("%1 années").arg(nombre(t, "et [^(]*\\((\\d+)\\)") - nombre(t, "\\((\\d+)\\)"));
    if (t.contains("en premier")) {
        QString premier;
        for (const QString& c : q.choix)
            if (premier.isEmpty() || evenements.value(c) < evenements.value(premier))
                premier = c;
        return premier;
    }
    return {};
}

}  // namespace

class TstCalendrier : public QObject {
    Q_OBJECT

private slots:
    void chaqueNiveauJuste()
    {
        SystemRandom hasard;
        const QDate aujourdhui(2026, 12, 9);
        const struct { QString nom; int niveaux; std::function<cal::Question(int)> tirer; } sections[] = {
            {"jours", 4, [&](int n) { return cal::jours(hasard, n, aujourdhui); }},
            {"page", 3, [&](int n) { return cal::page(hasard, n, cal::autreMois(hasard, aujourdhui)); }},
            {"unites", 3, [&](int n) { return cal::unites(hasard, n); }},
            {"siecles", 3, [&](int n) { return cal::siecles(hasard, n); }},
        };
        for (const auto& s : sections)
            for (int n = 0; n < s.niveaux; ++n)
                for (int i = 0; i < 300; ++i) {
                    const cal::Question q = s.tirer(n);
                    const QString attendue = reponse(q);
                    const QString donnee = q.forme == cal::Forme::Jour ? QString::number(q.attendue) : q.choix.value(q.attendue);
                    QVERIFY2(!attendue.isEmpty() && donnee == attendue,
                             qPrintable(QStringLiteral("%1/%2: %3 → %4, attendu %5").arg(s.nom).arg(n).arg(q.enonce, donnee, attendue)));
                    QVERIFY(cal::verdict(q, q.attendue).startsWith("Bravo ! "));
                    // One unit off: another choice, or the day after.
                    const int faux = q.forme == cal::Forme::Jour ? q.attendue % q.page.daysInMonth() + 1 : (q.attendue + 1) % int(q.choix.size());
                    QVERIFY(cal::verdict(q, faux).startsWith("Erreur : ") && !cal::juste(q, faux));
                    QCOMPARE(QSet<QString>(q.choix.begin(), q.choix.end()).size(), q.choix.size());
                }
        // 1515 is in the XVIth century (1501 to 1600), 2001 in the XXIst.
        QCOMPARE(cal::siecleDe(1515), 16);
        QCOMPARE(cal::siecleDe(1500), 15);
        QCOMPARE(cal::siecleDe(2001), 21);
    }

    // Each month from 1900 to 2100: its 1st under its weekday, its days in
    // a row, as many weeks as it needs.
    void lesPagesDuCalendrier()
    {
        for (int a = 1900; a <= 2100; ++a)
            for (int m = 1; m <= 12; ++m) {
                const std::array<QDate, 42> page = calendrier::pageMois(QDate(a, m, 1));
                const int debut = jourDeLaSemaine(1, m, a);
                for (int d = 1; d <= joursDans(m, a); ++d)
                    QCOMPARE(page[size_t(debut + d - 1)], QDate(a, m, d));
                QCOMPARE(page[size_t(debut + joursDans(m, a))].month(), m % 12 + 1);
                QCOMPARE(calendrier::semaines(QDate(a, m, 1)), (debut + joursDans(m, a) + 6) / 7);
            }
        PageMois p;
        p.montrer(QDate(2027, 4, 1));
        QCOMPARE(p.item(0, 3)->text(), "1\u1D49\u02B3");  // Thursday 1st April 2027
        QCOMPARE(p.item(2, 2)->data(Qt::AccessibleTextRole).toString(), "mercredi 14 avril 2027");
        QVERIFY(p.item(0, 0)->text().isEmpty() && p.isRowHidden(5));
    }

    // The page by keys: arrows from the 1st, Enter presses the day; and
    // "Lire un calendrier" answered by keys, the page first in its order.
    void auClavier()
    {
        PageMois p;
        p.montrer(QDate(2027, 4, 1));
        p.setPressable(true);
        p.show();
        p.setFocus();
        QTest::keyClick(&p, Qt::Key_Down);
        QTest::keyClick(&p, Qt::Key_Down);
        QTest::keyClick(&p, Qt::Key_Right);
        QTest::keyClick(&p, Qt::Key_Return);
        QCOMPARE(p.choisi(), 16);  // two weeks after Thursday the 1st, a day on
        QCOMPARE(QAccessible::queryAccessibleInterface(&p)->role(), QAccessible::Table);
        p.hide();

        Banc b;
        QVERIFY(b.demarrer());
        b.ouvrir("calendrier", "calendrier");
        auto* page = b.ecranNomme("calendrier")->findChild<PageMois*>();
        const QString enonce = b.texte("enonce_page");
        QStringList choix;
        for (int i = 0; i < 3; ++i)
            choix << b.texte(QStringLiteral("choix_%1_page").arg(i));
        const int bon = int(choix.indexOf(reponse({.enonce = enonce, .choix = choix, .page = page->mois()})));
        QVERIFY2(bon >= 0, qPrintable(enonce));
        QVERIFY(QTest::qWaitForWindowActive(b.app->presentation()));
        page->setFocus();
        b.taper(QStringLiteral("Tab*%1 Return Tab*%2 Return").arg(bon + 1).arg(3 - bon));
        QVERIFY2(b.texte("verdict_page").startsWith("Bravo !"), qPrintable(b.texte("verdict_page")));
    }
};

QTEST_MAIN(TstCalendrier)
#include "tst_calendrier.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The shared rules: numbers and times in texts, the calendar's carries, the
// score file's bytes, and the shared state's sounds, display and focus.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

#include "common/calendrier.h"
#include "common/routines.h"
#include "common/score.h"
#include "common/texte.h"
#include "support/fakes.h"

namespace {

QByteArray hex(const char* h)
{
    return QByteArray::fromHex(h);
}

ValeurTypee v16(qint16 v)
{
    return ValeurTypee::entier16(v);
}

Compteurs compteurs(ValeurTypee exercices, ValeurTypee justes, qint32 erreurs)
{
    return {v16(1), exercices, justes, erreurs};
}

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrireFichier(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

}  // namespace


class TstCommun : public QObject {
    Q_OBJECT

    FixedClock clock;
    ScriptedRandom random;
    RecordingSoundPlayer sons;
    RecordingDisplay affichage;

    Routines nouveau() { return Routines(clock, random, sons, affichage, QStringLiteral("/nulle/part")); }

private slots:
    void init() { sons.played.clear(); affichage.calls.clear(); }

    void nombresEtHeure()
    {
        QCOMPARE(texte::n(0), QStringLiteral(" 0"));
        QCOMPARE(texte::n(-7), QStringLiteral("-7"));
        QCOMPARE(texte::n(60000000000), QStringLiteral(" 60000000000"));
        QCOMPARE(texte::F(150), QStringLiteral("150"));
        QCOMPARE(texte::heureExacte(QTime(23, 59, 10)), QStringLiteral("Il est exactement\n 23 h 59 mn 10 s"));
        // A form that starts with the year has nothing to put in upper case.
        QCOMPARE(texte::dateLongue(QDate(2026, 12, 5), QLocale(QLocale::Hungarian, QLocale::Hungary)),
                 QStringLiteral("2026. december 5., szombat"));
        // Years below 1000 without leading zeros; the quoted words stay.
        const QLocale fr(QLocale::French, QLocale::France);
        QCOMPARE(texte::dateLongue(QDate(100, 4, 18), fr), QStringLiteral("Dimanche 18 avril 100"));
        QCOMPARE(texte::dateLongue(QDate(999, 6, 3), QLocale(QLocale::Spanish, QLocale::Spain)),
                 QStringLiteral("Lunes, 3 de junio de 999"));
        // QLocale::system() reads LANG, which the tests set to C.UTF-8.
        QCOMPARE(texte::localeAffichage().language(), QLocale::French);
    }

    void dateDepuisParties()
    {
        const struct { int annee, mois, jour; QDate attendue; } cas[] = {
            {2025, 2, 31, {2025, 3, 3}},  {2024, 2, 31, {2024, 3, 2}},  {2036, 4, 31, {2036, 5, 1}},
            {2026, 0, 15, {2025, 12, 15}}, {2026, 13, 15, {2027, 1, 15}}, {2026, -11, 1, {2025, 1, 1}},
            {2026, -12, 1, {2024, 12, 1}}, {2026, 25, 1, {2028, 1, 1}},  {2026, 3, 0, {2026, 2, 28}},
            {2026, 12, 32, {2027, 1, 1}}};
        for (const auto& c : cas)
            QCOMPARE(calendrier::dateDepuisParties(c.annee, c.mois, c.jour), c.attendue);
    }

    void heureDepuisParties()
    {
        const struct { int h, m, heure, minute; } cas[] = {
            {13, 60, 14, 0}, {0, 459, 7, 39}, {3, -5, 2, 55}, {0, -1, 23, 59}, {24, 0, 0, 0}};
        for (const auto& c : cas)
            QCOMPARE(calendrier::heureDepuisParties(c.h, c.m), (calendrier::HeureMinute{c.heure, c.minute}));
    }


    void octets()
    {
        const std::pair<Compteurs, const char*> cas[] = {
            {compteurs(v16(5), v16(3), 2), "02000100020005000200030002000000"},
            {compteurs({3, 32768}, {3, 40000}, 70000), "020001000300008000000300409c000070110100"},
            {compteurs({}, {}, -1), "0200010000000000ffffffff"}};
        for (const auto& [c, octets] : cas) {
            QCOMPARE(score::ecrire(c).toHex(), QByteArray(octets));
            QCOMPARE(score::lire(hex(octets)), std::optional<Compteurs>(c));
        }
    }

    // A 16-bit counter widens once it outgrows 16 bits, then stays wide.
    void elargissement()
    {
        const int max = std::numeric_limits<qint32>::max();
        const struct { ValeurTypee depart; int ajout; ValeurTypee arrivee; } cas[] = {
            {v16(32766), 1, v16(32767)},          {v16(32767), 1, {3, 32768}}, {v16(-32768), -1, {3, -32769}},
            {{3, 32768}, -1, {3, 32767}},         {{}, 1, v16(1)},             {{3, max}, 1, {3, max}}};
        for (auto c : cas) {
            c.depart.ajouter(c.ajout);
            QCOMPARE(c.depart, c.arrivee);
        }
    }

    void fichiersAbimes()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("18"));
        QCOMPARE(score::charger(chemin), Compteurs{});  // absent
        for (const char* h : {"", "020001000200050002000300020000", "02000100070005000200030002000000",
                              "0200010003000500", "626f6e6a6f7572206c657320656e66616e7473"}) {
            QVERIFY2(!score::lire(hex(h)), h);
            ecrireFichier(chemin, hex(h));
            QCOMPARE(score::charger(chemin), Compteurs{});
        }
        QCOMPARE(score::lire(hex("02000100020005000200030002000000ffff"))->nb_exercices.valeur, 5);
    }

    void sauverEtRecharger()
    {
        QTemporaryDir dir;
        const QString chemin = dir.filePath(QStringLiteral("18"));
        // Whatever the marker held, it is written as 1; the file is replaced
        // whole (no bytes of a longer old file are left behind).
        ecrireFichier(chemin, QByteArray(40, 'x'));
        QVERIFY(score::sauver(chemin, {{}, v16(7), v16(4), 3}));
        QCOMPARE(lireFichier(chemin).toHex(), hex("02000100020007000200040003000000").toHex());
        QVERIFY(!score::sauver(dir.filePath(QStringLiteral("absent/18")), Compteurs{}));
        QCOMPARE(score::ligne(compteurs({}, v16(-1), 0)), QStringLiteral("\nExercices --> 0  Justes -->-1  Erreurs --> 0"));
    }

    void rotationDesSons()
    {
        Routines r = nouveau();
        for (int i = 0; i < 11; ++i)
            r.SonClic();
        QCOMPARE(sons.played, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "1"}));
        // Successes and failures turn through their own four sounds.
        sons.played.clear();
        for (bool juste : {true, true, true, false, true, false, true})
            r.compterReponse(juste);
        QCOMPARE(sons.played, QStringList({"1.vic", "2.vic", "3.vic", "1.def", "4.vic", "2.def", "1.vic"}));
    }

    // The enumeration may fail at once; halves go to the even neighbour.
    void changerResolution()
    {
        affichage.modes = 0;
        nouveau().ChangerResolution(1280.5f, 1023.5f);
        QCOMPARE(affichage.calls, QStringList({"enum 0", "change 180000 1280x1024"}));
    }
};

QTEST_MAIN(TstCommun)
#include "tst_commun.moc"

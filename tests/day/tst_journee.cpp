// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of "La journée": the afternoon's hours, the words of the time
// for every five minutes of the day, the wrong choices offered, the swapped
// hands, and the problems of durations, against plain sums of minutes.
#include <QAccessible>
#include <numeric>
#include <QRegularExpression>
#include <QTest>

#include "clock/aiguilles.h"
#include "day/durees.h"
#include "day/heures.h"
#include "clock/horlogeaiguilles.h"
#include "day/ecranjournee.h"
#include "programme/adaptation.h"
#include "support/banc.h"
#include "voice/ecouter.h"

using namespace journee;

namespace {

int hm(int h, int m)
{
    return h * 60 + m;
}

// "15 h 45", "15 h", "1 h 40 min", "25 min", "10 h 12 min 35 s" back into
// seconds (since midnight, or of a duration).
int secondesDe(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^(?:(\\d+) h)? ?(?:(\\d+)(?: min)?)? ?(?:(\\d+) s)?$"));
    const auto m = re.match(QString(s).replace(QChar(0xA0), ' ').trimmed());
    return m.hasMatch() ? m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt() : -1;
}

// The answer a child works out from the statement alone, in seconds: the
// times said ("à 14 h 35"), the durations said ("dure 1 h 40 min", "25 min"),
// and what is asked: an end (the time plus every duration), a start (the
// time less the duration), a duration (between two times, or every
// duration in all); "le lendemain" and "la veille" across midnight.
int reponseDuTexte(const QString& enonce)
{
    static const QRegularExpression nombre(
        QStringLiteral("(à )?(\\d+ h(?: \\d+ min| \\d\\d\\b)?(?: \\d+ s)?|\\d+ min(?: \\d+ s)?|\\d+ s)"));
    QList<int> heures, durees;
    for (auto it = nombre.globalMatch(enonce); it.hasNext();) {
        const auto m = it.next();
        (m.captured(1).isEmpty() ? durees : heures) << secondesDe(m.captured(2));
    }
    const int somme = std::accumulate(durees.begin(), durees.end(), 0), jour = 24 * 3600;
    if (enonce.contains(QStringLiteral("Combien de temps")))
        return heures.size() == 2 ? heures[1] - heures[0] + (enonce.contains(QStringLiteral("lendemain")) ? jour : 0) : somme;
    if (enonce.contains(QStringLiteral("commencé")) || enonce.contains(QStringLiteral("parti")))
        return (heures.value(0) - somme + jour) % jour;
    return (heures.value(0) + somme) % jour;
}

}  // namespace

class TstJournee : public QObject {
    Q_OBJECT

private slots:
    void apresMidi()
    {
        const struct { int t; QString numerique, explication; Moment moment; } cas[] = {
            {hm(15, 45), "15 h 45", "l'après-midi, on ajoute 12 : 3 h 45 → 15 h 45", Moment::ApresMidi},
            {hm(14, 5), "14 h 05", "l'après-midi, on ajoute 12 : 2 h 05 → 14 h 05", Moment::ApresMidi},
            {hm(12, 0), "12 h", "de midi à 1 heure, on garde 12 : 12 h → 12 h", Moment::Midi},
            {hm(12, 30), "12 h 30", "de midi à 1 heure, on garde 12 : 12 h 30 → 12 h 30", Moment::Midi},
            {hm(0, 0), "0 h", "de minuit à 1 heure, on écrit 0 : 12 h → 0 h", Moment::Nuit},
            {hm(0, 30), "0 h 30", "de minuit à 1 heure, on écrit 0 : 12 h 30 → 0 h 30", Moment::Nuit},
            {hm(9, 15), "9 h 15", "avant midi, on garde l'heure : 9 h 15 → 9 h 15", Moment::Matin},
            {hm(5, 55), "5 h 55", "avant midi, on garde l'heure : 5 h 55 → 5 h 55", Moment::Nuit},
            {hm(18, 0), "18 h", "le soir, on ajoute 12 : 6 h → 18 h", Moment::Soir},
            {hm(23, 55), "23 h 55", "le soir, on ajoute 12 : 11 h 55 → 23 h 55", Moment::Soir},
            {hm(13, 0), "13 h", "l'après-midi, on ajoute 12 : 1 h → 13 h", Moment::ApresMidi},
            {hm(24, 10), "0 h 10", "de minuit à 1 heure, on écrit 0 : 12 h 10 → 0 h 10", Moment::Nuit}};
        for (const auto& c : cas) {
            QCOMPARE(numerique(c.t), c.numerique);
            QCOMPARE(explicationConversion(c.t), c.explication);
            QCOMPARE(moment(c.t), c.moment);
        }
        QCOMPARE(moment(hm(6, 0)), Moment::Matin);
        QCOMPARE(moment(hm(22, 0)), Moment::Soir);
        // Each moment is one reading of the dial: its name alone tells
        // whether 12 is added ("10 heures du soir", never "de la nuit").
        for (int t = 0; t < jour; t += 5)
            for (int u = 0; u < jour; u += 5)
                if (moment(t) == moment(u) && moment(t) != Moment::Midi)
                    QVERIFY2((t >= hm(13, 0)) == (u >= hm(13, 0)), qPrintable(numerique(t) + " / " + numerique(u)));
        // The dials offered: "15 h" read "5 h", the hands swapped.
        QCOMPARE(cadransVoisins(hm(15, 45)), (QList<int>{hm(5, 45), hm(9, 15)}));
        QCOMPARE(cadransVoisins(hm(9, 15)), (QList<int>{hm(3, 45), hm(10, 15)}));
        // Noon's hands swapped are noon: the hour after and before instead.
        QCOMPARE(cadransVoisins(hm(12, 0)), (QList<int>{hm(1, 0), hm(11, 0)}));
    }

    void motsDeLHeure()
    {
        const struct { int t; QString mots; } cas[] = {
            {hm(3, 0), "3 heures"},           {hm(15, 5), "3 heures cinq"},
            {hm(3, 15), "3 heures et quart"}, {hm(3, 30), "3 heures et demie"},
            {hm(3, 40), "4 heures moins vingt"}, {hm(15, 45), "4 heures moins le quart"},
            {hm(3, 55), "4 heures moins cinq"}, {hm(12, 0), "midi"}, {hm(0, 0), "minuit"},
            {hm(12, 30), "midi et demi"},     {hm(0, 30), "minuit et demi"},
            {hm(23, 45), "minuit moins le quart"}, {hm(11, 35), "midi moins vingt-cinq"},
            {hm(1, 0), "1 heure"},            {hm(12, 50), "1 heure moins dix"},
            {hm(0, 25), "minuit vingt-cinq"}, {hm(10, 20), "10 heures vingt"},
            {hm(22, 10), "10 heures dix"},    {hm(3, 17), "3 heures et quart"}};
        for (const auto& c : cas)
            QCOMPARE(enMots(c.t), c.mots);
        // Every five minutes of the day, both ways, and the hour named: the
        // next one from the half hour on.
        for (int t = 0; t < jour; t += 5) {
            const QString mots = enMots(t);
            QCOMPARE(depuisMots(mots), std::optional<int>(t % 720));
            const int m = t % 60;
            const int nommee = (t / 60 + (m > 30 ? 1 : 0)) % 24;
            const QString heure = nommee == 0 ? "minuit" : nommee == 12 ? "midi"
                                : QString::number(nommee % 12) + (nommee % 12 == 1 ? " heure" : " heures");
            QVERIFY2(mots.startsWith(heure + (m == 0 ? "" : " ")) && (m != 0 || mots == heure), qPrintable(mots));
            QCOMPARE(mots.contains(" moins "), m > 30);
            QCOMPARE(mots.endsWith(" et demie"), m == 30 && nommee % 12 != 0);
            // The wrong choices: two usual ones, never the answer.
            const QList<int> mauvais = confusionsDeMots(t);
            QCOMPARE(mauvais.size(), 2);
            QVERIFY(enMots(mauvais[0]) != mots && enMots(mauvais[1]) != mots);
            QVERIFY(enMots(mauvais[0]) != enMots(mauvais[1]));
            const QList<int> cadrans = cadransVoisins(t);
            QCOMPARE(cadrans.size(), 2);
            QVERIFY(!cadrans.contains(t % 720) && cadrans[0] != cadrans[1]);
        }
        QCOMPARE(explicationMots(hm(15, 45)), "15 minutes avant 4 heures : on dit « 4 heures moins le quart ».");
        QCOMPARE(explicationMots(hm(12, 30)), "30 minutes après midi : on dit « midi et demi ».");
        QCOMPARE(explicationMots(hm(23, 35)), "25 minutes avant minuit : on dit « minuit moins vingt-cinq ».");
        QCOMPARE(explicationMots(hm(1, 0)), "la grande aiguille est sur le 12 : on dit « 1 heure ».");
        for (const char* faux : {"3 heure", "1 heures", "13 heures", "midi et demie", "3 heures et demi",
                                 "0 heures", "", "4 heures moins quart", "12 heures"})
            QCOMPARE(depuisMots(faux), std::nullopt);
        // The confusions of the lesson: quarter past and quarter to, the hour before.
        const auto enMotsDe = [](const QList<int>& ts) {
            QStringList l;
            for (int t : ts)
                l << enMots(t);
            return l;
        };
        QCOMPARE(enMotsDe(confusionsDeMots(hm(3, 45))), (QStringList{"3 heures et quart", "3 heures moins le quart"}));
        QCOMPARE(enMotsDe(confusionsDeMots(hm(3, 15))), (QStringList{"3 heures moins le quart", "4 heures moins le quart"}));
        QCOMPARE(enMotsDe(confusionsDeMots(hm(3, 30))), (QStringList{"4 heures et demie", "2 heures et demie"}));
        QCOMPARE(enMotsDe(confusionsDeMots(hm(15, 0))), (QStringList{"midi et quart", "4 heures"}));
        QCOMPARE(enMotsDe(confusionsDeMots(hm(0, 0))), (QStringList{"1 heure", "11 heures"}));
    }

    void aiguillesInversees()
    {
        using aiguilles::depuis;
        const struct { int dh, dm, ah, am; bool inversees; } cas[] = {
            {9, 15, 3, 45, true},  {9, 20, 3, 45, true},  {9, 25, 3, 45, false}, {12, 15, 3, 0, true},
            {3, 0, 12, 15, true},  {4, 20, 4, 20, false}, {9, 20, 3, 15, false}, {3, 15, 3, 15, false},
            {6, 30, 6, 30, false}, {7, 10, 2, 35, true},  {12, 0, 12, 0, false}, {1, 0, 12, 5, true}};
        for (const auto& c : cas)
            QVERIFY2(aiguilles::aiguillesInversees(depuis(c.dh, c.dm), depuis(c.ah, c.am)) == c.inversees,
                     qPrintable(QStringLiteral("%1 h %2 pour %3 h %4").arg(c.dh).arg(c.dm).arg(c.ah).arg(c.am)));
        for (int a = 0; a < aiguilles::tour; ++a)
            QVERIFY(aiguilles::inverser(a) == a || aiguilles::aiguillesInversees(aiguilles::inverser(a), a));
    }

    void problemesDeDurees()
    {
        using durees::Cherche;
        using durees::Niveau;
        using durees::Probleme;
        using durees::tirer;
        using durees::enonce;
        using durees::etapes;
        using durees::attendue;
        const struct { Probleme p; QString enonce, etapes, attendue; } cas[] = {
            {{Niveau::PasserLHeure, Cherche::Fin, 0, hm(14, 35), 100},
             "Le film commence à 14 h 35 et dure 1 h 40 min. À quelle heure finit-il ?",
             "14 h 35 + 25 min = 15 h ; 15 h + 1 h 15 min = 16 h 15", "16 h 15"},
            {{Niveau::PasserLHeure, Cherche::Debut, 2, hm(15, 45), 25},
             "La sortie au musée finit à 16 h 10. Elle a duré 25 min. À quelle heure a-t-elle commencé ?",
             "16 h 10 − 10 min = 16 h ; 16 h − 15 min = 15 h 45", "15 h 45"},
            {{Niveau::PasserLHeure, Cherche::Duree, 1, hm(10, 45), 80},
             "Le match de football commence à 10 h 45 et finit à 12 h 05. Combien de temps dure-t-il ?",
             "de 10 h 45 à 11 h, il y a 15 min ; de 11 h à 12 h 05, il y a 1 h 5 min ; 15 min + 1 h 5 min = 1 h 20 min",
             "1 h 20 min"},
            {{Niveau::SansPasserLHeure, Cherche::Duree, 1, hm(10, 15), 80},
             "Le match de football commence à 10 h 15 et finit à 11 h 35. Combien de temps dure-t-il ?",
             "11 h 35 − 10 h 15 = 1 h 20 min", "1 h 20 min"},
            {{Niveau::HeuresEntieres, Cherche::Duree, 0, hm(14, 0), 120},
             "Le film commence à 14 h et finit à 16 h. Combien de temps dure-t-il ?", "16 h − 14 h = 2 h", "2 h"},
            {{Niveau::DeuxEtapes, Cherche::Fin, 1, hm(17, 15), 35, 80},
             "Tom commence ses devoirs à 17 h 15. Il travaille 35 min, puis il joue 1 h 20 min. "
             "À quelle heure a-t-il fini de jouer ?",
             "17 h 15 + 35 min = 17 h 50 ; puis 17 h 50 + 10 min = 18 h ; 18 h + 1 h 10 min = 19 h 10", "19 h 10"},
            {{Niveau::JourSuivant, Cherche::Duree, 0, hm(22, 40), 455},
             "Le train de nuit part à 22 h 40 et arrive le lendemain à 6 h 15. Combien de temps dure le voyage ?",
             "de 22 h 40 à minuit, il y a 1 h 20 min ; de minuit à 6 h 15, il y a 6 h 15 min ; "
             "1 h 20 min + 6 h 15 min = 7 h 35 min", "7 h 35 min"},
            {{Niveau::JourSuivant, Cherche::Debut, 1, hm(20, 5), 305},
             "Le bateau arrive à 1 h 10, après 5 h 5 min de voyage. À quelle heure est-il parti la veille ?",
             "1 h 10 − 1 h 10 min = minuit ; minuit − 3 h 55 min = 20 h 05 la veille", "20 h 05"},
            {{Niveau::Secondes, Cherche::Duree, 0, 10 * 3600 + 12 * 60 + 35, 35 * 60 + 35},
             "Léa court le cross de l'école. Le départ est à 10 h 12 min 35 s, l'arrivée à 10 h 48 min 10 s. "
             "Combien de temps la course a-t-elle duré ?",
             "10 h 48 min 10 s = 10 h 47 min 70 s ; 10 h 47 min 70 s − 10 h 12 min 35 s = 35 min 35 s", "35 min 35 s"},
            {{Niveau::Secondes, Cherche::Fin, 1, 10 * 3600 + 50 * 60 + 35, 40 * 60 + 50},
             "Tom fait le tour du lac à vélo. Le départ est à 10 h 50 min 35 s, et la course dure 40 min 50 s. "
             "À quelle heure est l'arrivée ?",
             "10 h 50 min 35 s + 40 min 50 s = 10 h 90 min 85 s ; 85 s = 1 min 25 s ; 91 min = 1 h 31 min ; "
             "donc 11 h 31 min 25 s", "11 h 31 min 25 s"}};
        for (const auto& c : cas) {
            QCOMPARE(enonce(c.p), c.enonce);
            QCOMPARE(etapes(c.p), c.etapes);
            QCOMPARE(attendue(c.p), c.attendue);
        }
        // Two steps asked in all: the second one counts too.
        const Probleme enTout{Niveau::DeuxEtapes, Cherche::Duree, 0, hm(8, 10), 20, 95};
        QCOMPARE(enonce(enTout), "Léa part de chez elle à 8 h 10. Elle marche 20 min jusqu'à la gare, puis son train "
                                 "roule 1 h 35 min. Combien de temps dure son voyage en tout ?");
        QCOMPARE(etapes(enTout), "20 min + 1 h 35 min = 1 h 55 min");
        QCOMPARE(attendue(enTout), "1 h 55 min");
        // Many draws of every level, each answer against what its statement says.
        SystemRandom hasard;
        for (Niveau n : durees::niveaux) {
            QCOMPARE(durees::depuisCle(durees::cle(n)), n);
            const int unite = n == Niveau::Secondes ? 1 : 60;
            for (int i = 0; i < 400; ++i) {
                const Probleme p = tirer(hasard, n);
                const int fin = p.debut + p.duree + p.duree2;
                QVERIFY(p.debut >= 0 && p.duree > 0);
                QVERIFY(n == Niveau::Secondes || (p.debut % 5 == 0 && p.duree % 5 == 0));
                const int reponse = reponseDuTexte(enonce(p));
                QVERIFY2(reponse > 0, qPrintable(enonce(p)));
                QCOMPARE(p.reponse() * unite, reponse);
                QCOMPARE(secondesDe(attendue(p)), reponse);
                QVERIFY2(etapes(p).endsWith(attendue(p)) || etapes(p).endsWith(attendue(p) + QStringLiteral(" la veille"))
                             || etapes(p).endsWith(attendue(p) + QStringLiteral(" le lendemain")),
                         qPrintable(etapes(p)));
                switch (n) {
                case Niveau::HeuresEntieres:
                    QVERIFY(p.duree % 60 == 0 && p.duree2 == 0 && fin < jour);
                    break;
                case Niveau::SansPasserLHeure:
                    QVERIFY(p.duree < 60 && p.debut / 60 == fin / 60 && p.duree2 == 0);
                    break;
                case Niveau::PasserLHeure:
                    QVERIFY(p.debut % 60 + p.duree % 60 > 60 && p.duree2 == 0 && fin < jour);
                    break;
                case Niveau::DeuxEtapes:
                    QVERIFY(p.duree2 > 0 && p.cherche != Cherche::Debut && fin < jour);
                    break;
                case Niveau::JourSuivant:
                    QVERIFY(p.debut < jour && fin > jour && fin < jour + 12 * 60);
                    break;
                case Niveau::Secondes:
                    QVERIFY(p.duree < 3600 && fin < 24 * 3600 && p.cherche != Cherche::Debut);
                    break;
                }
            }
        }
        QCOMPARE(durees::depuisCle("rien"), Niveau::HeuresEntieres);
        QCOMPARE(indexNiveau(niveauxMots, "cinq_minutes"), 1);
        QCOMPARE(indexNiveau(niveauxMatin, "?"), 0);
    }

    void ecran()
    {
        // The program opened on "La journée", quarters asked in the first
        // section; the draws give 15 h 45 and its dial to find, then 15 h 45
        // in words, then a film of 1 h from 14 h 35; after them every draw is 0.
        Banc b;
        // The screen keeps a time whole on its line (no-break spaces, word joiners).
        const auto texte = [&b](const char* nom) { return b.texte(nom); };
        // What a screen reader hears of a control: "name|description".
        const auto entendu = [&b](const char* nom) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b.w(nom));
            return a->text(QAccessible::Name) + '|' + a->text(QAccessible::Description);
        };
        b.random.push({pour(61, 94, 0), pour(1, 2, 0), pour(0, 3, 0),
                       pour(61, 94, 0), pour(0, 2, 0), pour(1, 3, 0),
                       pour(0, 5, 0), pour(0, 3, 0), pour(0, 5, 0), pour(7, 12, 0), pour(1, 4, 1)});
        QVERIFY(b.demarrer());
        RecordingRegistre registre;
        b.r().registre = &registre;
        b.r().preferences->ecrire("matin_apres_midi/niveau", "quarts");
        b.ouvrir("journee", "journee");
        QVERIFY(b.app->journee()->isVisible());
        QVERIFY(!b.app->depart()->isVisible());
        QCOMPARE(texte("enonce_matin"), "Il est 15 h 45.\nQuelle horloge montre\ncette heure ?");
        QCOMPARE(b.couleur("niveau_matin_quarts"), QColor(255, 0, 255));
        QVERIFY(!b.visible("horloge_matin") && !b.visible("fleche_heure_matin"));
        // The hands swapped, 9 h 15, chosen by a finger.
        b.taperDoigt("cadran_2_matin");
        QVERIFY(b.w<HorlogeAiguilles>("cadran_2_matin")->choisie());
        QCOMPARE(entendu("cadran_2_matin") + ' ' + entendu("cadran_1_matin"), "Horloge 3|9 h 15, choisie Horloge 2|5 h 45");
        b.taperDoigt("verifier_matin");
        QCOMPARE(texte("verdict_matin"), "Erreur ! L'après-midi, on ajoute 12 : 3 h 45 → 15 h 45. La bonne horloge est "
                                           "entourée.\nAttention : la petite aiguille montre les heures, la grande "
                                           "aiguille montre les minutes.");
        QCOMPARE(b.couleur("verdict_matin"), QColor(255, 0, 0));
        QVERIFY(b.w<HorlogeAiguilles>("cadran_0_matin")->choisie() && !b.w<HorlogeAiguilles>("cadran_2_matin")->choisie());
        QCOMPARE(entendu("cadran_0_matin") + ' ' + entendu("cadran_2_matin"),
                 "Horloge 1|3 h 45, la bonne réponse Horloge 3|9 h 15, choisie");
        QCOMPARE(b.sons.played.last(), "1.def");
        QVERIFY(b.visible("encore_matin") && !b.visible("verifier_matin"));

        QCOMPARE(texte("enonce_mots"), "L'horloge montre une heure\nde l'après-midi.\nComment la dit-on ?");
        QCOMPARE(b.w<HorlogeAiguilles>("horloge_mots")->texte(), "3 h 45");
        QCOMPARE(texte("phrase_0_mots") + "|" + texte("phrase_1_mots") + "|" + texte("phrase_2_mots"),
                 "3 heures et quart|4 heures moins le quart|3 heures moins le quart");
        b.clic("verifier_mots");  // nothing chosen: said, nothing judged
        QVERIFY(!b.visible("encore_mots"));
        QCOMPARE(texte("verdict_mots"), "Choisis d'abord une phrase.");
        b.taperDoigt("phrase_1_mots");
        QCOMPARE(entendu("phrase_1_mots") + ' ' + entendu("phrase_0_mots"),
                 "4 heures moins le quart|choisie 3 heures et quart|");
        b.taperDoigt("verifier_mots");
        QCOMPARE(texte("verdict_mots"), "Bravo ! 15 minutes avant 4 heures : on dit « 4 heures moins le quart ».");
        QCOMPARE(b.sons.played.last(), "1.vic");

        QCOMPARE(texte("enonce_duree"), "Le film commence à 14 h 35 et dure 1 h. À quelle heure finit-il ?");
        b.regler(b.fleche("fleche_heure_duree"), 15);
        b.regler(b.fleche("fleche_minute_duree"), 35);
        QCOMPARE(b.texte("minute_duree"), "35");
        b.clic("verifier_duree");
        QCOMPARE(texte("verdict_duree"), "Bravo ! 14 h 35 + 1 h = 15 h 35.");

        // Second round by finger, every draw 0: midnight to read and to say, a film of 1 h from 14 h.
        for (const char* s : {"encore_matin", "encore_mots", "encore_duree"})
            b.taperDoigt(s);
        QCOMPARE(texte("enonce_matin"), "C'est une heure de la nuit.\nÉcris-la comme sur\nune horloge numérique.");
        QCOMPARE(b.w("moment_matin")->accessibleName(), "Dessin : la nuit");
        // "Vérifier" before the answer is set says what is missing; the
        // arrow down gives 0 at once.
        const QStringList manques{"Il manque l'heure et les minutes : choisissez-les avec les flèches.",
                                  "Il manque les minutes : choisissez-les avec les flèches."};
        for (const QString& manque : manques) {
            b.clic("verifier_matin");
            QVERIFY(!b.visible("encore_matin"));
            QCOMPARE(texte("verdict_matin"), manque);
            b.pasDoigt(manque == manques[0] ? "fleche_heure_matin" : "fleche_minute_matin", -1);
        }
        QCOMPARE(b.texte("heure_matin") + b.texte("minute_matin"), "0 h00");
        b.verifierCompte(3, 2, 1);
        b.taperDoigt("verifier_matin");
        QCOMPARE(texte("verdict_matin"), "Bravo ! De minuit à 1 heure, on écrit 0 : 12 h → 0 h.");
        b.clic("phrase_1_mots");
        b.clic("verifier_mots");
        QCOMPARE(texte("verdict_mots"), "Erreur ! La grande aiguille est sur le 12 : on dit « minuit ».");
        // Never a line that begins with ":" or "»".
        QVERIFY(b.w<QLabel>("verdict_mots")->text().endsWith(QStringLiteral("12\u202F: on dit «\u202Fminuit\u202F».")));
        QCOMPARE(entendu("phrase_1_mots") + ' ' + entendu("phrase_0_mots"), "1 heure|choisie minuit|la bonne réponse");
        b.pasDoigt("fleche_heure_duree", 14);
        b.pasDoigt("fleche_minute_duree", 1);
        b.taperDoigt("verifier_duree");
        QCOMPARE(texte("verdict_duree"), "Erreur, c'est 15 h : 14 h + 1 h = 15 h.");
        QCOMPARE(registre.lignes, (QStringList{
            "matin_apres_midi@quarts|Il est 15 h 45 : quelle horloge ?|9 h 15|3 h 45|non",
            "mots_heure@quarts|Horloge 3 h 45 en mots|4 heures moins le quart|4 heures moins le quart|oui",
            "probleme_duree@heures_entieres|Le film commence à 14 h 35 et dure 1 h. À quelle heure finit-il ?|15 h 35|15 h 35|oui",
            "matin_apres_midi@quarts|Horloge 12 h de la nuit|0 h|0 h|oui",
            "mots_heure@quarts|Horloge 12 h en mots|1 heure|minuit|non",
            "probleme_duree@heures_entieres|Le film commence à 14 h et dure 1 h. À quelle heure finit-il ?|14 h 05|15 h|non"}));
        b.verifierCompte(6, 3, 3);

        // A level chosen by a finger's tap or a click is remembered.
        b.taperDoigt("niveau_duree_deux_etapes");
        QCOMPARE(b.r().preferences->lire("probleme_duree/niveau", {}), "deux_etapes");
        QCOMPARE(b.couleur("niveau_duree_deux_etapes"), QColor(255, 0, 255));
        QCOMPARE(entendu("niveau_duree_deux_etapes") + ' ' + entendu("niveau_duree_passer_heure"),
                 "Deux étapes|choisi Passer l'heure|");
        b.taper("Esc");
        QVERIFY(b.app->depart()->isVisible());
    }

    // No loudspeaker sits over a text of the screen (a title, a statement).
    void rienSurLesTextes()
    {
        Banc b;
        QVERIFY(b.demarrer());
        b.ouvrir("journee", "journee");
        QWidget* ecran = b.app->journee();
        const auto haut_parleurs = ecran->findChildren<Ecouter*>();
        QCOMPARE(haut_parleurs.size(), 3);
        for (const QLabel* l : ecran->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!l->isVisibleTo(ecran) || l->text().isEmpty() || qobject_cast<const Ecouter*>(l))
                continue;
            const QRect texte = l->fontMetrics()
                                    .boundingRect(l->contentsRect(), int(l->alignment()) | Qt::TextWordWrap, l->text())
                                    .translated(l->pos());
            for (const Ecouter* e : haut_parleurs)
                QVERIFY2(!e->geometry().intersects(texte), qPrintable(l->objectName() + " : " + l->text()));
        }
    }

    // Levels that follow the child: each section starts at the class's
    // year, and repeated mistakes bring a harder level chosen by the child
    // back down, never below that year.
    void niveauQuiSuit()
    {
        Banc b;
        QVERIFY(b.demarrer());
        b.r().niveaux_adaptes = true;
        b.r().annees = {programme::Annee::CE2};
        b.ouvrir("journee", "journee");
        QCOMPARE(b.couleur("niveau_duree_passer_heure"), QColor(255, 0, 255));
        // Every level of the first section belongs to an earlier year: its last.
        QCOMPARE(b.couleur("niveau_matin_cinq_minutes"), QColor(255, 0, 255));
        b.clic("niveau_duree_deux_etapes");
        // Two steps always end after midnight's 0 h 00: a sure mistake.
        const auto seTromper = [&b](int n) {
            for (int i = 0; i < n; ++i) {
                b.clic("encore_duree");
                // Turned away and back, so that the answer is set.
                for (int v : {1, 0}) {
                    b.regler(b.fleche("fleche_heure_duree"), v);
                    b.regler(b.fleche("fleche_minute_duree"), 5 * v);
                }
                b.clic("verifier_duree");
                QVERIFY(b.texte("verdict_duree").startsWith("Erreur"));
            }
        };
        seTromper(programme::serieDescente - 1);
        QCOMPARE(b.couleur("niveau_duree_deux_etapes"), QColor(255, 0, 255));
        seTromper(1);
        QCOMPARE(b.couleur("niveau_duree_passer_heure"), QColor(255, 0, 255));
        QCOMPARE(b.r().preferences->lire("probleme_duree/niveau", {}), "passer_heure");
        seTromper(programme::serieDescente);
        QCOMPARE(b.couleur("niveau_duree_passer_heure"), QColor(255, 0, 255));
    }
};

QTEST_MAIN(TstJournee)
#include "tst_journee.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// "Mon entraînement": each kind of question judged against answers worked
// out here from what the child is shown, then whole sessions played by keys:
// ten questions of changing kinds, what "Vérifier" says of an unfinished
// answer, the answers recorded with their session, the end, and Escape.
#include <QRegularExpression>
#include <QTest>

#include "clock/ecranaiguilles.h"
#include "common/journee.h"
#include "day/heures.h"
#include "shell/depart.h"
#include "shell/genres.h"
#include "support/banc.h"
#include "training/bilanseance.h"
#include "training/ecranentrainement.h"

namespace {

// Every judged answer, whole.
struct Registre final : RegistreReponses {
    void enregistrer(const ReponseJugee& r) override { reponses << r; }
    QList<ReponseJugee> reponses;
};

int nombre(const QString& texte, const char* motif, int groupe = 1)
{
    const QRegularExpressionMatch m = QRegularExpression(QString::fromUtf8(motif)).match(texte);
    return m.hasMatch() ? m.captured(groupe).toInt() : -1;
}

// The dial's time (0 to 719) as hours 1 to 12 and minutes.
// The first duration written in a text, "1 h 32 min", "50 min", "2 h", in minutes.
int dureeDe(const QString& texte)
{
    const auto m = QRegularExpression(QStringLiteral("^(?:(\\d+) h)? ?(?:(\\d+) min)?")).match(texte);
    return m.captured(1).toInt() * 60 + m.captured(2).toInt();
}

std::pair<int, int> lire(int cadran)
{
    return {cadran / 60 == 0 ? 12 : cadran / 60, cadran % 60};
}

// The right answer, found as a child would from what is shown.
QList<int> bonneReponse(const QString& activite, const question::Enonce& e)
{
    const QString t = QString(e.texte).replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' ')).remove(QChar(0x2060));
    if (activite == "lire_horloge") {
        const auto [h, m] = lire(e.minutes);
        return {h, m};
    }
    if (activite == "placer_aiguilles") {
        const int h = nombre(t, "sur (\\d+) h"), m = std::max(0, nombre(t, "sur \\d+ h (\\d+)"));
        return {(h % 12) * 60 + m, std::max(0, nombre(t, "(\\d+) s\\b"))};
    }
    // Dates and ages: months counted from the dates of the statement.
    static const QStringList mois{"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août",
                                  "septembre", "octobre", "novembre", "décembre"};
    const auto dates = [&t] {
        QList<std::pair<int, int>> l;  // day, months since year 0
        static const QRegularExpression re(QStringLiteral("(\\d+)(?:er)? (\\p{Ll}+) (\\d{4})"),
                                           QRegularExpression::UseUnicodePropertiesOption);
        for (auto it = re.globalMatch(t); it.hasNext();) {
            const auto m = it.next();
            l.append({m.captured(1).toInt(), m.captured(3).toInt() * 12 + int(mois.indexOf(m.captured(2)))});
        }
        return l;
    };
    const auto ansMois = [&t] { return std::pair{nombre(t, "(\\d+) ans?"), nombre(t, "(\\d+) mois")}; };
    const auto ecrire = [](int a, int m) { return QStringLiteral("%1 an%2 et %3 mois").arg(a).arg(a > 1 ? "s" : "").arg(m); };
    QString attendue;
    if (activite == "date_naissance") {
        const int n = dates()[0].second - 12 * ansMois().first - ansMois().second;
        attendue = mois[n % 12] + ' ' + QString::number(n / 12);
    } else if (activite == "date_anniversaire") {
        const int n = dates()[1].second - dates()[0].second;
        attendue = ecrire(n / 12, n % 12);
    } else if (activite == "age_anniversaire") {
        const auto [jour, depuis] = dates()[0];
        const int n = depuis + 12 * ansMois().first + ansMois().second;
        attendue = QStringLiteral("%1 %2 %3").arg(jour == 1 ? "1er" : QString::number(jour), mois[n % 12]).arg(n / 12);
    }
    if (!attendue.isEmpty())
        return {int(e.choix.indexOf(attendue))};
    if (activite == "matin_apres_midi" && !e.choix.isEmpty()) {
        // A child's day: what is done when.
        const std::pair<const char*, const char*> jour[] = {
            {"réveille", "le matin"}, {"école", "le matin"}, {"récréation", "le matin"}, {"cantine", "à midi"},
            {"sport", "l'après-midi"}, {"goûter", "l'après-midi"}, {"parc", "l'après-midi"}, {"bain", "le soir"},
            {"dîne", "le soir"}, {"couche", "le soir"}, {"dort", "la nuit"}};
        for (const auto& [fait, quand] : jour)
            if (t.contains(QString::fromUtf8(fait)))
                return {int(e.choix.indexOf(QString::fromUtf8(quand)))};
    }
    if (activite == "matin_apres_midi") {
        // The words of the moment say whether to add 12.
        const int h = e.minutes / 60;
        const bool plus12 = t.contains("après-midi") || t.contains("soir") || (t.contains("midi") && h == 0);
        return {plus12 ? h + 12 : h, e.minutes % 60};
    }
    if (activite == "minutes_dans_heures")
        return {dureeDe(t.section(QStringLiteral("dans "), 1))};
    if (activite == "minutes_en_heures") {
        const int n = nombre(t, "(\\d+) min");
        return {n / 60, n % 60};
    }
    if (activite == "nombre_manquant")
        return {dureeDe(t.section(QStringLiteral("= "), 1)) - dureeDe(t.section(QStringLiteral("? "), 1))};
    if (activite == "mois_en_annees") {
        const int n = nombre(t, "(\\d+) mois");
        return {n / 12, n % 12};
    }
    if (activite == "montre") {
        const int h = nombre(t, "affiche (\\d+) h"), m = nombre(t, "affiche \\d+ h (\\d+)"), d = nombre(t, "de (\\d+) min");
        const int reel = (h * 60 + m + (t.contains("avance") ? -d : d) + 720) % 720;
        const auto [rh, rm] = lire(reel);
        return {rh, rm};
    }
    return {};
}

// What a French primary teacher would correct in a text said to a child
// (empty when nothing): "mn", "vous", a capital after a colon inside a
// sentence, two colons in one sentence, a plural after 0 or 1, a singular
// after more.
QString fauteDeFrancais(const QString& brut)
{
    const QString t = QString(brut).replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ').remove(QChar(0x2060));
    const QRegularExpression::PatternOption u = QRegularExpression::UseUnicodePropertiesOption;
    const struct { const char* motif; const char* faute; } regles[] = {
        {"\\bmn\\b", "mn"},
        {"\\b(vous|votre|vos|Cliquez|cliquez|Choisissez|Placez|Écrivez|Entrez|Saurez)\\b", "vous"},
        {" : \\p{Lu}", "capitale après deux-points"},
        {":[^.!?]*:", "deux deux-points dans une phrase"},
        {"(?<![\\d,])\\b[01] (réponses|minutes|heures|secondes|étoiles|jours|semaines)\\b", "pluriel après 0 ou 1"},
        {"\\b([2-9]|\\d\\d+) (réponse|minute|heure|seconde|étoile|jour|semaine)\\b", "singulier après 2"},
    };
    for (const auto& r : regles)
        if (QRegularExpression(QString::fromUtf8(r.motif), u).match(t).hasMatch())
            return QString::fromUtf8(r.faute) + QStringLiteral(" : ") + t;
    return {};
}

}  // namespace

class TstEntrainement : public QObject {
    Q_OBJECT

private slots:
    // Each kind with answers of its own: judged right, and one minute or one
    // unit off judged wrong, at every level, on many draws.
    void chaqueGenreJuge()
    {
        const std::vector<std::unique_ptr<GenreQuestion>> genres = tousLesGenres([] { return QDate(2026, 12, 9); });
        SystemRandom hasard;
        int verifiees = 0;
        for (const auto& g : genres) {
            for (const QString& niveau : g->niveaux().isEmpty() ? QStringList{QString()} : g->niveaux()) {
                for (int i = 0; i < 40; ++i) {
                    const question::Enonce e = g->poser(niveau, hasard);
                    const QList<int> juste = bonneReponse(g->activite(), e);
                    if (juste.isEmpty()) {
                        // Judged elsewhere (the calendar's own test): its words here.
                        for (const QString& texte : QStringList{e.texte, g->juger({0, 1}).explication} + e.choix)
                            QVERIFY2(fauteDeFrancais(texte).isEmpty(), qPrintable(fauteDeFrancais(texte)));
                        continue;
                    }
                    const question::Verdict v = g->juger(juste);
                    QVERIFY2(v.juste, qPrintable(g->activite() + ' ' + niveau + ": " + e.texte + " → " + v.explication));
                    // What the child reads and hears, in the school's French.
                    for (const QString& texte : QStringList{e.texte, v.explication} + e.choix)
                        QVERIFY2(fauteDeFrancais(texte).isEmpty(), qPrintable(fauteDeFrancais(texte)));
                    QVERIFY(!v.trace.question.isEmpty() && v.trace.reponse == v.trace.attendue);
                    QList<int> faux = juste;
                    faux.last() += 1;
                    const question::Verdict f = g->juger(faux);
                    QVERIFY2(!f.juste, qPrintable(g->activite() + ": " + e.texte));
                    QVERIFY2(fauteDeFrancais(f.explication).isEmpty(), qPrintable(fauteDeFrancais(f.explication)));
                    ++verifiees;
                }
            }
        }
        QVERIFY(verifiees > 500);
        // Whatever the week's work gives, a session can ask it.
        QSet<int> servis;
        for (const auto& g : genres)
            for (const QString& n : g->niveaux().isEmpty() ? QStringList{QString()} : g->niveaux())
                servis << programme::itemDe(g->activite(), n);
        servis.remove(-1);
        QCOMPARE(servis.size(), qsizetype(programme::items().size()));
    }

    // The own screens' fixed texts, and those built from the programme.
    void lesTextesFixes()
    {
        QStringList textes{seance::texteMarques(1, 1), seance::texteMarques(0, 2), seance::resultat(1, 10),
                           seance::resultat(0, 10), seance::ensuite(QStringLiteral("Les demies et les quarts")),
                           placer::enonce(QStringLiteral("4 h 45")), placer::reussite(QStringLiteral("3 h 45"), QStringLiteral("15 h 45")),
                           placer::erreur(QStringLiteral("3 h 45"), QStringLiteral("15 h 45"), true)};
        QStringList ids;
        for (const programme::Item& i : programme::items())
            ids << QString::fromLatin1(i.id);
        textes << programme::texteTravail(ids);
        programme::Parcours p;
        for (int i : programme::itemsDesAnnees({programme::Annee::CE1}))
            p.etapes.append({i, programme::Etape::EnRoute});
        p.prochain = p.etapes.first().item;
        textes << programme::texteParcours(p);
        for (int i = 0; i < int(journee::scenes.size()); ++i)
            textes << journee::enonceMoment(i) << journee::verdictMoment(i, journee::Moment::Midi);
        for (const QString& t : std::as_const(textes))
            QVERIFY2(fauteDeFrancais(t).isEmpty(), qPrintable(fauteDeFrancais(t)));
        QCOMPARE(fauteDeFrancais(QStringLiteral("Placez 4 h 45 mn. À travailler : Les quarts. 1 réponses")).isEmpty(), false);
    }

    void lesEtoiles()
    {
        // Nine right in ten for three stars, seven for two, five for one.
        for (const auto& [justes, total, n] : {std::tuple{10, 10, 3}, {9, 10, 3}, {8, 10, 2}, {7, 10, 2}, {6, 10, 1},
                                               {5, 10, 1}, {4, 10, 0}, {3, 4, 2}, {0, 0, 0}})
            QCOMPARE(seance::etoiles(justes, total), n);
        QCOMPARE(seance::resultat(1, 10), "Tu as trouvé 1 bonne réponse sur 10 !");
        QCOMPARE(seance::texteMarques(1, 2), "1 réponse juste, 2 réponses fausses");
        QCOMPARE(seance::texteMarques(0, 10), "0 réponse juste, 10 réponses fausses");
    }

    void uneSeanceAuClavier()
    {
        Banc b;
        b.voix.rendreDisponible();
        QVERIFY(b.demarrer());
        Registre registre;
        b.r().registre = &registre;
        b.r().prenom = QStringLiteral("Léa");
        b.app->depart()->montrerJoueur(b.r().prenom);
        QCOMPARE(b.w("entrainement")->accessibleName(), "Mon entraînement");
        b.ouvrir("entrainement", "entrainement");
        auto* ecran = qobject_cast<EcranEntrainement*>(b.ecranNomme("entrainement"));
        QVERIFY(ecran && ecran->isVisible());
        const QString seance = ecran->seance();
        QVERIFY(QRegularExpression("^s[0-9a-f]{16}$").match(seance).hasMatch());
        QCOMPARE(ecran->plan().size(), 10);
        // F5 says the statement shown.
        b.taper("F5");
        QCOMPARE(b.voix.dits.size(), 1);

        const auto focus = [&b] { return b.app->fenetre()->focusWidget() ? b.app->fenetre()->focusWidget()->objectName() : QString(); };
        const auto aller = [&](const QString& nom) {
            for (int i = 0; i < 20 && focus() != nom; ++i)
                b.taper("Tab");
            QCOMPARE(focus(), nom);
        };
        bool manqueVu = false;
        for (int k = 0; k < 10; ++k) {
            const QString numero = QStringLiteral("Question %1 sur 10").arg(k + 1);
            QCOMPARE(b.texte("numero"), numero);
            QCOMPARE(b.w("numero")->accessibleName(), numero);
            if (b.visible("fleche_0")) {
                if (!manqueVu) {
                    aller("verifier");
                    b.taper("Return");
                    QVERIFY2(b.texte("verdict").startsWith("Il manque "), qPrintable(b.texte("verdict")));
                    QVERIFY(!b.visible("encore"));
                    manqueVu = true;
                }
                aller("fleche_0");
                b.taper("Up");
                if (b.visible("fleche_1")) {
                    aller("fleche_1");
                    b.taper("Down");  // at 0: 0 is given at once
                }
            } else if (b.visible("choix_0")) {
                aller("choix_1");
                b.taper("Return");
            }
            aller("verifier");
            b.taper("Return");
            QVERIFY(b.visible("encore"));
            QCOMPARE(registre.reponses.size(), k + 1);
            aller("encore");
            b.taper("Return");
        }
        QVERIFY(manqueVu);
        // Every answer with its session, kinds never twice in a row.
        int justes = 0;
        for (qsizetype i = 0; i < registre.reponses.size(); ++i) {
            const ReponseJugee& r = registre.reponses[i];
            QCOMPARE(r.seance, seance);
            QCOMPARE(r.activite, ecran->plan()[i].activite);
            QCOMPARE(r.niveau, ecran->plan()[i].niveau);
            if (i > 0)
                QVERIFY(r.activite != registre.reponses[i - 1].activite);
            justes += r.juste;
        }
        QVERIFY(b.visible("resultat") && b.visible("encore_seance") && !b.visible("enonce"));
        QCOMPARE(b.w("marques")->accessibleName(), seance::texteMarques(justes, 10 - justes));
        b.taper("F5");
        QVERIFY2(b.voix.dits.last().contains(QStringLiteral("trouvé")), qPrintable(b.voix.dits.last()));
        QVERIFY(b.texte("resultat").startsWith(justes == 0 ? QStringLiteral("Tu n'as trouvé aucune bonne réponse sur 10.")
                                                           : QStringLiteral("Tu as trouvé %1 ").arg(justes)));
        // Another session, then Escape in the middle of it: back to the start
        // screen, the answer given kept.
        aller("encore_seance");
        b.taper("Return");
        QVERIFY(ecran->seance() != seance);
        QCOMPARE(b.texte("numero"), "Question 1 sur 10");
        QVERIFY(b.visible("enonce") && b.visible("verdict") && !b.visible("resultat"));
        if (b.visible("fleche_0")) {
            aller("fleche_0");
            b.taper("Up");
        } else if (b.visible("choix_0")) {
            aller("choix_0");
            b.taper("Return");
        }
        aller("verifier");
        b.taper("Return Esc");
        QVERIFY(!ecran->isVisible() && b.ecranNomme("depart")->isVisible());
        QCOMPARE(registre.reponses.size(), 11);
        QCOMPARE(registre.reponses.last().seance, ecran->seance());
    }
};

QTEST_MAIN(TstEntrainement)
#include "tst_entrainement.moc"

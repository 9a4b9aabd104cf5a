// SPDX-License-Identifier: GPL-3.0-or-later
// What a training session asks, case by case: the week's work first, the
// year's items not reached nearest first, reached ones longest unseen, the
// level each calls for, and never one kind twice in a row.
#include <QElapsedTimer>
#include <QTest>

#include "programme/seance.h"

using namespace programme;

namespace {

const QList<GenreServi> tousLesGenres{
    {"placer_aiguilles", {"heures", "demi_heures", "quarts", "cinq_minutes", "minutes", "apres_midi", "secondes"}},
    {"lire_horloge", {}},
    {"matin_apres_midi", {"heures_pile", "quarts", "cinq_minutes"}},
    {"mots_heure", {"quarts", "cinq_minutes"}},
    {"montre", {}},
    {"probleme_duree", {"heures_entieres", "sans_passer_heure", "passer_heure", "deux_etapes"}},
    {"minutes_dans_heures", {}},
    {"minutes_en_heures", {}},
    {"nombre_manquant", {}},
    {"comparer_durees", {}},
    {"mois_en_annees", {}},
};

int item(const char* id)
{
    return indexItem(QString::fromLatin1(id));
}

// n answers to an item, the first `justes` right, the last given at `quand`.
void repondre(Positionnement& p, const char* id, int n, int justes, qint64 quand = 1'000'000)
{
    for (int i = 0; i < n; ++i)
        p.ajouterA(item(id), quand - n + 1 + i, i < justes);
}

QStringList idsDe(const QList<QuestionPrevue>& s)
{
    QStringList l;
    for (const QuestionPrevue& q : s)
        l << QString::fromLatin1(items()[size_t(q.item)].id);
    return l;
}

}  // namespace

class TstSeance : public QObject {
    Q_OBJECT

private slots:
    void lesCas()
    {
        const qint64 jour = 86400;
        const struct Cas {
            const char* nom;
            QList<Annee> annees;
            QList<const char*> travail;
            std::function<void(Positionnement&)> reponses;
            // What the session starts with, item by item.
            QStringList debut;
            // Items that must come, and items that must not.
            QStringList avec, sans;
            QList<GenreServi> genres = tousLesGenres;
        } cas[] = {
            {"sans année: le CE1, rien d'atteint", {}, {}, [](Positionnement&) {}, {},
             {"ce1_demi_quarts", "ce1_heures_minutes", "ce1_matin_apres_midi", "ce1_durees"},
             {"cp_heures", "ce2_lire_placer", "cm1_dates"}},
            {"le travail de la semaine d'abord, même hors de l'année", {Annee::CE1}, {"ce2_conversions", "cp_moments"},
             [](Positionnement&) {}, {"ce2_conversions", "ce2_conversions", "cp_moments"},
             {"cp_moments", "ce1_durees"}, {}},
            {"le plus près d'être atteint d'abord", {Annee::CE2}, {},
             [](Positionnement& p) {
                 repondre(p, "ce2_mots_heure", 10, 2);
                 repondre(p, "ce2_problemes", 10, 7);
                 repondre(p, "ce2_conversions", 4, 4);
             },
             {"ce2_problemes", "ce2_mots_heure"}, {"ce2_conversions", "ce2_mois_annees"}, {}},
            {"atteints: les moins récents reviennent, trois au plus", {Annee::CE2}, {},
             [jour](Positionnement& p) {
                 repondre(p, "ce1_durees", 10, 10, 30 * jour);
                 repondre(p, "cp_heures", 10, 9, 2 * jour);
                 repondre(p, "cp_moments", 10, 10, 20 * jour);
                 repondre(p, "ce1_demi_quarts", 10, 10, 10 * jour);
                 repondre(p, "ce1_matin_apres_midi", 10, 10, 29 * jour);
             },
             {}, {"cp_heures", "ce1_demi_quarts", "cp_moments", "ce2_mois_annees"}, {"ce1_matin_apres_midi", "ce1_durees"}},
            {"tout atteint: que des révisions, de son année", {Annee::CP}, {},
             [](Positionnement& p) {
                 repondre(p, "cp_heures", 10, 10, 50);
                 repondre(p, "cp_moments", 10, 10, 20);
                 repondre(p, "ce1_demi_quarts", 10, 10, 10);
             },
             {"cp_moments", "cp_heures"}, {}, {"ce1_demi_quarts", "ce1_durees", "cm2_secondes"}},
            {"un seul genre servi", {Annee::CE1}, {}, [](Positionnement&) {},
             {"ce1_demi_quarts"}, {}, {"ce1_durees"}, {{"placer_aiguilles", {"heures", "demi_heures", "quarts", "cinq_minutes"}}}},
        };
        for (const Cas& c : cas) {
            Positionnement p;
            c.reponses(p);
            QList<int> travail;
            for (const char* t : c.travail)
                travail << item(t);
            const QList<QuestionPrevue> s = programme::planifier(p, {c.annees, travail, c.genres});
            const QStringList ids = idsDe(s);
            QVERIFY2(s.size() == questionsParSeance, c.nom);
            QVERIFY2(ids.mid(0, c.debut.size()) == c.debut, qPrintable(QString::fromUtf8(c.nom) + ": " + ids.join(' ')));
            for (const QString& a : c.avec)
                QVERIFY2(ids.contains(a), qPrintable(QString::fromUtf8(c.nom) + " sans " + a));
            for (const QString& a : c.sans)
                QVERIFY2(!ids.contains(a), qPrintable(QString::fromUtf8(c.nom) + " avec " + a));
            for (qsizetype i = 1; c.genres.size() > 1 && i < s.size(); ++i)
                QVERIFY2(s[i].activite != s[i - 1].activite, qPrintable(QString::fromUtf8(c.nom) + ": " + s[i].activite));
            for (const QuestionPrevue& q : s)
                QVERIFY2(itemDe(q.activite, q.niveau) == q.item, c.nom);
        }
    }

    // Three right in four or better: the item's harder level; under it, the easier.
    void leNiveauDeChaqueItem()
    {
        const GenreServi aiguilles{"placer_aiguilles", {"heures", "demi_heures", "quarts"}};
        const GenreServi lire{"lire_horloge", {}};
        for (const auto& [justes, niveau] : {std::pair{6, "quarts"}, std::pair{5, "demi_heures"}}) {
            Positionnement p;
            repondre(p, "ce1_demi_quarts", 8, justes);
            for (const QuestionPrevue& q : programme::planifier(p, {{Annee::CE1}, {}, {aiguilles, lire}}))
                if (q.item == item("ce1_demi_quarts"))
                    QCOMPARE(q.niveau, QString::fromLatin1(niveau));
        }
        QVERIFY(programme::planifier(Positionnement(), {{Annee::CE1}, {}, {}}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSeance)
#include "tst_seance.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "textesseance.h"

#include "common/journee.h"

namespace seance {
namespace {

using journee::duree;

QString debut(bool juste)
{
    return juste ? QStringLiteral("Bravo ! ") : QStringLiteral("Erreur ! ");
}

// A time read on a dial: "5 h 40", "12 h 05".
QString cadran(int heure, int minute)
{
    return journee::surCadran(heure * 60 + minute);
}

}  // namespace

QString enonceLecture()
{
    return QStringLiteral("Quelle heure montre cette horloge ?");
}

QString verdictLecture(const lecture::Question& q, bool juste)
{
    const int suivante = q.heure % 12 + 1;
    return debut(juste) + QStringLiteral("L'horloge montre %1. La petite aiguille a passé le %2 : il est %2 h passées. "
                                         "La grande aiguille montre %3 minute%4 après le 12.")
                              .arg(cadran(q.heure, q.minutes))
                              .arg(q.heure)
                              .arg(q.minutes)
                              .arg(q.minutes > 1 ? "s" : "")
         + (juste ? QString() : QStringLiteral(" La petite aiguille n'est pas encore sur le %1.").arg(suivante));
}

QString enonceMinutes(const minutes::Question& q)
{
    return QStringLiteral("Combien de minutes y a-t-il dans %1 ?").arg(duree(q.attendu()));
}

QString verdictMinutes(const minutes::Question& q, bool juste)
{
    return debut(juste) + QStringLiteral("Il y a 60 min dans 1 h, donc %1 h = %2 min. Et %2 min + %3 min = %4 min.")
                              .arg(q.heures)
                              .arg(q.heures * 60)
                              .arg(q.minutes)
                              .arg(q.attendu());
}

QString enonceConversion(const conversion::Question& q)
{
    return QStringLiteral("Écris %1 min en heures et en minutes.").arg(q.minutes);
}

QString verdictConversion(const conversion::Question& q, bool juste)
{
    const calendrier::HeureMinute a = q.attendu();
    return debut(juste) + QStringLiteral("%1 min = %2. Dans %1 min, il y a %3 fois 60 min, soit %4 min, et il reste %5 min.")
                              .arg(q.minutes)
                              .arg(duree(q.minutes))
                              .arg(a.heure)
                              .arg(a.heure * 60)
                              .arg(a.minute);
}

QString enonceMontre(const montre::Question& q)
{
    return QStringLiteral("Ma montre affiche %1. Elle %2 de %3. Quelle heure est-il vraiment ?")
        .arg(cadran(q.heure, q.minutes), q.sens == montre::Avance ? QStringLiteral("avance") : QStringLiteral("retarde"),
             duree(q.decalage));
}

QString verdictMontre(const montre::Question& q, bool juste)
{
    const calendrier::HeureMinute r = montre::heureReelle(q);
    const bool avance = q.sens == montre::Avance;
    return debut(juste) + QStringLiteral("La montre %1, donc on %2 %3. %4 %5 %3 = %6.")
                              .arg(avance ? QStringLiteral("avance") : QStringLiteral("retarde"),
                                   avance ? QStringLiteral("enlève") : QStringLiteral("ajoute"), duree(q.decalage),
                                   cadran(q.heure, q.minutes), avance ? QStringLiteral("−") : QStringLiteral("+"),
                                   cadran(montre::heureSurCadran(r.heure), r.minute));
}

QString enonceManquant(const nombre_manquant::Question& q)
{
    return QStringLiteral("Quel nombre manque ? %1 + ? = %2").arg(duree(q.connu), duree(q.connu + q.manquant));
}

QString verdictManquant(const nombre_manquant::Question& q, bool juste)
{
    const int total = q.connu + q.manquant;
    return debut(juste) + QStringLiteral("Il manque %1. %2 = %3 min, et %3 min − %4 min = %1.")
                              .arg(duree(q.manquant), duree(total))
                              .arg(total)
                              .arg(q.connu);
}

QString enonceComparaison(const comparaison::Question& q)
{
    return QStringLiteral("Compare %1 et %2 min + %3 min. Est-ce plus petit, plus grand ou égal ?")
        .arg(duree(q.duree()))
        .arg(q.terme1)
        .arg(q.terme2);
}

QString nomChoix(comparaison::Choix c)
{
    switch (c) {
    case comparaison::Choix::PlusPetit:
        return QStringLiteral("Plus petit");
    case comparaison::Choix::PlusGrand:
        return QStringLiteral("Plus grand");
    case comparaison::Choix::Egal:
        break;
    }
    return QStringLiteral("Égal");
}

QString verdictComparaison(const comparaison::Question& q, comparaison::Choix choix)
{
    const comparaison::Choix vraie = comparaison::relation(q);
    const QString relation = vraie == comparaison::Choix::PlusPetit ? QStringLiteral("plus petit que")
                           : vraie == comparaison::Choix::PlusGrand ? QStringLiteral("plus grand que")
                                                                    : QStringLiteral("égal à");
    return debut(choix == vraie) + QStringLiteral("%1 min + %2 min = %3 min, et %4 = %5 min. Donc %4 est %6 %1 min + %2 min.")
                                       .arg(q.terme1)
                                       .arg(q.terme2)
                                       .arg(q.somme())
                                       .arg(duree(q.duree()))
                                       .arg(q.duree())
                                       .arg(relation);
}

}  // namespace seance

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "classroom/classe.h"
#include "programme/positionnement.h"

// Right answers over all answers.
struct Compte {
    qint64 justes = 0;
    qint64 total = 0;
    void ajouter(bool juste)
    {
        ++total;
        justes += juste ? 1 : 0;
    }
    Compte& operator+=(const Compte& c)
    {
        justes += c.justes;
        total += c.total;
        return *this;
    }
    // 0 to 1; no answer counts as none right.
    double part() const { return total > 0 ? double(justes) / double(total) : 0.0; }
    friend bool operator==(const Compte&, const Compte&) = default;
};

// A child at a glance: their counts per activity and the last time they played.
struct ResumeEnfant {
    Joueur enfant;
    QHash<QString, Compte> activites;
    QDateTime dernier;
    // Where they stand on the programme, from their latest answers.
    programme::Positionnement position;
    // This week's training sessions ("Mon entraînement"), by their identity.
    QHash<QString, Compte> seances{};
    Compte seancesTotal() const
    {
        Compte t;
        for (const Compte& c : seances)
            t += c;
        return t;
    }
    Compte total() const
    {
        Compte t;
        for (const Compte& c : activites)
            t += c;
        return t;
    }
};

// "1 élève", "24 élèves": how the view and the report count the class.
inline QString nombreEleves(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 élève") : QStringLiteral("%1 élèves").arg(n);
}

struct ResumeClasse {
    QList<ResumeEnfant> enfants;  // in the class list's order
    int ignores = 0;              // lines, files and folders skipped
    QList<classe::EtatPoste> postes;  // each computer's word on its sending
    // The class's year(s), from its settings; none: every year.
    QList<programme::Annee> annees;
    // The items the class is positioned on: those of its year(s).
    QList<int> items() const { return programme::itemsDesAnnees(annees); }
    Compte activite(const QString& a) const
    {
        Compte t;
        for (const ResumeEnfant& e : enfants)
            t += e.activites.value(a);
        return t;
    }
};

// "2 séances, 15 justes sur 20"; "aucune séance".
QString texteSeances(const ResumeEnfant& e);

// One week of a child's answers, from its Monday.
struct Semaine {
    QDate lundi;
    Compte compte;
};
// The Monday of that day's week.
inline QDate lundiDe(QDate d)
{
    return d.addDays(1 - d.dayOfWeek());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "modeleclasse.h"

#include <QBrush>
#include <QLocale>

#include "dessins.h"
#include "players/bilan.h"

ModeleClasse::ModeleClasse(QStringList activites, QObject* parent)
    : QAbstractTableModel(parent), activites_(std::move(activites))
{
}

void ModeleClasse::setResume(const ResumeClasse& resume)
{
    bool memes = resume.enfants.size() == resume_.enfants.size();
    for (qsizetype i = 0; memes && i < resume.enfants.size(); ++i)
        memes = resume.enfants[i].enfant == resume_.enfants[i].enfant;
    if (!memes)
        beginResetModel();
    resume_ = resume;
    if (!memes) {
        endResetModel();
        return;
    }
    if (!resume_.enfants.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ModeleClasse::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(resume_.enfants.size());
}

int ModeleClasse::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : colonneDernier() + 1;
}

Compte ModeleClasse::compte(int ligne, int colonne) const
{
    const ResumeEnfant& e = resume_.enfants[ligne];
    return colonne == colonneTotal() ? e.total() : e.activites.value(activites_.value(colonne - 1));
}

QVariant ModeleClasse::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ResumeEnfant& e = resume_.enfants[index.row()];
    const int c = index.column();
    if (c == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return e.enfant.nom;
        if (role == Qt::UserRole)
            return e.enfant.nom.toCaseFolded();
        return {};
    }
    if (c == colonneSeances()) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return e.seances.isEmpty() ? QStringLiteral("—") : texteSeances(e);
        if (role == Qt::UserRole)
            return qint64(e.seances.size()) * 1'000'000 + e.seancesTotal().justes;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (c == colonneDernier()) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return e.dernier.isValid() ? texteDernier(e.dernier, QDateTime::currentDateTime())
                                       : QStringLiteral("jamais");
        if (role == Qt::UserRole)
            return e.dernier.isValid() ? e.dernier.toMSecsSinceEpoch() : qint64(0);
        return {};
    }
    const Compte k = compte(index.row(), c);
    switch (role) {
    case Qt::DisplayRole:
        return texteCompte(k);
    case Qt::AccessibleTextRole:
        return k.total == 0 ? QStringLiteral("aucune réponse")
                            : QStringLiteral("%1 justes sur %2").arg(k.justes).arg(k.total);
    case Qt::BackgroundRole:
        return QBrush(couleurReussite(k));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::UserRole:
        // Unanswered below any answered one.
        return k.total == 0 ? -1.0 : k.part() + double(k.total) * 1e-9;
    default:
        return {};
    }
}

QVariant ModeleClasse::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    if (section == 0)
        return QStringLiteral("Élève");
    if (section == colonneDernier())
        return QStringLiteral("Dernière fois");
    if (section == colonneSeances())
        return QStringLiteral("Séances\ncette semaine");
    Compte k;
    QString titre = QStringLiteral("Total");
    if (section == colonneTotal()) {
        for (const ResumeEnfant& e : resume_.enfants)
            k += e.total();
    } else {
        k = resume_.activite(activites_.value(section - 1));
        titre = titreActivite(activites_.value(section - 1));
    }
    // The class's share in the header, narrow; the counts when asked.
    if (role != Qt::DisplayRole)
        return QStringLiteral("%1 : %2 réponses justes sur %3").arg(titre).arg(k.justes).arg(k.total);
    return QStringLiteral("%1\n%2").arg(enLignes(titre, largeurTitre), textePart(k));
}

QString enLignes(const QString& titre, qsizetype largeur)
{
    QStringList lignes;
    for (const QString& mot : titre.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lignes.isEmpty() && lignes.last().size() + 1 + mot.size() <= largeur)
            lignes.last() += QLatin1Char(' ') + mot;
        else
            lignes << mot;
    }
    return lignes.join(QLatin1Char('\n'));
}

QString texteDernier(const QDateTime& quand, const QDateTime& maintenant)
{
    const QLocale fr(QLocale::French, QLocale::France);
    const qint64 jours = quand.date().daysTo(maintenant.date());
    const QString heure = fr.toString(quand.time(), QStringLiteral("HH:mm"));
    if (jours == 0)
        return QStringLiteral("aujourd'hui %1").arg(heure);
    if (jours == 1)
        return QStringLiteral("hier %1").arg(heure);
    return fr.toString(quand.date(), jours < 7 ? QStringLiteral("dddd d MMM") : QStringLiteral("d MMM yyyy"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <QCommandLineParser>

namespace options {
namespace {

struct Option {
    QStringList noms;
    const char* description;
    // The value's name in the help, for an option followed by a value.
    const char* valeur = nullptr;
};

// Qt's own help and version options would describe themselves in English.
const Option optionAide{{QStringLiteral("h"), QStringLiteral("help")}, "Affiche cette aide et quitte."};
const Option optionVersion{{QStringLiteral("v"), QStringLiteral("version")},
                           "Affiche la version de Klepsos et quitte."};
const Option optionFenetre{{QStringLiteral("fenetre")},
                           "Ouvre Klepsos dans une fenêtre, pour cette fois seulement."};
const Option optionPleinEcran{{QStringLiteral("plein-ecran")},
                              "Ouvre Klepsos en plein écran, pour cette fois seulement."};
const Option optionClasse{{QStringLiteral("classe")},
                          "Garde les élèves et leurs réponses dans ce dossier de classe partagé.", "DOSSIER"};
const Option optionEnseignant{{QStringLiteral("enseignant")},
                              "Ouvre l'espace enseignant : la classe, les élèves, le rapport."};
const Option optionRapport{{QStringLiteral("rapport")},
                           "Écrit le rapport de la classe en PDF dans FICHIER et quitte.", "FICHIER"};
const Option* const toutes[] = {&optionAide,   &optionVersion,    &optionFenetre,
                                &optionPleinEcran, &optionClasse, &optionEnseignant, &optionRapport};

QString enLigne(const Option& o)
{
    QStringList noms;
    for (const QString& n : o.noms)
        noms << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    QString t = noms.join(QStringLiteral(", "));
    if (o.valeur)
        t += QLatin1Char(' ') + QLatin1String(o.valeur);
    return t;
}

}  // namespace

Choix lire(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option* o : toutes)
        p.addOption(QCommandLineOption(o->noms, QString::fromUtf8(o->description),
                                       o->valeur ? QString::fromLatin1(o->valeur) : QString()));
    const bool compris = p.parse(arguments);

    Choix c;
    c.aide = p.isSet(optionAide.noms.first());
    c.version = p.isSet(optionVersion.noms.first());
    const bool fenetre = p.isSet(optionFenetre.noms.first());
    const bool pleinEcran = p.isSet(optionPleinEcran.noms.first());
    if (fenetre && pleinEcran)
        c.erreur = QStringLiteral("Choisissez --fenetre ou --plein-ecran, pas les deux.");
    else if (fenetre)
        c.affichage = Affichage::Fenetre;
    else if (pleinEcran)
        c.affichage = Affichage::PleinEcran;
    c.classe = p.value(optionClasse.noms.first());
    c.enseignant = p.isSet(optionEnseignant.noms.first());
    c.rapport = p.value(optionRapport.noms.first());
    if (c.enseignant && !c.rapport.isEmpty())
        c.erreur = QStringLiteral("Choisissez --enseignant ou --rapport, pas les deux.");
    if (!compris && !p.unknownOptionNames().isEmpty())
        c.erreur = QStringLiteral("Option inconnue : %1").arg(p.unknownOptionNames().first());
    else if (!p.positionalArguments().isEmpty())
        c.erreur = QStringLiteral("Argument inattendu : %1").arg(p.positionalArguments().first());
    else if (!compris)
        c.erreur = QStringLiteral("Il manque une valeur : --classe DOSSIER, --rapport FICHIER.");
    if (!c.erreur.isEmpty())
        c.erreur += QStringLiteral("\nLa liste des options : klepsos --help");
    return c;
}

QString texteAide()
{
    QString t = QStringLiteral(
        "Utilisation : klepsos [options]\n"
        "Klepsos apprend à lire l'heure et à calculer avec les dates.\n\n"
        "Options :\n");
    for (const Option* o : toutes)
        t += QStringLiteral("  %1  %2\n").arg(enLigne(*o), -20).arg(QString::fromUtf8(o->description));
    t += QStringLiteral(
        "\nLa touche F11 passe du plein écran à une fenêtre et retour ;\n"
        "Klepsos s'en souvient au démarrage suivant.\n");
    return t;
}

QString texteVersion()
{
    return QStringLiteral("Klepsos " KLEPSOS_VERSION "\n");
}

}  // namespace options

// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <QCommandLineParser>

#include "common/nomjoueur.h"

namespace options {
namespace {

struct Option {
    QStringList noms;
    const char* description;
    // The name of its value in the help; none for a switch.
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
const Option optionJoueur{{QStringLiteral("joueur")},
                          "Joue sous ce prénom, créé s'il est nouveau.", "PRÉNOM"};
const Option optionExporter{{QStringLiteral("exporter")},
                            "Écrit toutes les réponses enregistrées dans ce fichier CSV et quitte.",
                            "FICHIER"};
const Option optionPositionnement{{QStringLiteral("exporter-positionnement")},
                                   "Écrit le positionnement de chaque élève sur le programme de l'année dans ce "
                                   "fichier CSV et quitte.",
                                   "FICHIER"};
const Option optionClasse{{QStringLiteral("classe")},
                          "Garde les élèves et leurs réponses dans ce dossier de classe partagé.", "DOSSIER"};
const Option optionEnseignant{{QStringLiteral("enseignant")},
                              "Ouvre l'espace enseignant : la classe, les élèves, le rapport."};
const Option optionTableau{{QStringLiteral("tableau")},
                           "Ouvre « Au tableau » : une grande horloge pour toute la classe, au tableau "
                           "interactif."};
const Option optionRapport{{QStringLiteral("rapport")},
                           "Écrit le rapport de la classe en PDF dans FICHIER et quitte.", "FICHIER"};
const Option* const toutes[] = {&optionAide,   &optionVersion, &optionFenetre,    &optionPleinEcran, &optionJoueur,
                                &optionExporter, &optionPositionnement, &optionClasse, &optionEnseignant, &optionTableau,
                                &optionRapport};

QString enLigne(const Option& o)
{
    QStringList noms;
    for (const QString& n : o.noms)
        noms << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    QString t = noms.join(QStringLiteral(", "));
    if (o.valeur)
        t += QLatin1Char(' ') + QString::fromUtf8(o.valeur);
    return t;
}

// The options Qt takes for itself when the application starts, with those
// that are followed by a value.
const QStringList optionsDeQtAvecValeur{
    QStringLiteral("platform"),   QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),     QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"),          QStringLiteral("display"),
    QStringLiteral("geometry"),   QStringLiteral("name"),               QStringLiteral("title"),
    QStringLiteral("style"),      QStringLiteral("stylesheet")};
const QStringList optionsDeQtSeules{QStringLiteral("reverse"), QStringLiteral("nograb"), QStringLiteral("dograb"),
                                    QStringLiteral("sync"), QStringLiteral("widgetcount"),
                                    QStringLiteral("testability")};

// "--fenetre=1": a value given to an option that takes none. Qt's parser
// reports it only in English.
QString valeurEnTrop(const QStringList& arguments)
{
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--"))
            break;
        const qsizetype egal = a.indexOf(QLatin1Char('='));
        if (!a.startsWith(QLatin1Char('-')) || egal < 0)
            continue;
        const QString nom = a.left(egal).mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        for (const Option* o : toutes)
            if (!o->valeur && o->noms.contains(nom))
                return QStringLiteral("L'option %1 ne prend pas de valeur : %2").arg(enLigne(*o), a);
    }
    return {};
}

}  // namespace

QStringList sansOptionsDeQt(const QStringList& arguments)
{
    QStringList restent;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) {
            restent << arguments.mid(i);
            break;
        }
        if (i == 0 || !a.startsWith(QLatin1Char('-'))) {
            restent << a;
            continue;
        }
        QString nom = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype egal = nom.indexOf(QLatin1Char('='));
        const bool valeurJointe = egal >= 0;
        if (valeurJointe)
            nom.truncate(egal);
        if (optionsDeQtAvecValeur.contains(nom)) {
            if (!valeurJointe)
                ++i;  // its value follows
            continue;
        }
        if (optionsDeQtSeules.contains(nom) || nom == QLatin1String("qmljsdebugger"))
            continue;
        restent << a;
    }
    return restent;
}

Choix lire(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option* o : toutes)
        p.addOption(o->valeur ? QCommandLineOption(o->noms, QString::fromUtf8(o->description),
                                                   QString::fromUtf8(o->valeur))
                              : QCommandLineOption(o->noms, QString::fromUtf8(o->description)));
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
    if (p.isSet(optionJoueur.noms.first())) {
        const QString brut = p.value(optionJoueur.noms.first());
        c.joueur = nomJoueurValide(brut);
        if (!c.joueur)
            c.erreur = QStringLiteral("Prénom refusé : ") + messageNomRefuse(brut);
    }
    if (p.isSet(optionExporter.noms.first())) {
        c.exporter = p.value(optionExporter.noms.first());
        if (c.exporter->isEmpty())
            c.erreur = QStringLiteral("--exporter demande le nom du fichier à écrire.");
    }
    if (p.isSet(optionPositionnement.noms.first())) {
        c.exporterPositionnement = p.value(optionPositionnement.noms.first());
        if (c.exporterPositionnement->isEmpty())
            c.erreur = QStringLiteral("--exporter-positionnement demande le nom du fichier à écrire.");
    }
    if (p.isSet(optionClasse.noms.first()))
        c.classe = p.value(optionClasse.noms.first());
    c.enseignant = p.isSet(optionEnseignant.noms.first());
    c.tableau = p.isSet(optionTableau.noms.first());
    if (p.isSet(optionRapport.noms.first()))
        c.rapport = p.value(optionRapport.noms.first());
    if (int(c.enseignant) + int(c.tableau) + int(c.rapport.has_value()) > 1)
        c.erreur = QStringLiteral("Choisissez une seule de ces options : --enseignant, --tableau, --rapport.");
    if (c.classe && c.classe->isEmpty())
        c.erreur = QStringLiteral("--classe demande le dossier de la classe.");
    if (c.rapport && c.rapport->isEmpty())
        c.erreur = QStringLiteral("--rapport demande le nom du fichier à écrire.");
    const QString enTrop = valeurEnTrop(arguments);
    if (!enTrop.isEmpty())
        c.erreur = enTrop;
    else if (!compris && !p.unknownOptionNames().isEmpty())
        c.erreur = QStringLiteral("Option inconnue : %1").arg(p.unknownOptionNames().first());
    else if (!compris)
        c.erreur = QStringLiteral("Ligne de commande incomprise : %1").arg(arguments.mid(1).join(QLatin1Char(' ')));
    else if (!p.positionalArguments().isEmpty())
        c.erreur = QStringLiteral("Argument inattendu : %1").arg(p.positionalArguments().first());
    if (!c.erreur.isEmpty()) {
        c.affichage = Affichage::Memorise;
        c.erreur += QStringLiteral("\nLa liste des options : klepsos --help");
    }
    return c;
}

QString texteAide()
{
    QString t = QStringLiteral(
        "Utilisation : klepsos [options]\n"
        "Klepsos apprend à lire l'heure et à calculer avec les dates.\n\n"
        "Options :\n");
    for (const Option* o : toutes)
        t += QStringLiteral("  %1  %2\n").arg(enLigne(*o), -24).arg(QString::fromUtf8(o->description));
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

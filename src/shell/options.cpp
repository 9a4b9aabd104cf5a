// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <QCommandLineParser>
#include <algorithm>

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
const Option optionFiche{{QStringLiteral("fiche")},
                         "Écrit des fiches à imprimer, avec leur corrigé, en PDF dans FICHIER et quitte.", "FICHIER"};
const Option optionFicheGenre{{QStringLiteral("fiche-genre")},
                              "Les exercices : lire, dessiner, durees ou calendrier (lire si rien n'est dit).", "GENRE"};
const Option optionFicheNiveau{{QStringLiteral("fiche-niveau")},
                               "Le niveau : heures, demi_heures, quarts, cinq_minutes, minutes, apres_midi, "
                               "secondes ; pour le calendrier trouver, compter, mois_suivant.",
                               "NIVEAU"};
const Option optionFicheMots{{QStringLiteral("fiche-mots")}, "Les heures à dessiner écrites en lettres."};
const Option optionFicheParPage{{QStringLiteral("fiche-par-page")}, "4, 6, 9 ou 12 exercices par page (6 sinon).", "N"};
const Option optionFichePages{{QStringLiteral("fiche-pages")}, "Le nombre de pages (1 sinon).", "N"};
const Option optionFicheNumero{{QStringLiteral("fiche-numero")},
                               "Le numéro de la fiche : le même numéro redonne la même fiche.", "N"};
const Option optionFicheParEleve{{QStringLiteral("fiche-par-eleve")},
                                 "Une page par élève de la classe, sur ce que son positionnement demande ensuite."};
const Option optionFicheEleves{{QStringLiteral("fiche-eleves")},
                               "Une page pour chacun de ces élèves, séparés par des virgules.", "PRÉNOMS"};
const Option* const toutes[] = {&optionAide,   &optionVersion, &optionFenetre,    &optionPleinEcran, &optionJoueur,
                                &optionExporter, &optionPositionnement, &optionClasse, &optionEnseignant, &optionTableau,
                                &optionRapport, &optionFiche, &optionFicheGenre, &optionFicheNiveau, &optionFicheMots,
                                &optionFicheParPage, &optionFichePages, &optionFicheNumero, &optionFicheParEleve,
                                &optionFicheEleves};
const Option* const optionsDeFiche[] = {&optionFicheGenre,   &optionFicheNiveau, &optionFicheMots,
                                        &optionFicheParPage, &optionFichePages,  &optionFicheNumero,
                                        &optionFicheParEleve, &optionFicheEleves};

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

// A whole number within bounds, or an error for that option.
std::optional<int> entier(const QCommandLineParser& p, const Option& o, int min, int max, QString* erreur)
{
    bool ok = false;
    const int n = p.value(o.noms.first()).toInt(&ok);
    if (ok && n >= min && n <= max)
        return n;
    *erreur = QStringLiteral("%1 demande un nombre de %2 à %3.").arg(enLigne(o)).arg(min).arg(max);
    return std::nullopt;
}

// The worksheet's options; those that shape a sheet only with --fiche.
void lireFiche(const QCommandLineParser& p, Choix& c)
{
    const auto donnee = [&p](const Option& o) { return p.isSet(o.noms.first()); };
    if (!donnee(optionFiche)) {
        for (const Option* o : optionsDeFiche)
            if (donnee(*o))
                c.erreur = QStringLiteral("%1 va avec --fiche FICHIER.").arg(enLigne(*o));
        return;
    }
    c.fiche = p.value(optionFiche.noms.first());
    if (c.fiche->isEmpty())
        c.erreur = QStringLiteral("--fiche demande le nom du fichier à écrire.");
    fiches::Choix& f = c.ficheChoix;
    if (donnee(optionFicheGenre)) {
        const QString g = p.value(optionFicheGenre.noms.first());
        if (const auto genre = fiches::genreDepuisCle(g))
            f.genre = *genre;
        else
            c.erreur = QStringLiteral("Genre de fiche inconnu : %1 (lire, dessiner, durees ou calendrier).").arg(g);
    }
    if (!fiches::clesNiveaux(f.genre).contains(f.niveau))
        f.niveau = fiches::clesNiveaux(f.genre).first();
    if (donnee(optionFicheNiveau)) {
        f.niveau = p.value(optionFicheNiveau.noms.first());
        if (!fiches::clesNiveaux(f.genre).contains(f.niveau))
            c.erreur = QStringLiteral("Niveau inconnu pour ces exercices : %1 (%2).")
                           .arg(f.niveau, fiches::clesNiveaux(f.genre).join(QStringLiteral(", ")));
    }
    f.enMots = donnee(optionFicheMots);
    if (donnee(optionFicheParPage)) {
        const auto n = entier(p, optionFicheParPage, 4, 12, &c.erreur);
        if (n && std::find(fiches::parPageAutorises.begin(), fiches::parPageAutorises.end(), *n) == fiches::parPageAutorises.end())
            c.erreur = QStringLiteral("--fiche-par-page demande 4, 6, 9 ou 12.");
        f.parPage = n.value_or(f.parPage);
    }
    if (donnee(optionFichePages))
        f.pages = entier(p, optionFichePages, 1, fiches::pagesMax, &c.erreur).value_or(f.pages);
    if (donnee(optionFicheNumero))
        c.ficheNumero = entier(p, optionFicheNumero, 1, 99999, &c.erreur);
    c.ficheParEleve = donnee(optionFicheParEleve) || donnee(optionFicheEleves);
    if (donnee(optionFicheEleves)) {
        for (const QString& brut : p.value(optionFicheEleves.noms.first()).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (const auto nom = nomJoueurValide(brut))
                c.ficheEleves << *nom;
            else
                c.erreur = QStringLiteral("Prénom refusé : ") + messageNomRefuse(brut);
        }
        if (c.ficheEleves.isEmpty() && c.erreur.isEmpty())
            c.erreur = QStringLiteral("--fiche-eleves demande des prénoms séparés par des virgules.");
    }
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
    lireFiche(p, c);
    if (int(c.enseignant) + int(c.tableau) + int(c.rapport.has_value()) + int(c.fiche.has_value()) > 1)
        c.erreur = QStringLiteral("Choisissez une seule de ces options : --enseignant, --tableau, --rapport, --fiche.");
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
        "\nExemple : douze horloges aux quarts d'heure à lire, et leur corrigé :\n"
        "  klepsos --fiche quarts.pdf --fiche-genre lire --fiche-niveau quarts --fiche-par-page 12\n"
        "\nLa touche F11 passe du plein écran à une fenêtre et retour ;\n"
        "Klepsos s'en souvient au démarrage suivant.\n");
    return t;
}

QString texteVersion()
{
    return QStringLiteral("Klepsos " KLEPSOS_VERSION "\n");
}

}  // namespace options

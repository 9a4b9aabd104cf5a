// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTextStream>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "classroom/classe.h"
#include "classroom/envoiclasse.h"
#include "classroom/sonde.h"
#include "common/clock.h"
#include "common/displaylayer.h"
#include "common/randomsource.h"
#include "players/session.h"
#include "shell/datas.h"
#include "shell/klepsos.h"
#include "shell/options.h"
#include "shell/presentation.h"
#include "shell/signaux.h"
#include "board/tableau.h"
#include "teacher/codeacces.h"
#include "teacher/enseignant.h"
#include "teacher/fichesaimprimer.h"
#include "teacher/rapport.h"
#include "teacher/suivi.h"
#include "ui/soundplayer.h"
#include "voice/modulevoix.h"

namespace {

Presentation::Mode modeDemarrage(options::Affichage choix, const QSettings& reglages)
{
    switch (choix) {
    case options::Affichage::Fenetre:
        return Presentation::Mode::Fenetre;
    case options::Affichage::PleinEcran:
        return Presentation::Mode::PleinEcran;
    case options::Affichage::Memorise:
        break;
    }
    return Presentation::modeMemorise(reglages);
}

// The message written as large as the screens would be. A signal to end
// the program dismisses it.
void montrerErreur(const QString& erreur, const ArretParSignal& arret)
{
    QMessageBox boite(QMessageBox::Critical, QStringLiteral("Klepsos"), erreur, QMessageBox::Ok);
    QObject::connect(&arret, &ArretParSignal::arretDemande, &boite, &QMessageBox::reject);
    QFont f = boite.font();
    f.setPointSizeF(f.pointSizeF() * std::max<qreal>(1, Presentation::echellePleinEcran(QGuiApplication::primaryScreen())));
    boite.setFont(f);
    boite.exec();
}

QString racineJoueurs(const Emplacements& ou)
{
    return QFileInfo(ou.score).absolutePath();
}

// This computer's store and the class folder, if any (the command line's,
// else the setting's).
Lieux lieuxDuPoste(const Emplacements& ou, const std::optional<QString>& optionClasse)
{
    const QString racine = racineJoueurs(ou);
    const QSettings reglages(QStringLiteral("klepsos"), QStringLiteral("klepsos"));
    const QString dossier = classe::dossierClasse(optionClasse, reglages);
    // Each class its own store, so that one computer serves several.
    const QString local = dossier.isEmpty() ? racine : classe::magasinClasse(racine, dossier);
    return {dossier, local, posteLocal(racine)};
}

// Ends the process at once with that status, skipping every destructor: a
// thread stuck in a call to a share that hangs can be neither joined nor
// destroyed, and would keep the process alive. Called only once everything
// of value is on the local disk (the score saved, the answers written).
[[noreturn]] void terminerAussitot(int statut)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(statut);
}

// How long start-up waits for the class's settings.
constexpr int attenteReglagesMs = 1000;
// How long the end of a run waits for a read of the class folder, then
// for its last sending: within two seconds in all.
constexpr int attenteLecturesMs = 300;
constexpr int attenteFinMs = 1000;
// How long the end of a run waits for the voice's program to end.
constexpr int attenteVoixMs = 300;

// A command without a window reading a share that stops answering half-way
// gives up after this, with a French message and no file written.
constexpr int dureeMaxCommande = 120;
void borner(int secondes)
{
    std::thread([secondes] {
        std::this_thread::sleep_for(std::chrono::seconds(secondes));
        QTextStream(stderr) << QStringLiteral("Klepsos : le dossier de la classe ne répond plus ; rien n'a été écrit.\n");
        terminerAussitot(1);
    }).detach();
}

// A command's status, the process ended at once while a look at a share
// that hangs is still stuck.
int finCommande(int statut)
{
    if (partage::filsEnCours > 0)
        terminerAussitot(statut);
    return statut;
}

int exporter(const QString& fichier, const std::optional<QString>& optionClasse)
{
    borner(dureeMaxCommande);
    QString erreur;
    if (!exporterClasse(lieuxDuPoste(emplacementsProgramme(), optionClasse), fichier, &erreur)) {
        QTextStream(stderr) << erreur << '\n';
        return finCommande(1);
    }
    return finCommande(0);
}

int exporterPositions(const QString& fichier, const std::optional<QString>& optionClasse)
{
    borner(dureeMaxCommande);
    const Lieux lieux = lieuxDuPoste(emplacementsProgramme(), optionClasse);
    QString erreur;
    if (!classeJoignable(lieux, &erreur)) {
        QTextStream(stderr) << erreur << '\n';
        return finCommande(1);
    }
    SuiviClasse suivi(lieux);
    suivi.actualiser();
    if (!exporterPositionnement(suivi.resume(), fichier, &erreur)) {
        QTextStream(stderr) << erreur << '\n';
        return finCommande(1);
    }
    return finCommande(0);
}

}  // namespace

int main(int argc, char* argv[])
{
    // The command line is answered before any display is opened: help,
    // version and every refusal need none, and a machine without one gets
    // the French message rather than Qt's platform error.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const options::Choix choix = options::lire(options::sansOptionsDeQt(arguments));
    if (!choix.erreur.isEmpty()) {
        QTextStream(stderr) << choix.erreur << '\n';
        return 2;
    }
    if (choix.aide || choix.version) {
        QTextStream(stdout) << (choix.aide ? options::texteAide() : options::texteVersion());
        return 0;
    }
    // The export needs no display either.
    if (choix.exporter || choix.exporterPositionnement) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("klepsos"));
        return choix.exporter ? exporter(*choix.exporter, choix.classe)
                              : exporterPositions(*choix.exporterPositionnement, choix.classe);
    }

    // The report and the worksheets open no window: no display is needed.
    if (const char* plateforme = platformWithoutWindow(); (choix.rapport || choix.fiche) && plateforme)
        qputenv("QT_QPA_PLATFORM", plateforme);
    QApplication app(argc, argv);
    // Names the user's data folder (~/.local/share/klepsos) where an installed copy keeps the score.
    QApplication::setApplicationName(QStringLiteral("klepsos"));
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.klepsos.Klepsos"));

    // ~/.config/klepsos/klepsos.conf keeps the display chosen with F11. (An organisation name for the
    // whole application would move the score's folder as well.)
    QSettings reglages(QStringLiteral("klepsos"), QStringLiteral("klepsos"));

    const Emplacements ou = emplacementsProgramme();
    if (choix.tableau) {
        // The board asks no code and records nothing; its voice comes once it is on view.
        SystemRandom hasard;
        ModuleVoix voix(ou.voix);
        Tableau tableau(reglages, hasard, &voix);
        ArretParSignal arret;
        QObject::connect(&arret, &ArretParSignal::arretDemande, &tableau, &QWidget::close);
        // The board's own resolution, whatever it is; the display mode stays.
        tableau.setGeometry(QGuiApplication::primaryScreen()->geometry());
        tableau.showFullScreen();
        QTimer::singleShot(0, &voix, &Voix::charger);
        const int fin = app.exec();
        voix.finir(attenteVoixMs);
        return fin;
    }

    // The children's store of this computer sits beside the score; a class
    // folder, when there is one, gets a copy of its answers.
    const Lieux lieux = lieuxDuPoste(ou, choix.classe);
    if (choix.rapport) {
        // No event loop: a signal ends the report as it ends any command.
        borner(dureeMaxCommande);
        QString erreur;
        if (ecrireRapport(lieux, *choix.rapport, &erreur))
            return finCommande(0);
        QTextStream(stderr) << erreur << '\n';
        return finCommande(1);
    }
    if (choix.fiche) {
        borner(dureeMaxCommande);
        QString erreur;
        SystemRandom hasard;
        const int numero = choix.ficheNumero.value_or(numeroAuHasard(hasard));
        fiches::Choix c = choix.ficheChoix;
        c.numero = numero;
        const bool ecrit = choix.ficheParEleve
                               ? ecrireFichesEleves(lieux, choix.ficheEleves, c.parPage, numero, *choix.fiche, &erreur)
                               : ecrireFiche(c, *choix.fiche, &erreur);
        if (!ecrit) {
            QTextStream(stderr) << erreur << '\n';
            return finCommande(1);
        }
        // The number to give again for the same sheet.
        QTextStream(stdout) << QStringLiteral("Fiche n° %1 écrite dans %2").arg(numero).arg(*choix.fiche) << '\n';
        return finCommande(0);
    }
    // A computer shut down by its button, Ctrl+C, a closed terminal: the run
    // ends as "SORTIE" ends it.
    ArretParSignal arret;
    if (choix.enseignant) {
        if (!accesAccorde(lieux))
            return finCommande(0);
        Enseignant vue(lieux);
        vue.setGuide(fichierGuide(ou.datas));
        vue.setProgrammeVoix(ou.voix);
        QObject::connect(&arret, &ArretParSignal::arretDemande, &vue, &QWidget::close);
        QObject::connect(&arret, &ArretParSignal::arretDemande, &app, &QApplication::quit, Qt::QueuedConnection);
        vue.show();
        const int fin = app.exec();
        if (!vue.finir(attenteFinMs))
            terminerAussitot(fin);
        return fin;
    }
    SystemClock clock;
    SystemRandom random;
    const auto sounds = makePlatformSoundPlayer(
        ou.sons, QStringLiteral("Klepsos fonctionne sans son : son module est introuvable."),
        {ou.datas, nomsSons(), QStringLiteral("Klepsos fonctionne sans son : aucune sortie audio n'a été trouvée.")});
    const auto display = makePlatformDisplayLayer();
    // The voice that reads the statements aloud, a program of its own started after the first paint.
    ModuleVoix voix(ou.voix);

    // The children and their answers live beside the score; with a class
    // folder, a child's history is the class's.
    const QString racine = lieux.local;
    DepotJoueurs depot(racine, lieux.poste);
    depot.suivreClasse(lieux.classe);
    SessionJoueurs joueurs(depot, [&clock] { return clock.now(); });
    std::optional<Joueur> joueur;
    if (choix.joueur) {
        joueur = joueurs.depot().creer(*choix.joueur);
        if (!joueur)
            QTextStream(stderr) << QStringLiteral("Klepsos ne peut pas enregistrer le prénom dans %1 : "
                                                  "il joue sans prénom.\n").arg(racine);
    }

    // With a class folder, this computer's answers are sent to it in the
    // background: each one asks for a sending soon after.
    std::unique_ptr<EnvoiEnFond> envoi;
    std::unique_ptr<RegistreClasse> registreClasse;
    if (!lieux.classe.isEmpty()) {
        envoi = std::make_unique<EnvoiEnFond>(lieux.local, lieux.classe, lieux.poste);
        registreClasse = std::make_unique<RegistreClasse>(joueurs.registre(), *envoi);
    }

    Klepsos klepsos(clock, random, *sounds, *display, ou.datas, ou.score);
    klepsos.utiliserJoueurs(joueurs, joueur, registreClasse.get());
    // A teacher may want the hour hands to move on with the minutes, as on a real clock.
    klepsos.routines().aiguille_heures_reelle =
        reglages.value(QStringLiteral("aiguilleHeuresReelle"), false).toBool();
    // Levels that follow the child, for this computer; a class may ask it for all.
    klepsos.routines().niveaux_adaptes = reglages.value(QStringLiteral("niveauxAdaptes"), false).toBool();
    klepsos.routines().voix = &voix;
    // A computer for children who cannot read yet may read everything aloud.
    klepsos.routines().lecture_auto_poste = reglages.value(QStringLiteral("lectureAuto"), false).toBool();
    // A class folder: its settings followed.
    if (!lieux.classe.isEmpty()) {
        // A share that hangs at start-up: the settings and work last seen.
        // One read of the share for the settings and the week's work.
        const auto [consignes, travail] =
            partage::avant<std::pair<classe::Reglages, classe::Travail>>(attenteReglagesMs, [lieux] {
                return std::pair{classe::reglagesSuivis(lieux.classe, lieux.local), classe::travailSuivi(lieux.classe, lieux.local)};
            }).value_or(std::pair{classe::reglagesGardes(lieux.local), classe::travailGarde(lieux.local)});
        klepsos.routines().sons_coupes = consignes.sonsCoupes;
        klepsos.routines().sortie = consignes.sortie;
        // The class's choice for every clock, this computer's own aside.
        klepsos.routines().aiguille_heures_reelle = consignes.aiguilleHeuresReelle;
        klepsos.routines().annees = consignes.annees;
        klepsos.routines().anneesClasse = consignes.annees;
        klepsos.routines().niveaux_adaptes = klepsos.routines().niveaux_adaptes || consignes.niveauxAdaptes;
        klepsos.routines().voix_coupee = consignes.voixCoupee;
        klepsos.routines().lecture_auto_classe = consignes.lectureAuto;
        // The week's work the teacher gave, or the one last seen.
        klepsos.utiliserTravail(travail);
        // The first sending waits for the start screen: the two cores are
        // the first paint's until then.
        QObject::connect(&klepsos, &Klepsos::demarrageTermine, envoi.get(), &EnvoiEnFond::lancer);
    }
    klepsos.presentation()->setReglages(&reglages);
    klepsos.presentation()->setMode(modeDemarrage(choix.affichage, reglages));
    QObject::connect(&klepsos, &Klepsos::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    // The icon waits until the start screen is on view.
    QObject::connect(&klepsos, &Klepsos::demarrageTermine,
                     [datas = ou.datas] { QApplication::setWindowIcon(iconeFenetre(datas)); });
    // Nor does the voice: its engine may take seconds to answer, on a thread of its own.
    QObject::connect(&klepsos, &Klepsos::demarrageTermine, &voix, &Voix::charger);
    // However the run ends (the session closing included), save the score.
    QObject::connect(&app, &QApplication::aboutToQuit, &klepsos, &Klepsos::quitter);
    QObject::connect(&arret, &ArretParSignal::arretDemande, &klepsos, &Klepsos::quitter);
    QString erreur;
    if (!klepsos.demarrer(&erreur)) {
        montrerErreur(erreur, arret);
        return 1;
    }
    const int fin = app.exec();
    // The last answers, written (quitting waited for them), then sent if the
    // folder answers in time; else they wait in the local store for the next run.
    // The voice's program may still be starting, or may never answer: it is
    // ended without waiting long.
    voix.finir(attenteVoixMs);
    if (!klepsos.finirLectures(attenteLecturesMs) || (envoi && !(joueurs.vider(0) && envoi->finir(attenteFinMs))))
        terminerAussitot(fin);
    return fin;
}

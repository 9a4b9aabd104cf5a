// SPDX-License-Identifier: GPL-3.0-or-later
#include "depart.h"

#include "apropos.h"
#include "clock/ecranaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "common/voix.h"
#include "dategames/jeuxdates.h"
#include "calendar/ecrancalendrier.h"
#include "day/ecranjournee.h"
#include "exercises/exercices.h"
#include "lesson/lecon.h"
#include "programme/seance.h"
#include "tips/astuces.h"
#include "training/ecranentrainement.h"
#include "ui/clickablelabel.h"
#include "ui/etoile.h"
#include "ui/picturebox.h"
#include "ui/plaque.h"
#include "ui/style.h"

QString Depart::legende(const QString& controle)
{
    static const QHash<QString, QString> legendes = {
        {QStringLiteral("apprendre"), QStringLiteral(" Autour de \nKlepsos")},
        {QStringLiteral("astus"), QStringLiteral(" Jouer avec \nKlepsos")},
        {QStringLiteral("exos"), QStringLiteral(" Les Astuces \nde Klepsos")},
        {QStringLiteral("montre"), QStringLiteral("Le temps\n qui passe... ")},
        {QStringLiteral("logiciels"), QStringLiteral(" Auteur + \n Autres Logiciels ")},
        {QStringLiteral("placer"), QStringLiteral("Placer\nles aiguilles")},
        {QStringLiteral("journee"), QStringLiteral("La journée,\nde minuit à minuit")},
        {QStringLiteral("calendrier"), QStringLiteral("Le calendrier,\ndes jours aux siècles")},
        {QStringLiteral("fin"), QStringLiteral("Quitter\n Klepso's Maître ")},
        {QStringLiteral("mesprogres"), QStringLiteral(" Mes progrès ")},
        {QStringLiteral("entrainement"), QStringLiteral(" Mon entraînement ")},
        {QStringLiteral("joueur"), QStringLiteral(" Changer de joueur ")},
        {QStringLiteral("dates"),
         QStringLiteral("Choisissez votre\nactivité en cliquant\n sur l'un des dessins ")},
    };
    return legendes.value(controle, QStringLiteral("Choisissez votre\n activité en cliquant \n sur "
                                                   "l'un des dessins "));
}

ClickableLabel* Depart::zone(const char* name, const QRect& place, const QString& nomAccessible)
{
    auto* z = makeLabel(this, name, place, {uiFont(taille::p8), couleur::noir});
    z->setCursor(Qt::PointingHandCursor);
    // Screen readers say what the drawing opens.
    z->setAccessibleName(nomAccessible);
    const QString controle = QString::fromLatin1(name);
    connect(z, &ClickableLabel::pointerMoved, this, [this, controle] { survol(controle); });
    return z;
}

namespace {

// Where the "Mes progrès" drawing sits, clear of the others.
constexpr QRect decoupeMesProgres(522, 356, 112, 96);
// Where the "Mon entraînement" drawing sits, between the hourglass and the computer.
constexpr QRect placeEntrainement(144, 254, 70, 84);
constexpr QRect placeTravail(138, 338, 86, 44);
// "Le calendrier", between the hourglass and the start screen's text.
constexpr QRect placeCalendrier(200, 130, 86, 94);
// The star of the next step, over a drawing's top right corner.
constexpr int tailleEtoile = 34;

}  // namespace

Depart::Depart(Routines& r, Ecrans& ecrans, QWidget* parent)
    : Screen(parent), r_(r), ecrans_(ecrans)
{
    setObjectName(QStringLiteral("depart"));

    auto* apprendre = zone("apprendre", {458, 46, 139, 199}, QStringLiteral("La leçon"));
    auto* astus = zone("astus", {18, 51, 178, 201}, QStringLiteral("Les astuces"));
    auto* exos = zone("exos", {373, 274, 129, 172}, QStringLiteral("Les exercices"));
    auto* logiciels = zone("logiciels", {218, 234, 82, 78},
                           QStringLiteral("Auteur + Autres Logiciels"));
    auto* placer = zone("placer", {522, 252, 112, 100}, QStringLiteral("Placer les aiguilles"));
    auto* journee = zone("journee", {302, 234, 68, 92}, QStringLiteral("La journée"));
    auto* calendrier = zone("calendrier", placeCalendrier, QStringLiteral("Le calendrier"));

    auto* montre = new PictureBox(this);
    montre->setObjectName(QStringLiteral("montre"));
    montre->setGeometry(13, 309, 136, 128);
    montre->setCursor(Qt::PointingHandCursor);
    montre->setAccessibleName(QStringLiteral("Les jeux des dates"));
    auto* montre2 = new PictureBox(this);
    montre2->setObjectName(QStringLiteral("montre2"));
    montre2->hide();
    r_.montre = montre;
    r_.montre2 = montre2;

    auto* fin = zone("fin", {552, 459, 77, 19}, QStringLiteral("Sortie"));
    fin->setText(QStringLiteral("SORTIE"));

    const LabelStyle bleu13{uiFont(taille::p9), couleur::bleu, Qt::AlignHCenter, true};
    texte_ = makeLabel(this, "texte", {303, 125, 0, 0},
                       {uiFont(taille::p13), couleur::bleu, Qt::AlignHCenter, true});
    dates_ = makeLabel(this, "dates", {237, 343, 0, 0}, bleu13);
    heur_ = makeLabel(this, "heur", {237, 392, 0, 0}, bleu13);
    connect(dates_, &ClickableLabel::pointerMoved, this, [this] { survol(QStringLiteral("dates")); });
    connect(heur_, &ClickableLabel::pointerMoved, this, [this] { survol(QStringLiteral("heur")); });
    makeLabel(this, "citation2", {197, 49, 260, 74}, {uiFont(taille::p8), couleur::magenta});

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, &Depart::tic);

    connect(this, &Screen::pointerMoved, this, [this] { survol(QString()); });
    connect(montre, &PictureBox::pointerMoved, this, [this] { survol(QStringLiteral("montre")); });

    connect(apprendre, &ClickableLabel::clicked, this, [this] { ouvrir(ecrans_.lecon()); });
    connect(astus, &ClickableLabel::clicked, this, [this] { ouvrir(ecrans_.astuces()); });
    connect(exos, &ClickableLabel::clicked, this, [this] {
        r_.nb_exercices.ajouter(-1);
        ecrans_.exercices()->CompterExercice();
        ouvrir(ecrans_.exercices());
    });
    connect(montre, &PictureBox::clicked, this, [this] {
        r_.nb_exercices.ajouter(-1);
        ecrans_.jeuxDates()->CompterExerciceDates();
        ouvrir(ecrans_.jeuxDates());
    });
    connect(placer, &ClickableLabel::clicked, this, [this] {
        r_.nb_exercices.ajouter(-1);
        ecrans_.aiguilles()->CompterExercice();
        ouvrir(ecrans_.aiguilles());
    });
    connect(journee, &ClickableLabel::clicked, this, [this] {
        r_.nb_exercices.ajouter(-1);
        ecrans_.journee()->CompterExercice();
        ouvrir(ecrans_.journee());
    });
    connect(calendrier, &ClickableLabel::clicked, this, [this] {
        r_.nb_exercices.ajouter(-1);
        ecrans_.calendrier()->CompterExercice();
        ouvrir(ecrans_.calendrier());
    });

    // Who plays, top left where the background is free, and their progress
    // beside the notebook: both appear only where children are kept.
    constexpr QRect placeJoueur(6, 4, 180, 34);
    plaqueJoueur_ = new Plaque(this, placeJoueur, QColor(255, 255, 255, 235), QColor(200, 160, 230));
    plaqueJoueur_->hide();
    joueur_ = makeLabel(this, "joueur", placeJoueur, {uiFont(taille::p12), couleur::violet, Qt::AlignCenter});
    joueur_->setAccessibleName(QStringLiteral("Changer de joueur"));
    joueur_->setCursor(Qt::PointingHandCursor);
    joueur_->hide();
    connect(joueur_, &ClickableLabel::pointerMoved, this, [this] { survol(QStringLiteral("joueur")); });
    connect(joueur_, &ClickableLabel::clicked, this, [this] {
        timer3_->stop();
        r_.SonClic();
        emit changerJoueur();
    });
    mesprogres_ = new PictureBox(this);
    mesprogres_->setObjectName(QStringLiteral("mesprogres"));
    mesprogres_->setGeometry(decoupeMesProgres);
    mesprogres_->setCursor(Qt::PointingHandCursor);
    mesprogres_->setAccessibleName(QStringLiteral("Mes progrès"));
    mesprogres_->hide();
    connect(mesprogres_, &PictureBox::pointerMoved, this, [this] { survol(QStringLiteral("mesprogres")); });
    connect(mesprogres_, &PictureBox::clicked, this, [this] {
        timer3_->stop();
        r_.SonClic();
        emit mesProgres();
    });
    entrainement_ = new PictureBox(this);
    entrainement_->setObjectName(QStringLiteral("entrainement"));
    entrainement_->setGeometry(placeEntrainement);
    entrainement_->setCursor(Qt::PointingHandCursor);
    entrainement_->setAccessibleName(QStringLiteral("Mon entraînement"));
    entrainement_->hide();
    connect(entrainement_, &PictureBox::pointerMoved, this, [this] { survol(QStringLiteral("entrainement")); });
    connect(entrainement_, &PictureBox::clicked, this, [this] { ouvrir(ecrans_.entrainement()); });
    // The week's work, under the drawing that leads to it.
    travail_ = makeLabel(this, "travail", placeTravail, {uiFont(taille::p8), couleur::violet, Qt::AlignHCenter | Qt::AlignTop});
    travail_->setWordWrap(true);
    travail_->setCursor(Qt::PointingHandCursor);
    travail_->setText(QStringLiteral("Travail donné par ton enseignant"));
    travail_->hide();
    connect(travail_, &ClickableLabel::pointerMoved, this, [this] { survol(QStringLiteral("travail")); });
    connect(travail_, &ClickableLabel::clicked, this, [this] { ouvrir(ecrans_.entrainement()); });
    etoile_ = new MarqueEtoile(this);
    etoile_->setObjectName(QStringLiteral("etoile_prochaine"));
    etoile_->hide();
    connect(logiciels, &ClickableLabel::clicked, this, &Depart::ouvrirAPropos);
    connect(fin, &ClickableLabel::clicked, this, &Depart::quitter);
    // The class's teacher may want no child to quit by accident.
    if (r_.sortie == ModeSortie::Cachee) {
        fin->hide();
    } else if (r_.sortie == ModeSortie::AppuiLong) {
        fin->setHoldMs(dureeAppuiSortie);
        connect(fin, &ClickableLabel::releasedTooSoon, this,
                [this] { texte_->setCaption(QStringLiteral("Pour sortir, reste appuyé\nsur SORTIE.")); });
    }

    // The keyboard goes through the drawings row by row, then "SORTIE";
    // Escape does nothing here, so that nobody quits by accident. Coming
    // back from an activity, the focus is on the drawing that opened it.
    // Who plays and their progress come last: the drawings keep their
    // places in the order.
    construireLectureAuto();
    setFocusOrder({{"astus", "apprendre"}, {"logiciels"}, {"montre", "exos", "placer", "journee", "calendrier"}, {"fin"},
                   {"entrainement", "travail", "mesprogres"}, {"joueur"}, {"lecture_auto"}});
    setRestoresFocus(true);
    // The caption follows the focus as it follows the pointer.
    connect(this, &Screen::controlFocused, this,
            [this](QWidget* c) { survol(c ? c->objectName() : QString()); });
}

void Depart::construireLectureAuto()
{
    // Top right, where the background is free between the title and the sun.
    constexpr QRect place(404, 6, 176, 28);
    plaqueLecture_ = new Plaque(this, place, QColor(255, 255, 255, 235), QColor(240, 170, 60));
    lectureAuto_ = makeLabel(this, "lecture_auto", place, {uiFont(taille::p9), couleur::violet, Qt::AlignCenter});
    lectureAuto_->setCursor(Qt::PointingHandCursor);
    connect(lectureAuto_, &ClickableLabel::clicked, this, [this] {
        r_.SonClic();
        r_.choisirLectureAuto(!r_.lectureAuto());
        montrerLectureAuto();
        r_.direSiLectureAuto(QStringLiteral("Je lis tout à voix haute."));
    });
    if (r_.voix)
        connect(r_.voix, &Voix::disponibiliteChangee, this, &Depart::montrerLectureAuto);
    montrerLectureAuto();
}

void Depart::montrerLectureAuto()
{
    const bool voix = r_.voixParlante() != nullptr;
    plaqueLecture_->setVisible(voix);
    lectureAuto_->setVisible(voix);
    const bool oui = r_.lectureAuto();
    lectureAuto_->setText((oui ? QStringLiteral("\u25CF ") : QStringLiteral("\u25CB "))
                          + QStringLiteral("Tout lire à voix haute"));
    lectureAuto_->setAccessibleName(oui ? QStringLiteral("Tout lire à voix haute : oui")
                                        : QStringLiteral("Tout lire à voix haute : non"));
}

void Depart::activation()
{
    // Another child may have come to play.
    montrerLectureAuto();
    texte_->setCaption(legende(QStringLiteral("dates")));
    timer3_->start();
    dates_->setCaption(salutation(r_.prenom) + QStringLiteral("\nNous sommes le \n")
                       + texte::dateLongue(r_.maintenant().date()));
    heur_->setCaption(texte::heureExacte(r_.maintenant().time()));
    r_.DessinerMontre();
    marquerProchaine();
}

QString Depart::dessinDe(const QString& activite)
{
    static const QHash<QString, QString> dessins = {
        {QStringLiteral("minutes_dans_heures"), QStringLiteral("exos")},
        {QStringLiteral("lire_horloge"), QStringLiteral("exos")},
        {QStringLiteral("montre"), QStringLiteral("exos")},
        {QStringLiteral("minutes_en_heures"), QStringLiteral("exos")},
        {QStringLiteral("comparer_durees"), QStringLiteral("exos")},
        {QStringLiteral("nombre_manquant"), QStringLiteral("exos")},
        {QStringLiteral("date_naissance"), QStringLiteral("montre")},
        {QStringLiteral("mois_en_annees"), QStringLiteral("montre")},
        {QStringLiteral("date_anniversaire"), QStringLiteral("montre")},
        {QStringLiteral("age_anniversaire"), QStringLiteral("montre")},
        {aiguilles::activite, QStringLiteral("placer")},
        {QStringLiteral("matin_apres_midi"), QStringLiteral("journee")},
        {QStringLiteral("mots_heure"), QStringLiteral("journee")},
        {QStringLiteral("probleme_duree"), QStringLiteral("journee")},
        {QStringLiteral("jours_mois"), QStringLiteral("calendrier")},
        {QStringLiteral("lire_calendrier"), QStringLiteral("calendrier")},
        {QStringLiteral("unites_temps"), QStringLiteral("calendrier")},
        {QStringLiteral("siecles"), QStringLiteral("calendrier")},
    };
    return dessins.value(activite);
}

void Depart::marquerProchaine()
{
    QWidget* dessin = nullptr;
    QString etape;
    if (r_.prenom) {
        const int item = programme::parcours(*r_.positionnement, r_.annees).prochain;
        if (item >= 0) {
            dessin = findChild<QWidget*>(dessinDe(programme::activitePour(item)), Qt::FindDirectChildrenOnly);
            etape = QString::fromUtf8(programme::items()[size_t(item)].court);
        }
    }
    for (const char* nom : {"exos", "montre", "placer", "journee", "calendrier"})
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(nom), Qt::FindDirectChildrenOnly))
            w->setAccessibleDescription(w == dessin ? QStringLiteral("Ta prochaine étape : %1").arg(etape) : QString());
    etoile_->setVisible(dessin);
    if (!dessin)
        return;
    const QRect g = dessin->geometry();
    etoile_->setGeometry(g.right() - tailleEtoile + 6, g.top() - 6, tailleEtoile, tailleEtoile);
    etoile_->raise();
}

QString Depart::salutation(const std::optional<QString>& prenom)
{
    return prenom ? QStringLiteral("Bonjour %1 !").arg(*prenom) : QStringLiteral("Bonjour !");
}

void Depart::setDessinProgres(const PictureFile::Part& dessin)
{
    // Read when painted, at the scale it is painted at.
    mesprogres_->setPicture(QPixmap(), dessin.first, dessin.second);
}

void Depart::setDessinEntrainement(const PictureFile::Part& dessin)
{
    entrainement_->setPicture(QPixmap(), dessin.first, dessin.second);
}

void Depart::montrerJoueur(const std::optional<QString>& prenom)
{
    entrainement_->setVisible(prenom.has_value());
    const QString travail = programme::texteTravail(r_.travail);
    travail_->setVisible(prenom.has_value() && !travail.isEmpty());
    travail_->setAccessibleName(travail);
    entrainement_->setAccessibleDescription(travail);
    joueur_->setText(prenom.value_or(QStringLiteral("Qui joue ?")));
    plaqueJoueur_->show();
    joueur_->show();
    mesprogres_->show();
    marquerProchaine();
}

void Depart::tic()
{
    const QTime t = r_.maintenant().time();
    heur_->setCaption(texte::heureExacte(t));
    if (t.minute() != r_.minute_montre)
        r_.DessinerMontre();
}

void Depart::survol(const QString& controle)
{
    const QStringList travail = programme::nomsCourts(r_.travail);
    const QString texte = (controle == QLatin1String("travail") || controle == QLatin1String("entrainement")) && !travail.isEmpty()
                              ? QStringLiteral("Travail donné par\nton enseignant :\n") + travail.join(QLatin1Char('\n'))
                              : legende(controle);
    // A drawing's caption, said once as it appears (pointed at, held, or
    // reached with the keys) for a child who reads everything aloud.
    if (!controle.isEmpty() && texte != texte_->text())
        r_.direSiLectureAuto(texte);
    texte_->setCaption(texte);
    if (!controle.isEmpty())
        ecrans_.pressentir(controle);
}

void Depart::ouvrir(Screen* ecran)
{
    timer3_->stop();
    r_.SonClic();
    ecran->showScreen();
    hide();
}

void Depart::ouvrirAPropos()
{
    APropos* a = ecrans_.aPropos();
    // Centred on the 640 x 480 design: the whole display where the display
    // is switched, and scaled with it everywhere else.
    const QSize affichage = a->parentWidget()->size();
    a->move((affichage.width() - a->width()) / 2, (affichage.height() - a->height()) / 2);
    a->showScreen();
    r_.SonClic();
    setEnabled(false);
}

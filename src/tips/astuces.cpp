// SPDX-License-Identifier: GPL-3.0-or-later
#include "astuces.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QTimer>

#include "common/calendrier.h"
#include "common/routines.h"
#include "common/texte.h"
#include "tips/horloge.h"
#include "tips/paques.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace {

// Where the sections sit around the clock face of the background: the time
// elapsed top left, the feasts under it, the etymology at the bottom left;
// the clock's spinners right of the face, the mythology under it.
const QColor couleurLignes(120, 170, 150);

const LabelStyle consigneBleue{uiFont(taille::p8), couleur::bleu, Qt::AlignLeft};
const LabelStyle lectureNoire{uiFont(taille::p8), couleur::noir, Qt::AlignLeft};
const LabelStyle valeurChoisie{uiFont(taille::p12), couleur::magenta, Qt::AlignHCenter};
const LabelStyle legendeX50{uiFont(taille::p8), couleur::noir, Qt::AlignLeft};
const LabelStyle boutonViolet{uiFont(taille::p9), couleur::violet, Qt::AlignHCenter};

QCheckBox* caseX50(QWidget* parent, const char* nom, QPoint place)
{
    auto* c = new QCheckBox(parent);
    c->setObjectName(QString::fromLatin1(nom));
    c->setGeometry(QRect(place, QSize(16, 16)));
    c->setCursor(Qt::PointingHandCursor);
    return c;
}

// The fifty-year step of a year spinner follows its switch, and the caption
// of the switch turns red while it is on.
void appliquerPas(const QCheckBox* bascule, ArrowSpinner* fleche, QWidget* legende)
{
    const bool par50 = bascule->isChecked();
    fleche->setSingleStep(par50 ? 50 : 1);
    setTextColor(legende, par50 ? couleur::rouge : couleur::noir);
}

// The mythology text is written elsewhere at start-up: make it fit its box
// by taking the largest face, down to a still readable one, that shows it
// whole.
void ajusterAuCadre(QLabel* label, int pixelsMax, int pixelsMin)
{
    QFont f = label->font();
    for (int px = pixelsMax; px >= pixelsMin; --px) {
        f.setPixelSize(px);
        label->setFont(f);
        if (label->heightForWidth(label->width()) <= label->height())
            return;
    }
}

}  // namespace

Astuces::Astuces(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("astuces"));
    construireEcoule();
    construireFetes();
    construireHorloge();
    construireLecture();
    construireEcouter();

    addLine(QLineF(20, 216, 316, 216), couleurLignes);  // Line1
    addLine(QLineF(20, 366, 316, 366), couleurLignes);  // Line3
    addLine(QLineF(322, 24, 322, 428), couleurLignes);  // Line4
    addLine(QLineF(328, 202, 620, 202), couleurLignes); // Line5
    addLine(QLineF(20, 432, 540, 432), couleurLignes);  // Line6

    retour_ = makeLabel(this, "retour", {552, 458, 77, 20}, {uiFont(taille::p8), couleur::noir},
                        QStringLiteral("RETOUR"));
    connect(retour_, &ClickableLabel::clicked, this, &Astuces::retour);
    retour_->setAccessibleName(QStringLiteral("Retour"));
    connect(this, &Screen::pointerMoved, this, [this] { r_.RendreFocus(this); });

    // The elapsed time, the feasts, then the clock; "RETOUR" last.
    setFocusOrder({
        {"fleche_jour", "fleche_mois", "fleche_an", "encore_naissance", "par50"},
        {"fleche_paques", "par50_paques"},
        {"fleche_heure", "fleche_minute"},
        {"retour"},
    });
    setEscapeControl("retour");
}

void Astuces::construireEcoule()
{
    Label2_ = makeLabel(this, "Label2", {20, 24, 296, 78}, consigneBleue);
    jour_ = makeLabel(this, "jour", {18, 104, 34, 20}, valeurChoisie, QStringLiteral("1"));
    mois_ = makeLabel(this, "mois", {56, 104, 100, 20}, valeurChoisie, Routines::noms_mois[1]);
    an_ = makeLabel(this, "an", {158, 104, 52, 20}, valeurChoisie, QStringLiteral("100"));
    fleche_jour_ = makeSpinner(this, "fleche_jour", {20, 126}, 1, 31, 1);
    fleche_mois_ = makeSpinner(this, "fleche_mois", {91, 126}, 1, 12, 1);
    fleche_an_ = makeSpinner(this, "fleche_an", {169, 126}, 100, 2000, 100);
    par50_ = caseX50(this, "par50", {226, 127});
    Label4_ = makeLabel(this, "Label4", {245, 128, 70, 16}, legendeX50, QStringLiteral("X 50 ans"));
    // Screen readers name the spinners and the switch by their labels.
    for (auto [label, control] : {std::pair<QLabel*, QWidget*>{jour_, fleche_jour_},
                                  {mois_, fleche_mois_}, {an_, fleche_an_}, {Label4_, par50_}})
        label->setBuddy(control);
    encore_naissance_ = makeLabel(this, "encore_naissance", {110, 194, 110, 18}, boutonViolet,
                                  QStringLiteral("Calculer"));
    encore_naissance_->setCursor(Qt::PointingHandCursor);
    Label3_ = makeLabel(this, "Label3", {20, 24, 296, 30}, consigneBleue);
    for (int i = 0; i < ecoule::NbUnites; ++i) {
        const QByteArray nom = "Label1_" + QByteArray::number(i);
        Label1_[i] = makeLabel(this, nom.constData(), {44, 58 + 16 * i, 272, 16}, lectureNoire);
    }
    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(500);

    connect(fleche_jour_, &ArrowSpinner::valueChanged, this, [this](int v) {
        jour_->setCaption(texte::F(v));
        r_.SonClic();
    });
    connect(fleche_mois_, &ArrowSpinner::valueChanged, this, [this](int v) {
        mois_->setCaption(Routines::noms_mois[v]);
        r_.SonClic();
    });
    connect(fleche_an_, &ArrowSpinner::valueChanged, this, [this](int v) {
        an_->setCaption(texte::F(v));
        r_.SonClic();
        if (r_.rendre_focus == 0)
            r_.rendre_focus = 1;
    });
    // A spinner that holds the keyboard focus gives it back at the next
    // pointer move over the screen.
    connect(fleche_an_, &ArrowSpinner::gotFocus, this, [this] {
        if (r_.rendre_focus == 0)
            r_.rendre_focus = 1;
    });
    connect(par50_, &QCheckBox::clicked, this, &Astuces::basculerPar50);
    par50_->setMouseTracking(true);
    par50_->installEventFilter(this);
    connect(encore_naissance_, &ClickableLabel::clicked, this, [this] {
        if (encore_naissance_->text() == QStringLiteral("Calculer"))
            calculer();
        else
            PreparerSaisieDate();
        r_.SonClic();
    });
    connect(Timer1_, &QTimer::timeout, this, &Astuces::tic);
}

void Astuces::construireEcouter()
{
    // Each tool's instruction, and what it has shown since, said on demand.
    const auto visibles = [](const auto& labels) {
        QStringList textes;
        for (const QLabel* l : labels)
            if (l->isVisible())
                textes << l->text();
        return textes;
    };
    new Ecouter(r_, this, {296, 104}, [this, visibles] {
        return visibles(QList<QLabel*>{Label2_, Label3_} + QList<QLabel*>(Label1_.begin(), Label1_.end()));
    }, QStringLiteral("ecoule"));
    new Ecouter(r_, this, {292, 246}, [this, visibles] {
        return QStringList{Label9_->text(), QStringLiteral("En ") + date_paques_->text() + QLatin1Char(':')}
             + visibles(QList<QLabel*>(fetes_.begin(), fetes_.end()));
    }, QStringLiteral("fetes"));
    new Ecouter(r_, this, {596, 104}, [this] {
        return QStringList{Label5_->text(),
                           QStringLiteral("Il est %1 h %2 mn.").arg(heure_->text(), minut_->text())};
    }, QStringLiteral("horloge"));
}

void Astuces::construireFetes()
{
    Label9_ = makeLabel(this, "Label9", {20, 222, 296, 44}, consigneBleue,
              QStringLiteral("Certaines fêtes religieuses ne tombent pas à date fixe selon les "
                             "années. Choisissez l'année désirée pour connaître ces dates."));
    date_paques_ = makeLabel(this, "date_paques", {24, 268, 52, 20}, valeurChoisie,
                             QStringLiteral("100"));
    fleche_paques_ = makeSpinner(this, "fleche_paques", {84, 270}, 100, 2200, 100);
    par50_paques_ = caseX50(this, "par50_paques", {136, 271});
    Label10_ = makeLabel(this, "Label10", {155, 272, 70, 16}, legendeX50,
                         QStringLiteral("X 50 ans"));
    date_paques_->setBuddy(fleche_paques_);
    Label10_->setBuddy(par50_paques_);
    const char* noms[] = {"paq", "lpaq", "ascen", "lpen"};
    for (int i = 0; i < 4; ++i) {
        fetes_[i] = makeLabel(this, noms[i], {24, 296 + 16 * i, 292, 16}, lectureNoire);
        connect(fetes_[i], &ClickableLabel::pointerMoved, this, [this] { r_.RendreFocus(this); });
    }
    connect(date_paques_, &ClickableLabel::pointerMoved, this, [this] { r_.RendreFocus(this); });

    connect(fleche_paques_, &ArrowSpinner::valueChanged, this, [this](int v) {
        date_paques_->setCaption(texte::F(v));
        if (r_.rendre_focus == 0)
            r_.rendre_focus = 1;
        r_.SonClic();
        AfficherFetes();
    });
    connect(par50_paques_, &QCheckBox::clicked, this, &Astuces::basculerPar50Paques);
}

void Astuces::construireHorloge()
{
    Label5_ = makeLabel(this, "Label5", {472, 44, 148, 58}, consigneBleue,
              QStringLiteral("Entrez l'heure désirée pour la visualiser sur l'horloge"));
    heure_ = makeLabel(this, "heure", {474, 104, 30, 20}, valeurChoisie, QStringLiteral("0"));
    makeLabel(this, "Label6", {505, 104, 16, 20}, {uiFont(taille::p12), couleur::noir},
              QStringLiteral("h"));
    minut_ = makeLabel(this, "minut", {528, 104, 30, 20}, valeurChoisie, QStringLiteral("30"));
    makeLabel(this, "Label7", {559, 104, 30, 20}, {uiFont(taille::p12), couleur::noir, Qt::AlignLeft},
              QStringLiteral("mn"));
    fleche_heure_ = makeSpinner(this, "fleche_heure", {474, 128}, 0, 23, 0, true);
    fleche_minute_ = makeSpinner(this, "fleche_minute", {528, 128}, 0, 59, 30, true);
    heure_->setBuddy(fleche_heure_);
    minut_->setBuddy(fleche_minute_);

    connect(fleche_heure_, &ArrowSpinner::valueChanged, this, [this](int v) {
        heure_->setCaption(texte::F(v));
        r_.SonClic();
        DessinerHorloge();
    });
    connect(fleche_minute_, &ArrowSpinner::valueChanged, this, &Astuces::minuteChangee);
}

void Astuces::construireLecture()
{
    makeLabel(this, "titre", {330, 206, 290, 22}, {uiFont(taille::p13), couleur::violet},
              QStringLiteral("KLEPSOS"));
    // Written at start-up.
    Klepsos_ = makeLabel(this, "Klepsos", {332, 230, 286, 148},
                         {uiFont(taille::p8, false), couleur::noir, Qt::AlignLeft});
    makeLabel(this, "klepsos2", {332, 384, 286, 44}, lectureNoire,
              QStringLiteral("Les Grecs distinguaient Chronos, le temps qui s'écoule, de "
                             "Kairos, le bon moment qu'il faut saisir."));
    makeLabel(this, "Label8", {20, 372, 296, 56}, lectureNoire,
              QStringLiteral("Le mot «\u00A0chronomètre\u00A0» vient du grec khronos, «\u00A0le "
                             "temps\u00A0», et metron, «\u00A0la mesure\u00A0»\u00A0: le "
                             "chronomètre mesure le temps."));
    makeLabel(this, "citation", {20, 438, 520, 16}, {uiFont(taille::p8), couleur::magenta, Qt::AlignLeft},
              QStringLiteral("«\u00A0Le mai le joli mai en barque sur le Rhin\u00A0» "
                             "(Guillaume Apollinaire)"));
}

void Astuces::activation()
{
    ajusterAuCadre(Klepsos_, taille::p8, 8);
    PreparerSaisieDate();
    fleche_heure_->setValue(3);
    fleche_minute_->setValue(30);
    DessinerHorloge();
    const int annee = r_.maintenant().date().year();
    date_paques_->setCaption(texte::F(annee));
    fleche_paques_->setValue(annee);
    if (par50_paques_->isChecked()) {
        par50_paques_->setChecked(false);
        basculerPar50Paques();
    }
    AfficherFetes();
}

void Astuces::paintEvent(QPaintEvent* e)
{
    Screen::paintEvent(e);
    paintLines(this, aiguilles_);
}

bool Astuces::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == par50_ && e->type() == QEvent::MouseMove)
        r_.RendreFocus(this);
    return Screen::eventFilter(objet, e);
}

// ---- Time elapsed since a date ----

void Astuces::PreparerSaisieDate()
{
    Timer1_->stop();
    for (ClickableLabel* l : Label1_)
        l->hide();
    Label3_->hide();
    Label2_->show();
    par50_->show();
    Label4_->show();

    const QDate aujourdhui = r_.maintenant().date();
    fleche_an_->setMaximum(aujourdhui.year());
    jour_->setCaption(texte::F(aujourdhui.day()));
    fleche_jour_->setValue(aujourdhui.day());
    jour_->show();
    mois_->setCaption(Routines::noms_mois[aujourdhui.month()]);
    fleche_mois_->setValue(aujourdhui.month());
    mois_->show();
    an_->setCaption(texte::F(aujourdhui.year()));
    fleche_an_->setValue(aujourdhui.year());
    an_->show();
    fleche_an_->show();
    fleche_mois_->show();
    fleche_jour_->show();

    Label2_->setCaption(ecoule::consigne());
    encore_naissance_->setCaption(QStringLiteral("Calculer"));
    r_.unites = ecoule::unitesSingulier();
    takeFocus();
}

void Astuces::calculer()
{
    const QDate choisie = calendrier::dateDepuisParties(fleche_an_->value(), fleche_mois_->value(),
                                                        fleche_jour_->value());
    date_depart = QDateTime(choisie, QTime(0, 0));
    // One reading of the clock for all eight counts, so they agree.
    const QDateTime maintenant = r_.maintenant();
    for (int i = 0; i < ecoule::NbUnites; ++i) {
        ecoule_[i] = ecoule::compte(i, date_depart, maintenant);
        if (ecoule::prendPluriel(i) && ecoule_[i] > 1)
            r_.unites[i] += QLatin1Char('s');
    }

    if (choisie > maintenant.date()) {
        Label2_->setCaption(ecoule::avertissementFutur(jour_->text(), mois_->text(), an_->text()));
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Label2_, jour_, mois_, an_, par50_, Label4_})
        w->hide();
    for (ClickableLabel* l : Label1_)
        l->show();
    Label3_->show();
    fleche_an_->hide();
    fleche_mois_->hide();
    fleche_jour_->hide();
    encore_naissance_->setCaption(QStringLiteral("Continuer"));
    Label3_->setCaption(ecoule::entete(jour_->text(), mois_->text(), an_->text()));
    for (int i = 0; i < ecoule::NbUnites; ++i)
        afficherCompte(i);
    Timer1_->start();
}

void Astuces::tic()
{
    for (int i : {ecoule::Heures, ecoule::Minutes, ecoule::Secondes}) {
        ecoule_[i] = ecoule::compte(i, date_depart, r_.maintenant());
        afficherCompte(i);
    }
}

void Astuces::afficherCompte(int indice)
{
    Label1_[indice]->setCaption(ecoule::ligne(ecoule_[indice], r_.unites[indice]));
}

// ---- Easter and the movable feasts ----

void Astuces::AfficherFetes()
{
    annee_paques = qint16(fleche_paques_->value());
    const QStringList legendes = paques::legendes(annee_paques);
    for (int i = 0; i < 4; ++i)
        fetes_[i]->setCaption(legendes[i]);
}

// ---- The clock ----

void Astuces::DessinerHorloge()
{
    // The previous hands are replaced, not painted over: nothing to erase.
    const horloge::Aiguilles a = horloge::aiguilles(heure_->text().toInt(), minut_->text().toInt(),
                                                    r_.modeAiguilleHeures());
    r_.fin_x = a.minutes.x();
    r_.fin_y = a.minutes.y();
    fin_heure_x = a.heures.x();
    fin_heure_y = a.heures.y();
    aiguilles_ = {{QLineF(horloge::centre, a.minutes), couleur::rouge, horloge::epaisseur},
                  {QLineF(horloge::centre, a.heures), couleur::bleu, horloge::epaisseur}};
    update();
}

void Astuces::AvancerHeure()
{
    if (fleche_minute_->value() != 0)
        return;
    fleche_heure_->setValue(horloge::heureSuivante(fleche_heure_->value()));
    heure_->setCaption(texte::F(fleche_heure_->value()));
}

void Astuces::ReculerHeure()
{
    if (fleche_minute_->value() != 59)
        return;
    fleche_heure_->setValue(horloge::heurePrecedente(fleche_heure_->value()));
    heure_->setCaption(texte::F(fleche_heure_->value()));
}

void Astuces::minuteChangee(int valeur)
{
    if (minute_precedente == 0)
        ReculerHeure();
    if (minute_precedente == 59)
        AvancerHeure();
    minut_->setCaption(texte::F(valeur));
    r_.SonClic();
    DessinerHorloge();
    minute_precedente = valeur;
}

// ---- Switches and the way back ----

void Astuces::basculerPar50()
{
    appliquerPas(par50_, fleche_an_, Label4_);
    r_.SonClic();
}

void Astuces::basculerPar50Paques()
{
    appliquerPas(par50_paques_, fleche_paques_, Label10_);
    r_.SonClic();
    r_.RendreFocus(this);
}

void Astuces::retour()
{
    r_.retourDepart(this, QStringLiteral("5"), [this] {
        fin_heure_x = fin_heure_y = 0;
        r_.fin_x = r_.fin_y = 0;
        aiguilles_.clear();
        if (par50_->isChecked()) {
            par50_->setChecked(false);
            basculerPar50();
        }
        fleche_an_->setSingleStep(1);
        Timer1_->stop();
        setTextColor(Label4_, couleur::noir);
    });
}

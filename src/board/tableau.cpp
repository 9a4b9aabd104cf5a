// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableau.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "cadrantableau.h"
#include "common/journee.h"
#include "common/voix.h"
#include "rouages.h"
#include "ui/style.h"

namespace {

// The day's moments on its line, with the hours they start at.
struct MomentLigne {
    int debut;
    int fin;
    const char* nom;
    QColor fond;
};
const MomentLigne momentsLigne[] = {
    {0, 6, "nuit", QColor(60, 70, 140)},          {6, 12, "matin", QColor(255, 226, 130)},
    {12, 13, "midi", QColor(255, 170, 60)},       {13, 18, "après-midi", QColor(255, 200, 150)},
    {18, 24, "soir", QColor(170, 130, 210)},
};

// A part of the board's height: every size follows the screen, none under
// 1/40 of it.
int part(int hauteur, int diviseur)
{
    return std::max(12, hauteur / diviseur);
}

}  // namespace

LigneJournee::LigneJournee(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ligne_journee"));
    setAccessibleName(QStringLiteral("La journée de 0 h à 24 h"));
    setMinimumHeight(40);
}

void LigneJournee::setMinutes(int minutes)
{
    minutes_ = minutes;
    const QString moment = minutes < 6 * 60 ? QStringLiteral("la nuit")
                         : minutes < 12 * 60 ? QStringLiteral("le matin")
                         : minutes < 13 * 60 ? QStringLiteral("midi")
                         : minutes < 18 * 60 ? QStringLiteral("l'après-midi")
                                             : QStringLiteral("le soir");
    setAccessibleDescription(QStringLiteral("%1, %2").arg(journee::numerique(minutes), moment));
    update();
}

void LigneJournee::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height(), w = width() - 2 * h * 0.4;
    const qreal x0 = h * 0.4, bande = h * 0.42, haut = h * 0.08;
    const auto x = [&](qreal heures) { return x0 + w * heures / 24; };
    p.setFont(uiFont(int(h * 0.26)));
    for (const MomentLigne& m : momentsLigne) {
        const QRectF r(x(m.debut), haut, x(m.fin) - x(m.debut), bande);
        p.fillRect(r, m.fond);
        p.setPen(m.debut == 0 ? Qt::white : QColor(40, 30, 20));
        if (m.fin - m.debut > 1)
            p.drawText(r, Qt::AlignCenter, QString::fromUtf8(m.nom));
    }
    p.setPen(QPen(QColor(40, 30, 20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x(0), haut, w, bande));
    for (int heure = 0; heure <= 24; heure += 3) {
        p.drawLine(QPointF(x(heure), haut + bande), QPointF(x(heure), haut + bande + h * 0.08));
        p.drawText(QRectF(x(heure) - h, haut + bande + h * 0.08, 2 * h, h * 0.4), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1 h").arg(heure));
    }
    // The clock's time: a red mark over the line.
    const qreal mx = x(minutes_ / 60.0);
    QPolygonF marque{{mx, haut + bande}, {mx - h * 0.16, haut - h * 0.06}, {mx + h * 0.16, haut - h * 0.06}};
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(215, 30, 30));
    p.drawPolygon(marque);
}

Tableau::Tableau(QSettings& reglages, RandomSource& hasard, Voix* voix, QWidget* parent)
    : QWidget(parent), reglages_(reglages), hasard_(hasard), voix_(voix)
{
    setObjectName(QStringLiteral("tableau"));
    setWindowTitle(QStringLiteral("Klepsos — au tableau"));
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(250, 248, 240));
    setPalette(fond);

    cadran_ = new CadranTableau;
    ligne_ = new LigneJournee;
    const auto texte = [](const char* nom, const QColor& c) {
        auto* l = new QLabel;
        l->setObjectName(QString::fromLatin1(nom));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, c);
        l->setPalette(p);
        return l;
    };
    numerique_ = texte("numerique", QColor(20, 30, 90));
    moment_ = texte("moment", QColor(90, 60, 20));
    mots_ = texte("mots", QColor(20, 30, 90));
    duree_ = texte("duree", QColor(120, 80, 0));

    voirNumerique_ = bouton("voir_numerique", QStringLiteral("Heure numérique"), "numerique", true);
    voirMots_ = bouton("voir_mots", QStringLiteral("En mots"), "mots", false);
    minutes_ = bouton("minutes", QStringLiteral("Minutes"), "minutes", false);
    vingtQuatre_ = bouton("vingt_quatre", QStringLiteral("24 heures"), "vingt_quatre", false);
    trotteuse_ = bouton("trotteuse", QStringLiteral("Trotteuse"), "trotteuse", false);
    liees_ = bouton("liees", QStringLiteral("Aiguilles liées"), "liees", true);
    auto* ecouter = bouton("ecouter", QStringLiteral("Écouter"));
    ecouter->setEnabled(voix_ && voix_->disponible());
    if (voix_)
        connect(voix_, &Voix::disponibiliteChangee, ecouter, &QWidget::setEnabled);
    auto* auHasard = bouton("au_hasard", QStringLiteral("Une heure au hasard"));
    reponse_ = bouton("montrer_reponse", QStringLiteral("Montrer la réponse"));
    enDuree_ = bouton("en_duree", QStringLiteral("Durée"));
    enDuree_->setCheckable(true);
    auto* plus1 = bouton("plus_1_min", QStringLiteral("+1 min"));
    auto* plus5 = bouton("plus_5_min", QStringLiteral("+5 min"));
    auto* plus60 = bouton("plus_1_h", QStringLiteral("+1 h"));
    auto* fermer = bouton("fermer", QStringLiteral("Fermer"));
    niveau_ = new QComboBox;
    niveau_->setObjectName(QStringLiteral("niveau"));
    niveau_->setAccessibleName(QStringLiteral("Niveau de l'heure au hasard"));
    for (const tableau::NiveauTableau& n : tableau::niveaux)
        niveau_->addItem(QString::fromUtf8(n.nom), QString::fromLatin1(n.cle));
    niveau_->setCurrentIndex(std::max(0, niveau_->findData(reglages_.value(QStringLiteral("tableau/niveau"), QStringLiteral("quarts")))));

    // The clock on the left, as tall as the board allows, the day under it;
    // on the right the time in digits and words, then every control, the
    // toggles lowest, where a child's hand reaches them.
    auto* gauche = new QVBoxLayout;
    gauche->setContentsMargins(0, 0, 0, 0);
    gauche->addWidget(cadran_, 1);
    gauche->addWidget(ligne_, 0);
    auto* droite = new QVBoxLayout;
    droite->addWidget(numerique_);
    droite->addWidget(moment_);
    droite->addWidget(mots_);
    droite->addWidget(duree_);
    droite->addStretch(1);
    auto* grille = new QGridLayout;
    grille->addWidget(niveau_, 0, 0);
    grille->addWidget(auHasard, 0, 1);
    grille->addWidget(reponse_, 1, 0, 1, 2);
    auto* plus = new QHBoxLayout;
    for (QPushButton* b : {enDuree_, plus1, plus5, plus60})
        plus->addWidget(b);
    grille->addLayout(plus, 2, 0, 1, 2);
    const QList<QPushButton*> bascules{voirNumerique_, voirMots_, minutes_, vingtQuatre_, trotteuse_, liees_, ecouter, fermer};
    for (int i = 0; i < bascules.size(); ++i)
        grille->addWidget(bascules[i], 3 + i / 2, i % 2);
    droite->addLayout(grille);
    auto* tout = new QHBoxLayout(this);
    tout->setContentsMargins(8, 8, 8, 8);
    tout->addLayout(gauche, 2);
    tout->addLayout(droite, 1);

    for (QPushButton* b : {voirNumerique_, voirMots_, minutes_, vingtQuatre_, trotteuse_, liees_})
        connect(b, &QPushButton::toggled, this, &Tableau::montrer);
    connect(liees_, &QPushButton::toggled, this, [this](bool oui) { cadran_->rouages().setLiees(oui); });
    connect(cadran_, &CadranTableau::tourne, this, &Tableau::montrer);
    connect(auHasard, &QPushButton::clicked, this, &Tableau::auHasard);
    connect(reponse_, &QPushButton::clicked, this, &Tableau::montrerReponse);
    connect(enDuree_, &QPushButton::toggled, this, &Tableau::basculerDuree);
    connect(niveau_, &QComboBox::currentIndexChanged, this,
            [this] { reglages_.setValue(QStringLiteral("tableau/niveau"), niveau_->currentData()); });
    for (const auto& [b, pas] : {std::pair{plus1, 60}, std::pair{plus5, 300}, std::pair{plus60, 3600}})
        connect(b, &QPushButton::clicked, this, [this, pas = pas] {
            cadran_->rouages().avancer(pas);
            cadran_->actualiser();
            montrer();
        });
    connect(ecouter, &QPushButton::clicked, this, [this] {
        if (voix_)
            voix_->dire(tableau::aDire(cadran_->rouages().minutes(), voirNumerique_->isChecked()));
    });
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);

    cadran_->rouages().setLiees(liees_->isChecked());
    cadran_->rouages().regler(8 * 3600);
    montrer();
}

QPushButton* Tableau::bouton(const char* nom, const QString& texte, const char* cle, bool parDefaut)
{
    auto* b = new QPushButton(texte);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAccessibleName(texte);
    if (cle) {
        const QString chemin = QStringLiteral("tableau/") + QString::fromLatin1(cle);
        b->setCheckable(true);
        b->setChecked(reglages_.value(chemin, parDefaut).toBool());
        connect(b, &QPushButton::toggled, this, [this, chemin](bool oui) { reglages_.setValue(chemin, oui); });
    }
    return b;
}

void Tableau::montrer()
{
    CadranTableau& c = *cadran_;
    c.setMinutesAutour(minutes_->isChecked());
    c.setVingtQuatre(vingtQuatre_->isChecked());
    c.setTrotteuse(trotteuse_->isChecked());
    const int t = c.rouages().minutes();
    ligne_->setMinutes(t);
    const QString cachee = QStringLiteral("?");
    numerique_->setVisible(voirNumerique_->isChecked());
    moment_->setVisible(voirNumerique_->isChecked());
    numerique_->setText(cache_ ? cachee : journee::numerique(t));
    const QString moment = t < 6 * 60 ? QStringLiteral("la nuit")
                         : t < 12 * 60 ? QStringLiteral("le matin")
                         : t < 13 * 60 ? QStringLiteral("midi")
                         : t < 18 * 60 ? QStringLiteral("l'après-midi")
                                       : QStringLiteral("le soir");
    moment_->setText(cache_ ? QString() : moment);
    mots_->setVisible(voirMots_->isChecked());
    // The 24-hour words too, when the digits show them and they differ.
    const QString dial = journee::enToutesLettres(t), vingtQuatre = journee::numeriqueEnLettres(t);
    mots_->setText(cache_ ? cachee
                          : dial + (voirNumerique_->isChecked() && vingtQuatre != dial ? QStringLiteral("\n") + vingtQuatre
                                                                                       : QString()));
    const bool duree = c.rouages().enDuree();
    duree_->setVisible(duree);
    duree_->setText(cache_ ? QStringLiteral("Durée : ?") : QStringLiteral("Durée : ") + journee::duree(int(c.rouages().ecoule() / 60)));
    reponse_->setEnabled(cache_);
    c.update();
}

void Tableau::auHasard()
{
    const int t = tableau::heureAuHasard(hasard_, niveau_->currentData().toString(), cadran_->rouages().minutes());
    enDuree_->setChecked(false);
    cadran_->rouages().regler(t * 60.0);
    cadran_->actualiser();
    cache_ = true;
    montrer();
}

void Tableau::montrerReponse()
{
    cache_ = false;
    montrer();
}

void Tableau::basculerDuree(bool oui)
{
    if (oui) {
        cadran_->rouages().commencerDuree();
        // The class finds the duration first.
        cache_ = true;
    } else {
        cadran_->rouages().arreterDuree();
    }
    montrer();
}

void Tableau::resizeEvent(QResizeEvent* e)
{
    const int h = height();
    const auto taille = [](QWidget* w, int pixels) { w->setFont(uiFont(pixels)); };
    taille(numerique_, part(h, 8));
    taille(moment_, part(h, 24));
    taille(mots_, part(h, 26));
    taille(duree_, part(h, 20));
    taille(niveau_, part(h, 36));
    for (QPushButton* b : findChildren<QPushButton*>()) {
        taille(b, part(h, 36));
        b->setMinimumHeight(std::max(64, h / 15));
    }
    QWidget::resizeEvent(e);
    // A name too long for its button on a narrow board goes on two lines.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        const QString nom = b->accessibleName();
        const int milieu = int(nom.indexOf(QLatin1Char(' '), nom.size() / 2 - 2));
        const bool large = b->fontMetrics().horizontalAdvance(nom) + 24 <= b->width();
        b->setText(large || milieu < 0 ? nom : nom.left(milieu) + QLatin1Char('\n') + nom.mid(milieu + 1));
    }
    niveau_->setMinimumHeight(std::max(64, h / 15));
    ligne_->setFixedHeight(part(h, 14));
}

void Tableau::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(e);
}

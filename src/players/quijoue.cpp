// SPDX-License-Identifier: GPL-3.0-or-later
#include "quijoue.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>

#include "common/nomjoueur.h"
#include "ui/clickablelabel.h"
#include "ui/plaque.h"
#include "ui/style.h"

namespace {

// The grid of children's buttons: six a row, as tall as the rows allow.
constexpr QRect zoneBoutons(20, 74, 600, 264);
constexpr int colonnes = 6;
constexpr int ecart = 8;
constexpr int hauteurMax = 46;

// Soft colours for the buttons, one per child whatever the order.
const QColor teintes[] = {{255, 214, 214}, {255, 233, 196}, {255, 248, 196}, {214, 245, 206},
                          {206, 236, 250}, {226, 216, 250}, {250, 216, 238}};

// The largest face that writes the name on one line within its button.
QFont policeBouton(const QString& nom, const QRect& place)
{
    const int tailles[] = {taille::p13, taille::p12, taille::p9, taille::p8};
    for (int t : tailles) {
        const QFont f = uiFont(t);
        if (t <= place.height() / 2 && QFontMetrics(f).horizontalAdvance(nom) <= place.width() - 10)
            return f;
    }
    return uiFont(taille::p8);
}

Plaque* plaque(QWidget* ecran, const QRect& place, const QColor& face)
{
    return new Plaque(ecran, place, face, face.darker(150));
}

}  // namespace

QList<QRect> QuiJoue::placesBoutons(int nombre)
{
    const int lignes = std::max(1, (nombre + colonnes - 1) / colonnes);
    const int largeur = (zoneBoutons.width() - (colonnes - 1) * ecart) / colonnes;
    const int hauteur = std::min(hauteurMax, (zoneBoutons.height() - (lignes - 1) * ecart) / lignes);
    QList<QRect> places;
    for (int i = 0; i < nombre; ++i)
        places.append({zoneBoutons.left() + (i % colonnes) * (largeur + ecart),
                       zoneBoutons.top() + (i / colonnes) * (hauteur + ecart), largeur, hauteur});
    return places;
}

QuiJoue::QuiJoue(const DepotJoueurs& depot, QWidget* parent) : Screen(parent), depot_(depot)
{
    setObjectName(QStringLiteral("joueurs"));
    makeLabel(this, "titre", {170, 14, 300, 44}, {uiFont(34), couleur::bleu}, QStringLiteral("Qui joue ?"));

    makeLabel(this, "invite", {60, 350, 520, 22}, {uiFont(taille::p12), couleur::violet},
              QStringLiteral("Tu n'es pas dans la liste ? Écris ton prénom :"));
    nouveau_ = new QLineEdit(this);
    nouveau_->setObjectName(QStringLiteral("nouveau"));
    nouveau_->setGeometry(150, 378, 230, 34);
    nouveau_->setFont(uiFont(taille::p13));
    nouveau_->setMaxLength(40);
    nouveau_->setAccessibleName(QStringLiteral("Ton prénom"));
    constexpr QRect placeAjout(392, 378, 98, 34);
    plaque(this, placeAjout, QColor(214, 245, 206));
    auto* ajout = makeLabel(this, "ajouter", placeAjout, {uiFont(taille::p12), couleur::noir, Qt::AlignCenter},
                            QStringLiteral("C'est moi !"));
    ajout->setCursor(Qt::PointingHandCursor);
    ajout->setAccessibleName(QStringLiteral("Ajouter mon prénom"));
    message_ = makeLabel(this, "message", {60, 416, 520, 20}, {uiFont(taille::p8), couleur::rouge});

    constexpr QRect placeSans(20, 446, 170, 26);
    plaque(this, placeSans, QColor(240, 240, 240));
    auto* sans = makeLabel(this, "sans_nom", placeSans, {uiFont(taille::p9), couleur::noir, Qt::AlignCenter},
                           QStringLiteral("Jouer sans prénom"));
    sans->setCursor(Qt::PointingHandCursor);

    constexpr QRect placeRetour(551, 450, 78, 24);
    plaqueRetour_ = plaque(this, placeRetour, QColor(255, 253, 246));
    plaqueRetour_->hide();
    retour_ = makeLabel(this, "retour", placeRetour, {uiFont(taille::p8), couleur::noir, Qt::AlignCenter},
                        QStringLiteral("Retour"));
    retour_->setCursor(Qt::PointingHandCursor);
    retour_->hide();
    connect(retour_, &ClickableLabel::clicked, this, &QuiJoue::retour);
    setEscapeControl("retour");

    connect(nouveau_, &QLineEdit::returnPressed, this, &QuiJoue::ajouter);
    connect(nouveau_, &QLineEdit::textEdited, message_, &QLabel::clear);
    connect(ajout, &ClickableLabel::clicked, this, &QuiJoue::ajouter);
    connect(sans, &ClickableLabel::clicked, this, &QuiJoue::sansNom);
}

void QuiJoue::activation()
{
    qDeleteAll(boutons_);
    boutons_.clear();
    qDeleteAll(plaques_);
    plaques_.clear();
    nouveau_->clear();
    message_->clear();
    const QList<Joueur> joueurs = depot_.joueurs();
    const QList<QRect> places = placesBoutons(int(joueurs.size()));
    QStringList ordre;
    for (qsizetype i = 0; i < joueurs.size(); ++i) {
        const Joueur& j = joueurs[i];
        const QByteArray nom = QStringLiteral("joueur_%1").arg(i).toLatin1();
        plaques_.append(plaque(this, places[i], teintes[qHash(j.cle) % std::size(teintes)]));
        plaques_.last()->show();
        auto* b = makeLabel(this, nom.constData(), places[i],
                            {policeBouton(j.nom, places[i]), couleur::noir, Qt::AlignCenter}, j.nom);
        b->setWordWrap(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setAccessibleName(j.nom);
        b->show();
        connect(b, &ClickableLabel::clicked, this, [this, j] { emit choisi(j); });
        boutons_.append(b);
        ordre << QString::fromLatin1(nom);
    }
    setFocusOrder({ordre, {QStringLiteral("nouveau"), QStringLiteral("ajouter")}, {QStringLiteral("sans_nom")},
                   {QStringLiteral("retour")}});
}

void QuiJoue::setRetourPossible(bool oui)
{
    plaqueRetour_->setVisible(oui);
    retour_->setVisible(oui);
}

void QuiJoue::keyPressEvent(QKeyEvent* e)
{
    // At start-up there is no way back: Escape waits for a choice.
    if (e->key() == Qt::Key_Escape && retour_->isHidden()) {
        e->accept();
        return;
    }
    Screen::keyPressEvent(e);
}

void QuiJoue::ajouter()
{
    const auto nom = nomJoueurValide(nouveau_->text());
    if (!nom) {
        message_->setText(messageNomRefuse(nouveau_->text()));
        return;
    }
    const auto j = depot_.creer(*nom);
    if (!j) {
        message_->setText(QStringLiteral("Klepsos ne peut pas enregistrer ce prénom ici."));
        return;
    }
    emit choisi(*j);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "quijoue.h"

#include <QLineEdit>

#include "nomjoueur.h"
#include "ui/clickablelabel.h"
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

QString styleBouton(const QColor& fond)
{
    return QStringLiteral("QLabel { background: %1; border: 2px solid %2; border-radius: 12px; }")
        .arg(fond.name(), fond.darker(150).name());
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
    nouveau_->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; border: 2px solid #8c9be6; border-radius: 8px; padding: 0 6px; }"));
    auto* ajout = makeLabel(this, "ajouter", {392, 378, 98, 34}, {uiFont(taille::p12), couleur::noir, Qt::AlignCenter},
                            QStringLiteral("C'est moi !"));
    ajout->setStyleSheet(styleBouton(QColor(214, 245, 206)));
    ajout->setCursor(Qt::PointingHandCursor);
    ajout->setAccessibleName(QStringLiteral("Ajouter mon prénom"));
    message_ = makeLabel(this, "message", {60, 416, 520, 20}, {uiFont(taille::p8), couleur::rouge});

    auto* sans = makeLabel(this, "sans_nom", {20, 446, 170, 26}, {uiFont(taille::p9), couleur::noir, Qt::AlignCenter},
                           QStringLiteral("Jouer sans prénom"));
    sans->setStyleSheet(styleBouton(QColor(240, 240, 240)));
    sans->setCursor(Qt::PointingHandCursor);

    connect(nouveau_, &QLineEdit::returnPressed, this, &QuiJoue::ajouter);
    connect(nouveau_, &QLineEdit::textEdited, message_, &QLabel::clear);
    connect(ajout, &ClickableLabel::clicked, this, &QuiJoue::ajouter);
    connect(sans, &ClickableLabel::clicked, this, &QuiJoue::sansNom);
}

void QuiJoue::activation()
{
    qDeleteAll(boutons_);
    boutons_.clear();
    nouveau_->clear();
    message_->clear();
    const QList<Joueur> joueurs = depot_.joueurs();
    const QList<QRect> places = placesBoutons(int(joueurs.size()));
    QStringList ordre;
    for (qsizetype i = 0; i < joueurs.size(); ++i) {
        const Joueur& j = joueurs[i];
        const QByteArray nom = QStringLiteral("joueur_%1").arg(i).toLatin1();
        auto* b = makeLabel(this, nom.constData(), places[i],
                            {uiFont(places[i].height() < 30 ? taille::p9 : taille::p13), couleur::noir,
                             Qt::AlignCenter},
                            j.nom);
        b->setStyleSheet(styleBouton(teintes[qHash(j.cle) % std::size(teintes)]));
        b->setCursor(Qt::PointingHandCursor);
        b->setAccessibleName(j.nom);
        b->show();
        connect(b, &ClickableLabel::clicked, this, [this, j] { emit choisi(j); });
        boutons_.append(b);
        ordre << QString::fromLatin1(nom);
    }
    setFocusOrder({ordre, {QStringLiteral("nouveau"), QStringLiteral("ajouter")}, {QStringLiteral("sans_nom")}});
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

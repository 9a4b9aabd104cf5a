// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "ui/clickablelabel.h"
#include "ui/style.h"

namespace {

const QColor vert(76, 175, 80);
const QColor rougeDoux(239, 83, 80);
const QColor or_(255, 193, 7);
const QColor etoileVide(225, 225, 225);
const QColor marque(255, 152, 0);

// Rows and columns of the picture, in its own coordinates (600 x 380).
constexpr int hauteurEntete = 26;
constexpr int xTitre = 6;
constexpr int xBarre = 214;
constexpr int largeurBarre = 250;
constexpr int xEtoiles = 482;
constexpr int hauteurPied = 44;

QPainterPath etoile(QPointF c, qreal r)
{
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const qreal a = M_PI / 2 + i * M_PI / 5;
        const qreal rr = i % 2 ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() - rr * std::sin(a));
        i ? p.lineTo(pt) : p.moveTo(pt);
    }
    p.closeSubpath();
    return p;
}

void barre(QPainter& p, QRectF r, int justes, int erreurs, int echelle)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 18));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    if (justes + erreurs == 0)
        return;
    const qreal w = r.width() * (justes + erreurs) / std::max(1, echelle);
    const qreal wj = w * justes / (justes + erreurs);
    p.save();
    QPainterPath forme;
    forme.addRoundedRect(QRectF(r.left(), r.top(), std::max(w, r.height()), r.height()), r.height() / 2,
                         r.height() / 2);
    p.setClipPath(forme);
    p.fillRect(QRectF(r.left(), r.top(), wj, r.height()), vert);
    p.fillRect(QRectF(r.left() + wj, r.top(), std::max(w, r.height()) - wj, r.height()), rougeDoux);
    p.restore();
}

}  // namespace

TableauProgres::TableauProgres(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tableau"));
    setAccessibleName(QStringLiteral("Mes progrès"));
}

int TableauProgres::etoiles(int justes, int erreurs)
{
    const int n = justes + erreurs;
    if (n < reponsesMinimum)
        return 0;
    const int pourcent = 100 * justes / n;
    return pourcent >= 90 ? 3 : pourcent >= 70 ? 2 : pourcent >= 50 ? 1 : 0;
}

void TableauProgres::afficher(const Bilan& b)
{
    bilan_ = b;
    setAccessibleDescription(texteBilan(b));
    update();
}

void TableauProgres::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int n = int(bilan_.activites.size());
    if (n == 0)
        return;
    const qreal hLigne = qreal(height() - hauteurEntete - hauteurPied) / n;

    // This week's bars share one scale, the bars of before another: a week
    // is never dwarfed by a whole year.
    int echelleSemaine = 1, echelleAvant = 1;
    for (const BilanActivite& a : bilan_.activites) {
        echelleSemaine = std::max(echelleSemaine, a.justesSemaine + a.erreursSemaine);
        echelleAvant = std::max(echelleAvant, a.justesAvant + a.erreursAvant);
    }

    // The legend a child needs: green right, red wrong, the thick bar for
    // this week, the thin one for before.
    p.setFont(uiFont(taille::p9));
    const auto pastille = [&](qreal x, const QColor& c, const QString& t) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QRectF(x, 7, 12, 12));
        p.setPen(couleur::noir);
        p.drawText(QRectF(x + 16, 0, 120, hauteurEntete), Qt::AlignVCenter, t);
    };
    pastille(xTitre, vert, QStringLiteral("juste"));
    pastille(xTitre + 70, rougeDoux, QStringLiteral("erreur"));
    barre(p, QRectF(xBarre, 7, 30, 12), 1, 0, 1);
    p.setPen(couleur::noir);
    p.drawText(QRectF(xBarre + 36, 0, 110, hauteurEntete), Qt::AlignVCenter, QStringLiteral("cette semaine"));
    barre(p, QRectF(xBarre + 150, 11, 30, 5), 1, 0, 1);
    p.setPen(couleur::noir);
    p.drawText(QRectF(xBarre + 186, 0, 60, hauteurEntete), Qt::AlignVCenter, QStringLiteral("avant"));
    p.drawText(QRectF(xEtoiles - 10, 0, 130, hauteurEntete), Qt::AlignVCenter | Qt::AlignHCenter,
               QStringLiteral("cette semaine"));

    for (int i = 0; i < n; ++i) {
        const BilanActivite& a = bilan_.activites[i];
        const QRectF ligne(0, hauteurEntete + i * hLigne, width(), hLigne);
        const bool aTravailler = bilan_.aTravailler.contains(a.activite);
        if (aTravailler) {
            p.setPen(QPen(marque, 2));
            p.setBrush(QColor(255, 243, 224));
            p.drawRoundedRect(ligne.adjusted(1, 1, -1, -1), 8, 8);
        } else if (i % 2 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 120));
            p.drawRoundedRect(ligne.adjusted(1, 1, -1, -1), 8, 8);
        }
        p.setPen(a.total() ? QColor(couleur::bleu) : QColor(150, 150, 170));
        p.setFont(uiFont(taille::p9));
        p.drawText(ligne.adjusted(xTitre, 0, 0, 0).toRect(), Qt::AlignVCenter | Qt::AlignLeft, a.titre);

        const qreal hb = std::min<qreal>(14, hLigne * 0.42);
        barre(p, QRectF(xBarre, ligne.center().y() - hb * 0.8, largeurBarre, hb), a.justesSemaine,
              a.erreursSemaine, echelleSemaine);
        barre(p, QRectF(xBarre, ligne.center().y() + hb * 0.35, largeurBarre, hb * 0.45), a.justesAvant,
              a.erreursAvant, echelleAvant);

        const int e = etoiles(a.justesSemaine, a.erreursSemaine);
        const qreal r = std::min<qreal>(11, hLigne * 0.38);
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(k < e ? or_.darker(130) : etoileVide.darker(115), 1));
            p.setBrush(k < e ? or_ : etoileVide);
            p.drawPath(etoile(QPointF(xEtoiles + 14 + k * 2.6 * r, ligne.center().y()), r));
        }
    }

    // What to work on, in words under the rows.
    const QRectF pied(0, height() - hauteurPied + 6, width(), hauteurPied - 6);
    p.setPen(QPen(marque, 2));
    p.setBrush(QColor(255, 243, 224));
    p.drawRoundedRect(pied.adjusted(1, 1, -1, -1), 10, 10);
    QStringList titres;
    for (const QString& id : bilan_.aTravailler)
        titres << titreActivite(id);
    p.setPen(couleur::noir);
    // Praise only for a child who has played.
    const bool rienJoue = std::all_of(bilan_.activites.cbegin(), bilan_.activites.cend(),
                                      [](const BilanActivite& a) { return a.total() == 0; });
    const QString texte = !titres.isEmpty() ? QStringLiteral("À travailler : ") + titres.join(QStringLiteral(", "))
                          : rienJoue        ? QStringLiteral("Joue pour voir tes progrès !")
                                            : QStringLiteral("Bravo, continue comme ça !");
    // As large as fits on one line; on two, smaller, when the titles are long.
    const QRectF dedans = pied.adjusted(10, 0, -10, 0);
    for (int t : {taille::p12, taille::p9}) {
        p.setFont(uiFont(t));
        if (p.fontMetrics().horizontalAdvance(texte) <= dedans.width())
            break;
    }
    p.drawText(dedans, Qt::AlignCenter | Qt::TextWordWrap, texte);
}

Progres::Progres(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("progres"));
    titre_ = makeLabel(this, "titre", {120, 12, 400, 40}, {uiFont(28), couleur::bleu});
    tableau_ = new TableauProgres(this);
    tableau_->setGeometry(20, 60, 600, 390);
    auto* retour = makeLabel(this, "retour", {551, 459, 78, 18}, {uiFont(taille::p8), couleur::noir},
                             QStringLiteral("Retour"));
    connect(retour, &ClickableLabel::clicked, this, &Progres::retour);
    setFocusOrder({{QStringLiteral("retour")}});
    setEscapeControl("retour");
}

void Progres::afficher(const Bilan& b, const std::optional<QString>& prenom)
{
    titre_->setText(prenom ? QStringLiteral("Les progrès de %1").arg(*prenom) : QStringLiteral("Mes progrès"));
    tableau_->afficher(b);
    // The screen takes the focus when shown: a screen reader says its name
    // and the summary at once.
    setAccessibleName(titre_->text());
    setAccessibleDescription(tableau_->accessibleDescription());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "common/texte.h"
#include "ui/clickablelabel.h"
#include "ui/etoile.h"
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
constexpr int hauteurPied = 38;

// The path's band: a line of title and legend, then the badges, eight at
// most to a row.
constexpr int hauteurTitreChemin = 18;
constexpr int badgesParRang = 8;
// The title and legend keep clear of the background's corner pictures.
constexpr int margeTitreChemin = 40;

struct Teinte {
    QColor fond;
    QColor bord;
};
Teinte teinte(programme::Etape e)
{
    switch (e) {
    case programme::Etape::Reussi:
        return {QColor(200, 230, 201), QColor(67, 160, 71)};
    case programme::Etape::EnRoute:
        return {QColor(255, 224, 178), QColor(245, 124, 0)};
    case programme::Etape::PasEncore:
        break;
    }
    return {QColor(245, 245, 245), QColor(176, 176, 176)};
}

// A tick for reached, a half-filled disc on the way, an empty ring not yet.
void symbole(QPainter& p, QPointF c, qreal r, programme::Etape e)
{
    const Teinte t = teinte(e);
    p.setPen(QPen(t.bord, std::max<qreal>(1.2, r / 4)));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    if (e == programme::Etape::EnRoute) {
        p.setPen(Qt::NoPen);
        p.setBrush(t.bord);
        p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90 * 16, 180 * 16);
    } else if (e == programme::Etape::Reussi) {
        QPainterPath v;
        v.moveTo(c.x() - r * 0.5, c.y());
        v.lineTo(c.x() - r * 0.1, c.y() + r * 0.45);
        v.lineTo(c.x() + r * 0.55, c.y() - r * 0.45);
        p.setPen(QPen(t.bord, std::max<qreal>(1.5, r / 3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(v);
    }
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
            p.drawPath(formeEtoile(QPointF(xEtoiles + 14 + k * 2.6 * r, ligne.center().y()), r));
        }
    }

    // What to work on, in words under the rows.
    const QRectF pied(0, height() - hauteurPied + 6, width(), hauteurPied - 6);
    p.setPen(QPen(marque, 2));
    p.setBrush(QColor(255, 243, 224));
    p.drawRoundedRect(pied.adjusted(1, 1, -1, -1), 10, 10);
    QStringList titres;
    for (const QString& id : bilan_.aTravailler)
        titres << texte::minusculeInitiale(titreActivite(id));
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

CheminProgres::CheminProgres(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chemin"));
    setAccessibleName(QStringLiteral("Mon chemin"));
}

void CheminProgres::afficher(const programme::Parcours& p, const QList<programme::Annee>& annees)
{
    parcours_ = p;
    QStringList noms;
    for (programme::Annee a : annees)
        noms << programme::nomAnnee(a);
    titre_ = noms.isEmpty() ? QStringLiteral("Mon chemin") : QStringLiteral("Mon chemin de ") + noms.join(QStringLiteral(" et "));
    setAccessibleDescription(programme::texteParcours(p));
    update();
}

void CheminProgres::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(couleur::bleu);
    p.setFont(uiFont(taille::p9));
    p.drawText(QRectF(margeTitreChemin, 0, 300, hauteurTitreChemin), Qt::AlignVCenter | Qt::AlignLeft, titre_);
    // The legend, in the child's words.
    qreal x = width() - margeTitreChemin;
    p.setFont(uiFont(taille::p8, false));
    for (programme::Etape e : {programme::Etape::Reussi, programme::Etape::EnRoute, programme::Etape::PasEncore}) {
        const QString mot = programme::texteEtape(e);
        x -= p.fontMetrics().horizontalAdvance(mot) + 22;
        symbole(p, QPointF(x + 6, hauteurTitreChemin / 2.0), 5.5, e);
        p.setPen(couleur::noir);
        p.drawText(QRectF(x + 14, 0, 100, hauteurTitreChemin), Qt::AlignVCenter | Qt::AlignLeft, mot);
    }

    const int n = int(parcours_.etapes.size());
    if (n == 0) {
        p.setPen(couleur::noir);
        p.setFont(uiFont(taille::p9, false));
        p.drawText(QRectF(0, hauteurTitreChemin, width(), height() - hauteurTitreChemin), Qt::AlignCenter,
                   QStringLiteral("Ton chemin se dessine quand tu joues."));
        return;
    }
    const int rangs = (n + badgesParRang - 1) / badgesParRang;
    const int parRang = (n + rangs - 1) / rangs;
    const qreal hRang = qreal(height() - hauteurTitreChemin) / rangs;
    const qreal lBadge = qreal(width()) / parRang;
    // On one row: the symbol above the title; on two, beside it.
    const bool haut = rangs == 1;
    const qreal r = haut ? 9 : 5;
    const auto place = [&](int i) {
        return QRectF(lBadge * (i % parRang), hauteurTitreChemin + hRang * (i / parRang), lBadge, hRang).adjusted(3, 2, -3, -2);
    };
    const auto zoneTexte = [&](const QRectF& b) {
        return haut ? b.adjusted(4, 2 * r + 6, -4, -2) : b.adjusted(2 * r + 6, 1, -2, -1);
    };
    const auto mots = [&](int i) { return QString::fromUtf8(programme::items()[size_t(parcours_.etapes[i].item)].court); };
    // One size for every badge, as large as lets each title fit with its
    // words whole.
    int px = haut ? taille::p9 : taille::p8;
    for (int i = 0; i < n; ++i) {
        for (; px > 8; --px) {
            const QFontMetricsF fm(uiFont(px));
            const QRectF zone = zoneTexte(place(i));
            const QStringList l = mots(i).split(QLatin1Char(' '));
            const bool entiers = std::all_of(l.begin(), l.end(), [&](const QString& m) { return fm.horizontalAdvance(m) <= zone.width(); });
            if (entiers && fm.boundingRect(zone, Qt::AlignCenter | Qt::TextWordWrap, mots(i)).height() <= zone.height())
                break;
        }
    }
    for (int i = 0; i < n; ++i) {
        const programme::EtapeParcours& e = parcours_.etapes[i];
        const QRectF badge = place(i);
        const Teinte t = teinte(e.etape);
        const bool prochain = e.item == parcours_.prochain;
        p.setPen(prochain ? QPen(couleur::magenta, 3) : QPen(t.bord, 1.5));
        p.setBrush(t.fond);
        p.drawRoundedRect(badge, 8, 8);
        symbole(p, haut ? QPointF(badge.center().x(), badge.top() + 4 + r) : QPointF(badge.left() + 4 + r, badge.center().y()), r,
                e.etape);
        p.setPen(couleur::noir);
        p.setFont(uiFont(px));
        p.drawText(zoneTexte(badge), Qt::AlignCenter | Qt::TextWordWrap, mots(i));
        if (prochain)
            peindreEtoile(p, badge.topRight() + QPointF(-3, 3), 8);
    }
}

Progres::Progres(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("progres"));
    titre_ = makeLabel(this, "titre", {120, 4, 400, 38}, {uiFont(28), couleur::bleu});
    chemin_ = new CheminProgres(this);
    chemin_->setGeometry(20, 42, 600, 98);
    tableau_ = new TableauProgres(this);
    tableau_->setGeometry(20, 142, 600, 312);
    auto* retour = makeLabel(this, "retour", {551, 459, 78, 18}, {uiFont(taille::p8), couleur::noir},
                             QStringLiteral("Retour"));
    connect(retour, &ClickableLabel::clicked, this, &Progres::retour);
    travail_ = makeLabel(this, "travail", {20, 456, 520, 22}, {uiFont(taille::p9), couleur::violet, Qt::AlignLeft | Qt::AlignVCenter});
    setFocusOrder({{QStringLiteral("retour")}});
    setEscapeControl("retour");
}

void Progres::afficher(const Bilan& b, const programme::Parcours& chemin, const std::optional<QString>& prenom,
                       const QList<programme::Annee>& annees, const QString& travail)
{
    travail_->setText(travail);
    titre_->setText(prenom ? QStringLiteral("Les progrès de %1").arg(*prenom) : QStringLiteral("Mes progrès"));
    chemin_->afficher(chemin, annees);
    tableau_->afficher(b);
    // The screen takes the focus when shown: a screen reader says its name,
    // the path and the summary at once.
    setAccessibleName(titre_->text());
    setAccessibleDescription(chemin_->accessibleDescription() + QLatin1Char(' ') + tableau_->accessibleDescription()
                             + (travail.isEmpty() ? QString() : QLatin1Char(' ') + travail));
}

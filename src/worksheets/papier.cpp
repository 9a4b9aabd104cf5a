// SPDX-License-Identifier: GPL-3.0-or-later
#include "papier.h"

#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

#include "clock/aiguilles.h"
#include "common/calendrier.h"
#include "common/texte.h"

namespace papier {

namespace {

using fiches::Exercice;
using fiches::Genre;
using fiches::Page;

// The page's bands, top to bottom (tenths of a millimetre).
constexpr qreal hautEnTete = marge;
constexpr qreal hautTitre = hautEnTete + 80;
constexpr qreal hautSousTitre = hautTitre + 70;
constexpr qreal hautConsigne = hautSousTitre + 90;  // a child's items may take two lines
constexpr qreal hautGrille = hautConsigne + 105;
constexpr qreal hautPied = 2970 - marge - 50;
constexpr qreal basGrille = hautPied - 20;
constexpr qreal largeurUtile = 2100 - 2 * marge;

constexpr qreal retrait = 20;       // inside a cell
constexpr qreal ligneTexte = 50;    // a line under a dial
constexpr int lignesSousCadran = 2;
constexpr qreal ecartCadrans = 130;  // between a duration's dials, for the arrow

// Text sizes, tenths of a millimetre (40: about 11 points).
constexpr int texteNormal = 40;
constexpr int texteTitre = 62;
constexpr int textePied = 32;
constexpr int texteCorrige = 36;

// The key: entries of two columns, a small dial each.
constexpr int colonnesCorrige = 2;
constexpr qreal hauteurEntree = 270;
constexpr qreal rayonCorrige = 110;
constexpr qreal titreCorrige = 90;

void police(QPainter& p, int taille, bool gras = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(taille);
    f.setBold(gras);
    p.setFont(f);
}

QPen trait(qreal largeur)
{
    QPen pen(Qt::black, largeur);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

struct Grille {
    int colonnes;
    int lignes;
};
// Durations alone at four a page: one a row, their dials larger side by side.
Grille grilleDe(const Page& page)
{
    const bool dureesSeules =
        !page.exercices.isEmpty()
        && std::all_of(page.exercices.begin(), page.exercices.end(), [](const Exercice& e) { return e.genre == Genre::Durees; });
    switch (page.parPage) {
    case 4:
        return dureesSeules ? Grille{1, 4} : Grille{2, 2};
    case 9:
        return {3, 3};
    case 12:
        return {3, 4};
    default:
        return {2, 3};
    }
}

QRectF caseDe(const Page& page, qsizetype i)
{
    const Grille g = grilleDe(page);
    const qreal l = largeurUtile / g.colonnes, h = (basGrille - hautGrille) / g.lignes;
    return {marge + qreal(i % g.colonnes) * l, hautGrille + qreal(i / g.colonnes) * h, l, h};
}

// A cell wide enough puts its text beside the dials rather than under.
bool enLargeur(const QRectF& c)
{
    return c.width() > 2.5 * c.height();
}

QRectF zoneTexte(const QRectF& c)
{
    const QRectF d = c.adjusted(retrait, retrait, -retrait, -retrait);
    if (enLargeur(c))
        return d.adjusted(d.height() * 2 + ecartCadrans + retrait, 0, 0, 0);
    return QRectF(d.left(), d.bottom() - lignesSousCadran * ligneTexte, d.width(), lignesSousCadran * ligneTexte);
}

void texte(QPainter& p, const QRectF& r, const QString& t, int taille, int alignement, bool gras = false)
{
    police(p, taille, gras);
    p.setPen(Qt::black);
    p.drawText(r, alignement | Qt::TextWordWrap, texte::insecable(t));
}

// The month's page of a calendar exercise, in the cell's upper part.
void dessinerMois(QPainter& p, const QRectF& zone, QDate premier)
{
    const qreal titre = 60, entete = 50;
    texte(p, QRectF(zone.left(), zone.top(), zone.width(), titre),
          calendrier::nomMois(premier.month()) + QLatin1Char(' ') + QString::number(premier.year()), texteNormal,
          Qt::AlignCenter, true);
    const qreal l = zone.width() / 7, h = (zone.height() - titre - entete) / 6;
    const qreal haut = zone.top() + titre;
    police(p, texteNormal - 6, true);
    for (int j = 0; j < 7; ++j)
        p.drawText(QRectF(zone.left() + j * l, haut, l, entete), Qt::AlignCenter, calendrier::nomJour(j + 1).left(2));
    const std::array<QDate, 42> jours = calendrier::pageMois(premier);
    p.setPen(trait(3));
    p.setBrush(Qt::NoBrush);
    const int rangs = calendrier::semaines(premier);
    for (int k = 0; k < rangs * 7; ++k) {
        const QRectF r(zone.left() + (k % 7) * l, haut + entete + (k / 7) * h, l, h);
        p.drawRect(r);
        if (jours[size_t(k)].month() != premier.month())
            continue;
        police(p, texteNormal - 4);
        p.drawText(r, Qt::AlignCenter, QString::number(jours[size_t(k)].day()));
    }
}

// The dials and the text of one exercise, in its cell.
void dessinerExercice(QPainter& p, const Page& page, qsizetype i)
{
    const Exercice& e = page.exercices[i];
    const QRectF c = caseDe(page, i);
    texte(p, QRectF(c.left() + retrait, c.top() + retrait, 80, 55), QString::number(i + 1), texteNormal, Qt::AlignLeft | Qt::AlignTop, true);
    if (e.genre == Genre::Calendrier) {
        const QRectF d = c.adjusted(retrait + 70, retrait, -retrait, -retrait);
        const qreal questions = 160, reponse = 60;
        dessinerMois(p, QRectF(d.left(), d.top(), d.width(), d.height() - questions - reponse), e.mois);
        texte(p, QRectF(d.left(), d.bottom() - questions - reponse + 10, d.width(), questions), e.question.enonce,
              texteNormal, Qt::AlignLeft | Qt::AlignTop);
        texte(p, QRectF(d.left(), d.bottom() - reponse, d.width(), reponse), fiches::aRemplir(e).join(QLatin1Char('\n')),
              texteNormal, Qt::AlignLeft | Qt::AlignBottom);
        return;
    }
    const QList<Cadran> cadrans = cadransDe(page, i);
    const bool secondes = fiches::avecSecondes(e);
    if (e.genre == Genre::Durees) {
        dessinerCadran(p, cadrans[0], e.temps, secondes);
        dessinerCadran(p, cadrans[1], e.fin, secondes);
        const QPointF a = cadrans[0].centre + QPointF(cadrans[0].rayon + 12, 0);
        const QPointF b = cadrans[1].centre - QPointF(cadrans[1].rayon + 12, 0);
        p.setPen(trait(6));
        p.drawLine(a, b);
        p.drawLine(b, b + QPointF(-18, -14));
        p.drawLine(b, b + QPointF(-18, 14));
    } else {
        dessinerCadran(p, cadrans[0], e.genre == Genre::Lire ? std::optional<int>(e.temps) : std::nullopt, secondes);
    }
    const QRectF t = zoneTexte(c);
    texte(p, t, fiches::aRemplir(e).join(QLatin1Char('\n')), texteNormal,
          enLargeur(c) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignHCenter | Qt::AlignBottom);
}

// One answer of the key: its number, its small dial(s) as the sheet shows
// or asks them, the answer written.
void dessinerEntree(QPainter& p, const QRectF& r, const Exercice& e, qsizetype numero)
{
    texte(p, QRectF(r.left(), r.top(), 70, 50), QString::number(numero + 1) + QLatin1Char('.'), texteCorrige,
          Qt::AlignLeft | Qt::AlignTop, true);
    const QList<Cadran> cadrans = cadransCorrige(r, e.genre);
    const bool secondes = fiches::avecSecondes(e);
    const int temps[] = {e.temps, e.fin};
    for (qsizetype i = 0; i < cadrans.size(); ++i)
        dessinerCadran(p, cadrans[i], temps[i], secondes);
    const qreal x = cadrans.isEmpty() ? r.left() + 70 : cadrans.last().centre.x() + rayonCorrige + 30;
    QString t = fiches::reponse(e);
    if (e.genre == Genre::Calendrier)
        t = e.question.enonce + QLatin1Char('\n') + t;
    texte(p, QRectF(x, r.top(), r.right() - x - 10, r.height()), t, texteCorrige, Qt::AlignLeft | Qt::AlignVCenter,
          e.genre != Genre::Calendrier);
}

QString nomDeLaFiche(const Page& page)
{
    const QString t = QStringLiteral("Fiche n°\u00a0%1").arg(page.numero);
    return page.prenom.isEmpty() ? t : t + QStringLiteral(" — ") + page.prenom;
}

qreal hauteurCorrige(const Page& page)
{
    const qsizetype lignes = (page.exercices.size() + colonnesCorrige - 1) / colonnesCorrige;
    return titreCorrige + qreal(lignes) * hauteurEntree + 40;
}

}  // namespace

QList<Cadran> cadransDe(const Page& page, qsizetype i)
{
    const Exercice& e = page.exercices[i];
    if (e.genre == Genre::Calendrier)
        return {};
    const QRectF c = caseDe(page, i);
    const QRectF d = c.adjusted(retrait, retrait, -retrait, -retrait);
    if (enLargeur(c)) {
        const qreal r = d.height() / 2;
        return {{{d.left() + r, d.center().y()}, r}, {{d.left() + 3 * r + ecartCadrans, d.center().y()}, r}};
    }
    const QRectF haut(d.left(), d.top(), d.width(), d.height() - lignesSousCadran * ligneTexte - retrait);
    if (e.genre == Genre::Durees) {
        const qreal r = std::min((haut.width() - ecartCadrans) / 4, haut.height() / 2);
        const QPointF m = haut.center();
        return {{{m.x() - ecartCadrans / 2 - r, m.y()}, r}, {{m.x() + ecartCadrans / 2 + r, m.y()}, r}};
    }
    return {{haut.center(), std::min(haut.width(), haut.height()) / 2}};
}

void dessinerCadran(QPainter& p, const Cadran& c, std::optional<int> temps, bool secondes)
{
    const qreal r = c.rayon;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(trait(std::max<qreal>(6, r * 0.025)));
    p.drawEllipse(c.centre, r, r);
    // The minute marks, longer and thicker at the hours.
    for (int m = 0; m < 60; ++m) {
        const bool heure = m % 5 == 0;
        const double a = calendrier::angleMinutes(m);
        QPen marque = trait(heure ? std::max<qreal>(5, r * 0.025) : std::max<qreal>(2.5, r * 0.01));
        marque.setCapStyle(Qt::FlatCap);
        p.setPen(marque);
        p.drawLine(calendrier::finAiguille(c.centre, a, r * (heure ? 0.89 : 0.94)), calendrier::finAiguille(c.centre, a, r * 0.98));
    }
    police(p, int(std::lround(r * 0.16)));
    p.setPen(Qt::black);
    for (int h = 1; h <= 12; ++h) {
        const QPointF o = calendrier::finAiguille(c.centre, calendrier::angleHeures(h), r * 0.72);
        p.drawText(QRectF(o.x() - r * 0.15, o.y() - r * 0.1, r * 0.3, r * 0.2), Qt::AlignCenter, QString::number(h));
    }
    if (temps) {
        const int m = *temps / 60, s = *temps % 60;
        // Angles from the 12, clockwise; the common drawing's from the x axis.
        const auto aiguille = [&](double angle, qreal longueur, qreal largeur) {
            p.setPen(trait(largeur));
            p.drawLine(c.centre, calendrier::finAiguille(c.centre, angle + 270, longueur));
        };
        aiguille(aiguilles::angleHeures(m, s), r * 0.5, r * 0.07);
        aiguille(aiguilles::angleMinutes(m, secondes ? s : 0), r * 0.8, r * 0.035);
        if (secondes) {
            // Thin, with a tail: told from the others by its shape, not a colour.
            const double a = aiguilles::angleSecondes(s);
            p.setPen(trait(std::max<qreal>(2.5, r * 0.012)));
            p.drawLine(calendrier::finAiguille(c.centre, a + 90, r * 0.18), calendrier::finAiguille(c.centre, a + 270, r * 0.88));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(c.centre, r * 0.05, r * 0.05);
    p.restore();
}

void dessinerPage(QPainter& p, const Page& page, int numeroPage, int nombrePages)
{
    const QString pointilles = QStringLiteral("……………………………");
    const QString prenom = page.prenom.isEmpty() ? pointilles : page.prenom;
    texte(p, QRectF(marge, hautEnTete, largeurUtile * 0.6, 70), QStringLiteral("Prénom : ") + prenom, 45,
          Qt::AlignLeft | Qt::AlignVCenter);
    texte(p, QRectF(marge + largeurUtile * 0.6, hautEnTete, largeurUtile * 0.4, 70), QStringLiteral("Date : ") + pointilles,
          45, Qt::AlignRight | Qt::AlignVCenter);
    texte(p, QRectF(marge, hautTitre, largeurUtile, hautSousTitre - hautTitre), page.titre, texteTitre,
          Qt::AlignLeft | Qt::AlignVCenter, true);
    texte(p, QRectF(marge, hautSousTitre, largeurUtile, hautConsigne - hautSousTitre), page.sousTitre, texteNormal - 2,
          Qt::AlignLeft | Qt::AlignVCenter);
    texte(p, QRectF(marge, hautConsigne, largeurUtile, hautGrille - hautConsigne - 10), page.consigne, texteNormal - 2,
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(trait(3));
    p.drawLine(QPointF(marge, hautGrille - 8), QPointF(2100 - marge, hautGrille - 8));
    for (qsizetype i = 0; i < page.exercices.size(); ++i)
        dessinerExercice(p, page, i);
    QString pied = nomDeLaFiche(page);
    if (nombrePages > 1)
        pied += QStringLiteral(" — page %1 sur %2").arg(numeroPage).arg(nombrePages);
    texte(p, QRectF(marge, hautPied, largeurUtile, 50), pied, textePied, Qt::AlignHCenter | Qt::AlignVCenter);
}

QList<BlocCorrige> blocsCorrige(const QList<Page>& pages)
{
    QList<BlocCorrige> blocs;
    int feuille = 0;
    qreal y = marge;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        // A block that does not fit the sheet's end starts the next.
        if (y > marge && y + hauteurCorrige(pages[i]) > hautPied) {
            ++feuille;
            y = marge;
        }
        blocs.append({feuille, i, y});
        y += hauteurCorrige(pages[i]);
    }
    return blocs;
}

QRectF caseCorrige(const BlocCorrige& b, qsizetype k)
{
    const qreal l = largeurUtile / colonnesCorrige;
    return {marge + qreal(k % colonnesCorrige) * l, b.haut + titreCorrige + qreal(k / colonnesCorrige) * hauteurEntree, l,
            hauteurEntree - 20};
}

QList<Cadran> cadransCorrige(const QRectF& r, Genre g)
{
    const qreal x = r.left() + 70 + rayonCorrige, y = r.center().y();
    switch (g) {
    case Genre::Durees:
        return {{{x, y}, rayonCorrige}, {{x + 2 * rayonCorrige + 20, y}, rayonCorrige}};
    case Genre::Calendrier:
        return {};
    case Genre::Lire:
    case Genre::Dessiner:
        break;
    }
    return {{{x, y}, rayonCorrige}};
}

void dessinerCorrige(QPainter& p, const QList<Page>& pages, const BlocCorrige& b)
{
    const Page& page = pages[b.page];
    QString titre = QStringLiteral("Corrigé — ") + nomDeLaFiche(page);
    if (page.prenom.isEmpty() && pages.size() > 1)
        titre += QStringLiteral(", page %1").arg(b.page + 1);
    texte(p, QRectF(marge, b.haut, largeurUtile, titreCorrige - 20), titre, 45, Qt::AlignLeft | Qt::AlignVCenter, true);
    p.setPen(trait(3));
    p.drawLine(QPointF(marge, b.haut + titreCorrige - 15), QPointF(2100 - marge, b.haut + titreCorrige - 15));
    for (qsizetype k = 0; k < page.exercices.size(); ++k)
        dessinerEntree(p, caseCorrige(b, k), page.exercices[k], k);
}

bool ecrirePdf(const QList<Page>& pages, const QString& fichier, QString* erreur)
{
    const QString refus = QStringLiteral("Impossible d'écrire les fiches dans %1.").arg(fichier);
    // Written aside, then renamed: a file cut short leaves nothing behind.
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly)) {
        *erreur = refus;
        return false;
    }
    QPdfWriter pdf(&sortie);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Klepsos — fiches"));
    pdf.setCreator(QStringLiteral("Klepsos"));
    QPainter p;
    if (!p.begin(&pdf)) {
        *erreur = refus;
        return false;
    }
    bool premiere = true;
    const auto nouvellePage = [&] {
        if (!premiere)
            pdf.newPage();
        premiere = false;
        p.setWindow(QRect(QPoint(0, 0), a4.toSize()));
    };
    // A sheet for anyone counts its pages; a child's page is one.
    const bool pourTous = !pages.isEmpty() && pages.first().prenom.isEmpty();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        nouvellePage();
        dessinerPage(p, pages[i], pourTous ? int(i + 1) : 1, pourTous ? int(pages.size()) : 1);
    }
    int feuille = -1;
    for (const BlocCorrige& b : blocsCorrige(pages)) {
        if (b.feuille != feuille)
            nouvellePage();
        feuille = b.feuille;
        dessinerCorrige(p, pages, b);
    }
    if (!p.end() || !sortie.commit()) {
        *erreur = refus;
        return false;
    }
    return true;
}

}  // namespace papier

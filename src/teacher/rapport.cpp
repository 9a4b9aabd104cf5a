// SPDX-License-Identifier: GPL-3.0-or-later
#include "rapport.h"

#include <QDateTime>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <vector>

#include "common/parallele.h"
#include "players/bilan.h"
#include "dessins.h"
#include "modeleclasse.h"

namespace {

// The page in logical units: A4 at 96 per inch, margins included.
constexpr qreal largeurPage = 794;
constexpr qreal marge = 40;
constexpr qreal ligneTableau = 17;
constexpr qreal enTeteTableau = 110;
constexpr int erreursParPage = 14;
constexpr qreal enTeteItems = 170;
constexpr qreal ligneItem = 15;

// A level in two letters, for a page printed without colour.
QString abrege(programme::Acquis a)
{
    switch (a) {
    case programme::Acquis::NonAtteint:
        return QStringLiteral("NA");
    case programme::Acquis::PartiellementAtteint:
        return QStringLiteral("PA");
    case programme::Acquis::Atteint:
        return QStringLiteral("A");
    case programme::Acquis::Depasse:
        return QStringLiteral("D");
    case programme::Acquis::PasEncoreEvalue:
        break;
    }
    return QStringLiteral("–");
}

void police(QPainter& p, qreal pixels, bool gras = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(pixels));
    f.setBold(gras);
    p.setFont(f);
}

// The title band of every page; returns where the page's content starts.
qreal titre(QPainter& p, const QString& titre, const QString& sousTitre)
{
    police(p, 20, true);
    p.setPen(Qt::black);
    p.drawText(QRectF(marge, marge, largeurPage - 2 * marge, 28), Qt::AlignLeft | Qt::AlignVCenter, titre);
    police(p, 11);
    p.setPen(QColor(80, 80, 80));
    p.drawText(QRectF(marge, marge + 28, largeurPage - 2 * marge, 18), Qt::AlignLeft | Qt::AlignVCenter, sousTitre);
    p.setPen(QPen(QColor(180, 180, 180), 0));
    p.drawLine(QPointF(marge, marge + 50), QPointF(largeurPage - marge, marge + 50));
    p.setPen(Qt::black);
    return marge + 62;
}

// A child's name at the head of a table's row.
void nomDeLigne(QPainter& p, qreal y, qreal largeur, const QString& nom)
{
    police(p, 10);
    p.setPen(Qt::black);
    p.drawText(QRectF(marge, y, largeur - 4, ligneTableau), Qt::AlignLeft | Qt::AlignVCenter, nom);
}

// The class table from row `depuis`; returns the next row not drawn.
qsizetype tableau(QPainter& p, qreal y, qreal bas, const ResumeClasse& r, const QStringList& ids,
                  qsizetype depuis)
{
    const qreal nom = 120;
    const qreal total = 64;
    const qreal colonne = (largeurPage - 2 * marge - nom - total) / ids.size();
    police(p, 9.5);
    p.setPen(Qt::black);
    // Headers written upwards, to fit eleven activities across the page.
    for (qsizetype c = 0; c <= ids.size(); ++c) {
        const bool estTotal = c == ids.size();
        const QString t = estTotal ? QStringLiteral("Total") : titreActivite(ids[c]);
        const Compte k = estTotal ? Compte{} : r.activite(ids[c]);
        const qreal x = marge + nom + c * colonne + (estTotal ? total : colonne) / 2;
        p.save();
        p.translate(x, y + enTeteTableau - 4);
        p.rotate(-90);
        p.drawText(QRectF(0, -14, enTeteTableau - 8, 14), Qt::AlignLeft | Qt::AlignVCenter, t);
        if (!estTotal) {
            police(p, 8);
            p.setPen(QColor(80, 80, 80));
            p.drawText(QRectF(0, 0, enTeteTableau - 8, 12), Qt::AlignLeft | Qt::AlignVCenter, texteCompte(k));
        }
        p.restore();
    }
    y += enTeteTableau;
    qsizetype i = depuis;
    for (; i < r.enfants.size() && y + ligneTableau <= bas; ++i, y += ligneTableau) {
        const ResumeEnfant& e = r.enfants[i];
        nomDeLigne(p, y, nom, e.enfant.nom);
        police(p, 8.5);
        for (qsizetype c = 0; c <= ids.size(); ++c) {
            const bool estTotal = c == ids.size();
            const Compte k = estTotal ? e.total() : e.activites.value(ids[c]);
            const QRectF cas(marge + nom + c * colonne, y, estTotal ? total : colonne, ligneTableau);
            p.fillRect(cas.adjusted(0.5, 0.5, -0.5, -0.5), couleurReussite(k));
            p.drawText(cas, Qt::AlignCenter, texteCompte(k));
        }
    }
    return i;
}

// The colours and letters of the levels, in a line; returns its height.
qreal legende(QPainter& p, qreal y)
{
    police(p, 9);
    qreal x = marge;
    for (programme::Acquis a : {programme::Acquis::NonAtteint, programme::Acquis::PartiellementAtteint,
                                programme::Acquis::Atteint, programme::Acquis::Depasse,
                                programme::Acquis::PasEncoreEvalue}) {
        const QString t = abrege(a) + QStringLiteral(" : ") + programme::texteAcquis(a);
        const qreal w = p.fontMetrics().horizontalAdvance(t) + 20;
        p.fillRect(QRectF(x, y + 2, 12, 12), couleurAcquis(a));
        p.setPen(Qt::black);
        p.drawText(QRectF(x + 16, y, w, 16), Qt::AlignLeft | Qt::AlignVCenter, t);
        x += w + 10;
    }
    return 22;
}

// The class on the items of its year(s) from row `depuis`; returns the next
// row not drawn.
qsizetype positionnement(QPainter& p, qreal y, qreal bas, const ResumeClasse& r, qsizetype depuis)
{
    const QList<int> items = r.items();
    const qreal nom = 120;
    const qreal colonne = (largeurPage - 2 * marge - nom) / std::max<qsizetype>(1, items.size());
    police(p, 8);
    p.setPen(Qt::black);
    // Titles written upwards, on two lines when they are long.
    for (qsizetype c = 0; c < items.size(); ++c) {
        const programme::Item& it = programme::items()[size_t(items[c])];
        p.save();
        p.translate(marge + nom + c * colonne + colonne / 2, y + enTeteItems - 4);
        p.rotate(-90);
        p.drawText(QRectF(0, -colonne / 2, enTeteItems - 8, colonne), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   programme::nomAnnee(it.annee) + QStringLiteral(" · ") + QString::fromUtf8(it.titre));
        p.restore();
    }
    y += enTeteItems;
    qsizetype i = depuis;
    for (; i < r.enfants.size() && y + ligneTableau <= bas; ++i, y += ligneTableau) {
        const ResumeEnfant& e = r.enfants[i];
        nomDeLigne(p, y, nom, e.enfant.nom);
        police(p, 8);
        for (qsizetype c = 0; c < items.size(); ++c) {
            const programme::Position pos = e.position.position(items[c]);
            const QRectF cas(marge + nom + c * colonne, y, colonne, ligneTableau);
            p.fillRect(cas.adjusted(0.5, 0.5, -0.5, -0.5), couleurAcquis(pos.acquis));
            p.drawText(cas, Qt::AlignCenter,
                       pos.comptees ? QStringLiteral("%1 %2/%3").arg(abrege(pos.acquis)).arg(pos.justes).arg(pos.comptees)
                                    : abrege(pos.acquis));
        }
    }
    return i;
}

// A child's items and levels, a line each; returns where it ends.
qreal itemsEnfant(QPainter& p, qreal y, const ResumeEnfant& e, const QList<int>& items)
{
    police(p, 12, true);
    p.setPen(Qt::black);
    p.drawText(QRectF(marge, y, 500, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Positionnement sur le programme"));
    y += 22;
    police(p, 9);
    const qreal colNiveau = largeurPage - marge - 170;
    for (int i : items) {
        const programme::Item& it = programme::items()[size_t(i)];
        const programme::Position pos = e.position.position(i);
        p.setPen(Qt::black);
        p.drawText(QRectF(marge, y, 40, ligneItem), Qt::AlignLeft | Qt::AlignVCenter, programme::nomAnnee(it.annee));
        p.drawText(QRectF(marge + 40, y, colNiveau - marge - 46, ligneItem), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(it.titre));
        const QRectF cas(colNiveau, y + 1, 170, ligneItem - 2);
        p.fillRect(cas, couleurAcquis(pos.acquis));
        p.drawText(cas, Qt::AlignCenter, texteAcquisCompte(pos));
        y += ligneItem;
    }
    return y + 12;
}

void pageEnfant(QPainter& p, const ResumeEnfant& e, const DetailEnfant& d, const QStringList& ids, const QString& date,
                const QList<int>& items, qreal hauteurPage)
{
    const QLocale fr(QLocale::French, QLocale::France);
    const Compte t = e.total();
    const QString dernier = e.dernier.isValid()
                                ? QStringLiteral(" — dernière partie le %1").arg(fr.toString(e.dernier.date(), QLocale::LongFormat))
                                : QString();
    qreal y = titre(p, e.enfant.nom,
                    QStringLiteral("%1 réponses justes sur %2%3 — rapport du %4").arg(t.justes).arg(t.total).arg(dernier, date));
    police(p, 12, true);
    p.drawText(QRectF(marge, y, 400, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ses réponses, semaine par semaine"));
    y += 20;
    police(p, 11);
    dessinerProgres(p, QRectF(marge, y, largeurPage - 2 * marge, 230), d.semaines);
    y += 244;
    police(p, 12, true);
    p.drawText(QRectF(marge, y, 400, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Activité par activité"));
    y += 22;
    QList<BarreActivite> barres;
    for (const QString& a : ids)
        barres.append({titreActivite(a), e.activites.value(a)});
    police(p, 11);
    dessinerActivites(p, QRectF(marge, y, largeurPage - 2 * marge, barres.size() * 20), barres);
    y += barres.size() * 20 + 14;
    QStringList travail;
    for (const QString& a : d.aTravailler)
        travail << titreActivite(a);
    police(p, 12, true);
    p.setPen(Qt::black);
    p.drawText(QRectF(marge, y, largeurPage - 2 * marge, 20), Qt::AlignLeft | Qt::AlignVCenter,
               travail.isEmpty() ? QStringLiteral("À travailler : rien de particulier")
                                 : QStringLiteral("À travailler : %1").arg(travail.join(QStringLiteral(", "))));
    y += 22;
    p.drawText(QRectF(marge, y, largeurPage - 2 * marge, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Mon entraînement cette semaine : %1").arg(texteSeances(e)));
    y += 30;
    y = itemsEnfant(p, y, e, items);
    // The mistakes in the room left, 14 at most.
    const qsizetype place = qsizetype((hauteurPage - marge - y - 38) / 15);
    if (d.erreurs.isEmpty() || place <= 0)
        return;
    police(p, 12, true);
    p.drawText(QRectF(marge, y, 400, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ses dernières erreurs"));
    y += 22;
    const qreal col[] = {marge, marge + 90, marge + 410, marge + 560};
    police(p, 9, true);
    const QStringList titres{QStringLiteral("Quand"), QStringLiteral("Question"), QStringLiteral("Sa réponse"), QStringLiteral("La bonne réponse")};
    for (int c = 0; c < 4; ++c)
        p.drawText(QRectF(col[c], y, (c < 3 ? col[c + 1] : largeurPage - marge) - col[c] - 6, 14), Qt::AlignLeft | Qt::AlignVCenter, titres[c]);
    y += 16;
    police(p, 9);
    for (qsizetype i = 0; i < std::min<qsizetype>({erreursParPage, place, d.erreurs.size()}); ++i, y += 15) {
        const LigneHistorique& l = d.erreurs[i];
        const QStringList cases{fr.toString(l.quand, QStringLiteral("dd/MM/yy HH:mm")), l.question, l.reponse, l.attendue};
        for (int c = 0; c < 4; ++c) {
            const qreal w = (c < 3 ? col[c + 1] : largeurPage - marge) - col[c] - 6;
            p.drawText(QRectF(col[c], y, w, 14), Qt::AlignLeft | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(cases[c], Qt::ElideRight, int(w)));
        }
    }
}

}  // namespace

bool ecrireRapport(const Lieux& lieux, const QString& fichier, QString* erreur)
{
    if (!classeJoignable(lieux, erreur))
        return false;
    SuiviClasse suivi(lieux);
    suivi.actualiser();
    const ResumeClasse& r = suivi.resume();
    const QStringList ids = activitesConnues();

    // Written aside, then renamed: a report cut short leaves no file behind.
    QSaveFile sortie(fichier);
    const QString refus = QStringLiteral("Impossible d'écrire le rapport dans %1.").arg(fichier);
    if (!sortie.open(QIODevice::WriteOnly)) {
        *erreur = refus;
        return false;
    }
    QPdfWriter pdf(&sortie);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Klepsos — bilan de la classe"));
    pdf.setCreator(QStringLiteral("Klepsos"));
    QPainter p;
    if (!p.begin(&pdf)) {
        *erreur = refus;
        return false;
    }
    const qreal hauteurPage = largeurPage * pdf.height() / pdf.width();
    const auto nouvellePage = [&](bool premiere) {
        if (!premiere)
            pdf.newPage();
        p.setWindow(QRectF(0, 0, largeurPage, hauteurPage).toRect());
        p.setRenderHint(QPainter::Antialiasing);
    };
    const QLocale fr(QLocale::French, QLocale::France);
    const QString date = fr.toString(QDate::currentDate(), QLocale::LongFormat);

    // The class: the table (on as many pages as it takes), then a bar per activity.
    nouvellePage(true);
    qreal y = titre(p, QStringLiteral("Klepsos — bilan de la classe"),
                    QStringLiteral("%1 — le %2").arg(nombreEleves(r.enfants.size()), date));
    const qreal barres = ids.size() * 20 + 30;
    qsizetype suite = 0;
    do {
        const qsizetype avant = suite;
        suite = tableau(p, y, hauteurPage - marge, r, ids, suite);
        y += enTeteTableau + (suite - avant) * ligneTableau + 20;
        if (suite < r.enfants.size() || y + barres > hauteurPage - marge) {
            nouvellePage(false);
            y = titre(p, QStringLiteral("Klepsos — bilan de la classe (suite)"), date);
        }
    } while (suite < r.enfants.size());
    police(p, 12, true);
    p.drawText(QRectF(marge, y, 500, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("La classe, activité par activité"));
    QList<BarreActivite> parActivite;
    for (const QString& a : ids)
        parActivite.append({titreActivite(a), r.activite(a)});
    police(p, 11);
    dessinerActivites(p, QRectF(marge, y + 24, largeurPage - 2 * marge, ids.size() * 20), parActivite);

    // Each child on the items of the class's year(s).
    const QString annees = r.annees.isEmpty() ? QStringLiteral("toutes les années") : classe::ecrireAnnees(r.annees);
    suite = 0;
    do {
        nouvellePage(false);
        y = titre(p, QStringLiteral("Positionnement"),
                  QStringLiteral("%1 sur le programme (%2) — le %3").arg(nombreEleves(r.enfants.size()), annees, date));
        y += legende(p, y);
        suite = positionnement(p, y, hauteurPage - marge - 70, r, suite);
    } while (suite < r.enfants.size());
    police(p, 9);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(marge, hauteurPage - marge - 62, largeurPage - 2 * marge, 62), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
               programme::texteRegle());

    // Each child's answers read again for their page, side by side.
    std::vector<DetailEnfant> details(size_t(r.enfants.size()));
    enParallele(details.size(), [&](size_t i) { details[i] = detailEnfant(lieux, r.enfants[qsizetype(i)].enfant.cle); });
    for (qsizetype i = 0; i < r.enfants.size(); ++i) {
        nouvellePage(false);
        pageEnfant(p, r.enfants[i], details[size_t(i)], ids, date, r.items(), hauteurPage);
    }
    if (!p.end() || !sortie.commit()) {
        *erreur = refus;
        return false;
    }
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrancalendrier.h"

#include <QDateTime>

#include "common/routines.h"
#include "common/texte.h"
#include "sections/pagemois.h"
#include "sections/section.h"
#include "ui/clickablelabel.h"
#include "ui/style.h"

namespace {

// Four columns, each 155 wide.
constexpr int largeur = 155;
constexpr int pas = 159;
constexpr int hautChoix = 130;
constexpr int hauteurChoix = 34;
constexpr int nombreChoix = 3;
// The month's page in the second column, its title above.
constexpr QRect placeTitrePage(0, 108, largeur, 16);
constexpr QRect placePage(1, 124, largeur - 2, 122);
// Its choices under it, side by side.
constexpr int hautChoixSousPage = 250;

PlaceSection placeColonne(int colonne)
{
    return {.x = 3 + pas * colonne, .largeur = largeur, .hautTitre = 8, .hautEnonce = 44, .hauteurEnonce = 62,
            .hautVerifier = 278, .hautVerdict = 304, .hautNiveaux = 392, .pasNiveaux = 14, .taillePoliceTitre = 13};
}

QStringList cles(const QList<cal::Niveau>& niveaux)
{
    QStringList l;
    for (const cal::Niveau& n : niveaux)
        l << QString::fromLatin1(n.cle);
    return l;
}

QStringList noms(const QList<cal::Niveau>& niveaux)
{
    QStringList l;
    for (const cal::Niveau& n : niveaux)
        l << QString::fromUtf8(n.nom);
    return l;
}

}  // namespace

const QStringList EcranCalendrier::activites{QStringLiteral("jours_mois"), QStringLiteral("lire_calendrier"),
                                             QStringLiteral("unites_temps"), QStringLiteral("siecles")};

// A section: its question, drawn by its own rule, answered among words or
// on the month's page.
struct EcranCalendrier::SectionCal : public Section {
    SectionCal(EcranCalendrier* e, int colonne, const char* suffixe, const QString& titre,
               const QList<cal::Niveau>& niveaux, std::function<cal::Question(int)> tirer)
        : Section(e, e->r_, placeColonne(colonne), EcranCalendrier::activites[colonne].toLatin1().constData(), suffixe,
                  titre, cles(niveaux), noms(niveaux), [e] { e->CompterExercice(); }),
          tirer(std::move(tirer))
    {
    }
    std::function<cal::Question(int)> tirer;
    cal::Question question;
    QList<ClickableLabel*> choix;
    PageMois* page = nullptr;
};

EcranCalendrier::EcranCalendrier(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("calendrier"));
    const auto aujourdhui = [this] { return r_.maintenant().date(); };
    sections_.push_back(std::make_unique<SectionCal>(
        this, 0, "jours", QStringLiteral("Les jours\net les mois"), cal::niveauxJours,
        [this, aujourdhui](int n) { return cal::jours(r_.hasard, n, aujourdhui()); }));
    sections_.push_back(std::make_unique<SectionCal>(this, 1, "page", QStringLiteral("Lire un\ncalendrier"),
                                                     cal::niveauxPage, [this, aujourdhui](int n) {
                                                         const QDate mois = moisSuivant_.isValid()
                                                                                ? moisSuivant_
                                                                                : QDate(aujourdhui().year(), aujourdhui().month(), 1);
                                                         moisSuivant_ = cal::autreMois(r_.hasard, aujourdhui());
                                                         return cal::page(r_.hasard, n, mois);
                                                     }));
    sections_.push_back(std::make_unique<SectionCal>(this, 2, "unites", QStringLiteral("Jours, semaines,\nmois, années"),
                                                     cal::niveauxUnites,
                                                     [this](int n) { return cal::unites(r_.hasard, n); }));
    sections_.push_back(std::make_unique<SectionCal>(this, 3, "siecles", QStringLiteral("Siècles et\nmillénaires"),
                                                     cal::niveauxSiecles,
                                                     [this](int n) { return cal::siecles(r_.hasard, n); }));

    SectionCal& pageSection = *sections_[1];
    titrePage_ = makeLabel(this, "titre_page", placeTitrePage.translated(pageSection.x, 0),
                           {uiFont(taille::p9), couleur::noir, Qt::AlignHCenter});
    page_ = new PageMois(this);
    page_->setGeometry(placePage.translated(pageSection.x, 0));
    pageSection.page = page_;

    for (const auto& s : sections_) {
        SectionCal* sc = s.get();
        const bool sousPage = sc->page != nullptr;
        for (int i = 0; i < nombreChoix; ++i) {
            const QRect ici = sousPage ? QRect(sc->x + i * largeur / nombreChoix, hautChoixSousPage, largeur / nombreChoix, 22)
                                       : QRect(sc->x + 2, hautChoix + (hauteurChoix + 6) * i, largeur - 4, hauteurChoix);
            auto* l = makeLabel(this, sc->nomObjet("choix_" + QByteArray::number(i)).constData(), ici,
                                {uiFont(sousPage ? taille::p8 : taille::p9), couleur::noir, Qt::AlignCenter});
            l->setCursor(Qt::PointingHandCursor);
            connect(l, &ClickableLabel::clicked, this, [this, sc, i] {
                if (!sc->encore->isHidden() || sc->question.forme != cal::Forme::Choix)
                    return;
                r_.SonClic();
                sc->choisi = i;
                for (int k = 0; k < sc->choix.size(); ++k) {
                    setTextColor(sc->choix[k], k == i ? couleur::magenta : couleur::noir);
                    sc->choix[k]->setAccessibleDescription(k == i ? QStringLiteral("choisie") : QString());
                }
            });
            sc->choix << l;
        }
        sc->protocoleAvec({}, [sc] {
            if (sc->question.forme == cal::Forme::Jour)
                return sc->page->choisi() > 0 ? QString() : QStringLiteral("Appuie d'abord sur un jour du calendrier.");
            return sc->choisi >= 0 ? QString() : QStringLiteral("Choisis d'abord une réponse.");
        }, [this, sc] { juger(*sc); }, [this, sc] { nouvelleQuestion(*sc); });
    }
    connect(page_, &PageMois::jourChoisi, this, [this] { r_.SonClic(); });

    score_ = makeLabel(this, "score", {10, 452, 420, 24}, {uiFont(taille::p8), couleur::rouge});
    boutonRetour(this, r_);

    // Section by section: the page or the choices, "Vérifier" or
    // "Continuer", the levels; "RETOUR" last.
    QList<QStringList> ordre;
    for (const auto& s : sections_) {
        QStringList reponse;
        if (s->page)
            reponse << page_->objectName();
        for (const ClickableLabel* c : std::as_const(s->choix))
            reponse << c->objectName();
        ordre << s->ordre(reponse);
    }
    ordre << QStringList{QStringLiteral("retour")};
    setFocusOrder(ordre);
    setEscapeControl("retour");
}

EcranCalendrier::~EcranCalendrier() = default;

void EcranCalendrier::CompterExercice()
{
    r_.compterExercice(score_);
}

void EcranCalendrier::activation()
{
    moisSuivant_ = {};
    for (const auto& s : sections_) {
        s->suivreLeNiveau();
        nouvelleQuestion(*s);
    }
}

void EcranCalendrier::nouvelleQuestion(SectionCal& s)
{
    s.ouvrir();
    s.question = s.tirer(s.niveau());
    const cal::Question& q = s.question;
    s.enonce->setCaption(texte::insecable(q.enonce));
    for (int i = 0; i < s.choix.size(); ++i) {
        ClickableLabel* c = s.choix[i];
        c->setVisible(i < q.choix.size());
        c->setCaption(texte::insecable(q.choix.value(i)));
        setTextColor(c, couleur::noir);
        c->setAccessibleDescription({});
    }
    if (s.page) {
        page_->montrer(q.page);
        page_->setPressable(q.forme == cal::Forme::Jour);
        titrePage_->setCaption(texte::majusculeInitiale(cal::nomMois(q.page.month())) + QLatin1Char(' ')
                               + QString::number(q.page.year()));
    }
}

void EcranCalendrier::juger(SectionCal& s)
{
    const cal::Question& q = s.question;
    const int valeur = q.forme == cal::Forme::Jour ? page_->choisi() : s.choisi;
    s.protocole->soumettre(
        [&] { return cal::juste(q, valeur); },
        [&](bool juste) {
            s.apresReponse(juste);
            s.ecrireVerdict(juste, cal::verdict(q, valeur));
            if (q.forme == cal::Forme::Jour) {
                page_->setPressable(false);
                page_->montrerVerdict(q.attendue, valeur);
            } else if (!juste) {
                setTextColor(s.choix[q.attendue], couleur::violet);
                s.choix[q.attendue]->setAccessibleDescription(QStringLiteral("la bonne réponse"));
                setTextColor(s.choix[valeur], couleur::rouge);
            }
        },
        [&] {
            return ReponseJugee{.question = q.enonce, .reponse = cal::ecrire(q, valeur), .attendue = cal::ecrire(q, q.attendue)};
        });
}

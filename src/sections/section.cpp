// SPDX-License-Identifier: GPL-3.0-or-later
#include "section.h"

#include "common/routines.h"
#include "common/texte.h"
#include "ui/clickablelabel.h"
#include "ui/screen.h"
#include "ui/style.h"
#include "voice/ecouter.h"

Section::Section(Screen* e, Routines& routines, const PlaceSection& p, const char* act, const char* suf,
                 const QString& titre, const QStringList& cles, const QStringList& noms, std::function<void()> compter)
    : ecran(e), r(routines), place(p), x(p.x), activite(QString::fromLatin1(act)), suffixe(QByteArray(suf)),
      clesNiveaux(cles), compter_(std::move(compter))
{
    makeLabel(e, nomObjet("titre").constData(), {x, p.hautTitre, p.largeur, p.hautEnonce - p.hautTitre - 2},
              {uiFont(p.taillePoliceTitre), couleur::violet, Qt::AlignHCenter}, titre);
    enonce = makeLabel(e, nomObjet("enonce").constData(), {x, p.hautEnonce, p.largeur, p.hauteurEnonce},
                       {uiFont(taille::p9), couleur::bleu, Qt::AlignHCenter});
    verdict = makeLabel(e, nomObjet("verdict").constData(), {x, p.hautVerdict, p.largeur, p.hautNiveaux - p.hautVerdict - 2},
                        {uiFont(taille::p8), couleur::bleu, Qt::AlignHCenter});
    const int milieu = x + p.largeur / 2;
    verifier = makeLabel(e, nomObjet("verifier").constData(), {milieu - 38, p.hautVerifier, 76, 22},
                         {uiFont(taille::p12), couleur::bleu, Qt::AlignCenter}, QStringLiteral("Vérifier"));
    verifier->setCursor(Qt::PointingHandCursor);
    encore = makeLabel(e, nomObjet("encore").constData(), {milieu - 44, p.hautVerifier, 88, 22},
                       {uiFont(taille::p12), couleur::violet, Qt::AlignCenter}, QStringLiteral("Continuer"));
    encore->setCursor(Qt::PointingHandCursor);
    encore->hide();
    // Over four levels, two columns: the section ends where the screen does.
    const int colonnes = cles.size() > 4 ? 2 : 1;
    niveaux = std::make_unique<ListeNiveaux>(e, QByteArray("niveau_") + suffixe + "_", cles, noms,
                                             QRect(x + 8, p.hautNiveaux, (p.largeur - 8) / colonnes, p.pasNiveaux),
                                             p.pasNiveaux, taille::p8, [this](int i) { choisirNiveau(i); },
                                             int(cles.size() + colonnes - 1) / colonnes);
}

Section::~Section() = default;

void Section::protocoleAvec(QList<QWidget*> fleches, std::function<QString()> manque, std::function<void()> juger,
                            std::function<void()> question)
{
    fleches.prepend(verifier);
    protocole = std::make_unique<ProtocoleReponse>(r, activite, encore, std::move(fleches),
                                                   [manque] { return manque().isEmpty(); }, compter_);
    Ecouter::attacher(r, *protocole, placeEcouter(), {enonce}, verdict);
    QObject::connect(verifier, &ClickableLabel::clicked, ecran, [this, manque, juger] {
        const QString reste = encore->isHidden() ? manque() : QString();
        if (reste.isEmpty())
            return juger();
        verdict->setCaption(texte::insecable(reste));
        setTextColor(verdict, couleur::bleu);
        r.direSiLectureAuto(reste);
    });
    QObject::connect(encore, &ClickableLabel::clicked, ecran, [this, question] {
        r.SonClic();
        question();
    });
}

void Section::ouvrir()
{
    protocole->ouvrir();
    protocole->fixerNiveau(clesNiveaux[niveau()]);
    choisi = -1;
    verdict->clear();
    setTextColor(enonce, couleur::bleu);
}

void Section::ecrireVerdict(bool juste, const QString& texte)
{
    verdict->setCaption(texte::insecable(texte));
    setTextColor(verdict, juste ? couleur::bleu : couleur::rouge);
}

int Section::niveau() const
{
    const QString cle = r.preferences->lire(cleNiveau(), clesNiveaux.first());
    return std::max(0, int(clesNiveaux.indexOf(cle)));
}

void Section::choisirNiveau(int i)
{
    r.SonClic();
    r.preferences->ecrire(cleNiveau(), clesNiveaux[i]);
    if (suivi)
        suivi->choisir(i);
    niveaux->marquer(i);
}

void Section::suivreLeNiveau()
{
    suivi.reset();
    if (r.niveaux_adaptes) {
        suivi = programme::NiveauQuiSuit::pour(activite, clesNiveaux, *r.positionnement, r.annees);
        r.preferences->ecrire(cleNiveau(), clesNiveaux[suivi->niveau()]);
    }
    niveaux->marquer(niveau());
}

void Section::apresReponse(bool juste)
{
    if (suivi && suivi->repondre(juste)) {
        r.preferences->ecrire(cleNiveau(), clesNiveaux[suivi->niveau()]);
        niveaux->marquer(suivi->niveau());
    }
}

QList<QStringList> Section::ordre(const QStringList& reponse) const
{
    QStringList presents;
    for (const QString& nom : reponse)
        if (ecran->findChild<QWidget*>(nom, Qt::FindDirectChildrenOnly))
            presents << nom;
    return {presents, {QString::fromLatin1(nomObjet("verifier")), QString::fromLatin1(nomObjet("encore"))},
            niveaux->nomsObjets()};
}

ClickableLabel* boutonRetour(Screen* ecran, Routines& r)
{
    auto* retour = makeLabel(ecran, "retour", {552, 460, 78, 21}, {uiFont(taille::p8), couleur::noir, Qt::AlignCenter},
                             QStringLiteral("RETOUR"));
    retour->setCursor(Qt::PointingHandCursor);
    retour->setAccessibleName(QStringLiteral("Retour"));
    QObject::connect(retour, &ClickableLabel::clicked, ecran, [ecran, &r] {
        constexpr auto rienDePlus = [] {};
        r.retourDepart(ecran, QStringLiteral("5"), rienDePlus);
    });
    return retour;
}

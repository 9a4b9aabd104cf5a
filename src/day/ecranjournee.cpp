// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecranjournee.h"

#include <QRegularExpression>
#include <QSignalBlocker>
#include <optional>

#include "clock/aiguilles.h"
#include "clock/horlogeaiguilles.h"
#include "common/routines.h"
#include "common/texte.h"
#include "programme/adaptation.h"
#include "ui/arrowspinner.h"
#include "ui/clickablelabel.h"
#include "ui/niveaux.h"
#include "ui/picturebox.h"
#include "ui/style.h"
#include "voice/ecouter.h"

namespace {

// The three columns of the screen.
constexpr int largeur = 204;
constexpr int colonnes[] = {6, 218, 430};
constexpr int hautEnonce = 34;
constexpr int hautReponse = 222;
constexpr int hautVerifier = 280;
constexpr int hautVerdict = 306;
constexpr int hautNiveaux = 386;
constexpr int pasNiveaux = 16;
constexpr int nombreChoix = 3;
constexpr int pasMinutes = 5;
const QString attenteHeures = QStringLiteral("? h");
const QString attenteMinutes = QStringLiteral("??");
// What screen readers hear of a clock or a sentence offered, beside what it
// shows: the marks and colours in words.
const QString ditChoisie = QStringLiteral("choisie");
const QString ditBonne = QStringLiteral("la bonne réponse");
// What a choice is heard as once a wrong answer is judged.
QString ditApresErreur(bool bonne, bool choisie)
{
    return bonne ? ditBonne : choisie ? ditChoisie : QString();
}
// After a wrong clock chosen, the ring moves to the right one: said so.
const QString bonneEntouree = QStringLiteral(" La bonne horloge est entourée.");

// The three clocks to choose from, two above and one below between them:
// large enough for a child to tell 8 h 45 from 9 h 45 by the short hand.
constexpr int coteCadran = 86;
constexpr QPoint placesCadrans[] = {{10, 96}, {108, 96}, {59, 184}};

// Where each moment's picture lies on the sheet.
constexpr QSize tailleMoment(80, 64);

QString deuxChiffres(int m)
{
    return QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
}

// "de l'après-midi", as a statement says when the time is.
QString deMoment(journee::Moment m)
{
    switch (m) {
    case journee::Moment::Nuit:
        return QStringLiteral("de la nuit");
    case journee::Moment::Matin:
        return QStringLiteral("du matin");
    case journee::Moment::Midi:
        return QStringLiteral("de midi");
    case journee::Moment::ApresMidi:
        return QStringLiteral("de l'après-midi");
    case journee::Moment::Soir:
        break;
    }
    return QStringLiteral("du soir");
}

// A time never broken at the end of a line: "17 h 40" stays whole, so does
// "11 h → 23 h"; no line begins with ":", "?", "!" or "»" nor ends with
// "«", as French spaces them; "a-t-elle" is never cut at a hyphen (a word
// joiner after it).
QString insecable(const QString& s)
{
    static const QRegularExpression blanc(
        QStringLiteral("(?<=\\d) (?=h\\b|mn\\b)|(?<=\\bh) (?=\\d)| (?=[:;!?»→])|(?<=[«→]) "));
    static const QRegularExpression trait(QStringLiteral("(?<=\\w)-(?=\\w)"));
    return QString(s).replace(blanc, QStringLiteral("\u00A0")).replace(trait, QStringLiteral("-\u2060"));
}

QString phrase(const QString& s)
{
    return texte::majusculeInitiale(s) + QLatin1Char('.');
}

// A wrong answer that swaps the hands says so.
QString siInversees(int donnee, int attendue)
{
    return aiguilles::aiguillesInversees(donnee, attendue) ? QLatin1Char('\n') + aiguilles::phraseInversion()
                                                           : QString();
}

}  // namespace

struct EcranJournee::Section {
    Section(EcranJournee* e, int colonne, const char* activite, const char* suffixe,
            const QString& titre, const QStringList& cles, const QStringList& noms)
        : ecran(e), x(colonnes[colonne]), activite(QString::fromLatin1(activite)),
          suffixe(QByteArray(suffixe)), clesNiveaux(cles)
    {
        makeLabel(e, nomObjet("titre").constData(), {x, 10, largeur, 22},
                  {uiFont(taille::p12), couleur::violet, Qt::AlignHCenter}, titre);
        enonce = makeLabel(e, nomObjet("enonce").constData(), {x, hautEnonce, largeur, 58},
                           {uiFont(taille::p9), couleur::bleu, Qt::AlignHCenter});
        verdict = makeLabel(e, nomObjet("verdict").constData(), {x, hautVerdict, largeur, hautNiveaux - hautVerdict - 2},
                            {uiFont(taille::p8), couleur::bleu, Qt::AlignHCenter});
        verifier = makeLabel(e, nomObjet("verifier").constData(), {x + 64, hautVerifier, 76, 22},
                             {uiFont(taille::p12), couleur::bleu, Qt::AlignCenter}, QStringLiteral("Vérifier"));
        verifier->setCursor(Qt::PointingHandCursor);
        encore = makeLabel(e, nomObjet("encore").constData(), {x + 58, hautVerifier, 88, 22},
                           {uiFont(taille::p12), couleur::violet, Qt::AlignCenter}, QStringLiteral("Continuer"));
        encore->setCursor(Qt::PointingHandCursor);
        encore->hide();
        niveaux = std::make_unique<ListeNiveaux>(e, QByteArray("niveau_") + suffixe + "_", cles, noms,
                                                 QRect(x + 8, hautNiveaux, largeur - 8, pasNiveaux), pasNiveaux, taille::p8,
                                                 [this](int i) { choisirNiveau(i); });
    }

    // The section's control of that role: "enonce" gives "enonce_matin".
    QByteArray nomObjet(const QByteArray& role) const { return role + '_' + suffixe; }

    // "Vérifier" judges and gives way to "Continuer", the spinners hide;
    // "Continuer" asks the next question.
    void protocoleAvec(QList<QWidget*> fleches, std::function<bool()> saisie, void (EcranJournee::*juger)(),
                       void (EcranJournee::*question)())
    {
        fleches.prepend(verifier);
        protocole = std::make_unique<ProtocoleReponse>(ecran->r_, activite, encore, std::move(fleches),
                                                       std::move(saisie), [this] { ecran->CompterExercice(); });
        Ecouter::attacher(ecran->r_, *protocole, {x + largeur - 24, hautEnonce - 22}, {enonce}, verdict);
        QObject::connect(verifier, &ClickableLabel::clicked, ecran, juger);
        QObject::connect(encore, &ClickableLabel::clicked, ecran, [this, question] {
            ecran->r_.SonClic();
            (ecran->*question)();
        });
    }

    // A clock to read, and the moment of the day beside it.
    void horlogeEtMoment()
    {
        horloge = new HorlogeAiguilles(ecran);
        horloge->setObjectName(QString::fromLatin1(nomObjet("horloge")));
        horloge->setGeometry(x + 2, 92, 118, 118);
        horloge->setReglable(false);
        moment = new PictureBox(ecran);
        moment->setObjectName(QString::fromLatin1(nomObjet("moment")));
        moment->setGeometry(QRect(QPoint(x + 122, 118), tailleMoment));
    }

    // Three clocks to choose from, in the place of the one to read.
    void cadransAChoisir()
    {
        for (int i = 0; i < nombreChoix; ++i) {
            auto* c = new HorlogeAiguilles(ecran);
            c->setObjectName(QString::fromLatin1(nomObjet("cadran_" + QByteArray::number(i))));
            c->setGeometry(QRect(QPoint(x, 0) + placesCadrans[i], QSize(coteCadran, coteCadran)));
            c->setReglable(false);
            c->setAccessibleName(QStringLiteral("Horloge %1").arg(i + 1));
            c->setCursor(Qt::PointingHandCursor);
            QObject::connect(c, &HorlogeAiguilles::clicked, ecran, [this, i] { choisir(i); });
            cadrans.append(c);
        }
    }

    // A choice marked, before "Vérifier".
    void choisir(int i)
    {
        if (!encore->isHidden())
            return;
        ecran->r_.SonClic();
        choisi = i;
        for (int k = 0; k < cadrans.size(); ++k) {
            cadrans[k]->setChoisie(k == i);
            cadrans[k]->setAccessibleDescription(k == i ? ditChoisie : QString());
        }
        if (surChoix)
            surChoix(i);
    }

    // A new question: the choice cleared, the verdict gone.
    void ouvrir()
    {
        protocole->ouvrir();
        protocole->fixerNiveau(clesNiveaux[niveau()]);
        choisi = -1;
        for (HorlogeAiguilles* c : cadrans) {
            c->setChoisie(false);
            c->setAccessibleDescription({});
        }
        verdict->clear();
        setTextColor(enonce, couleur::bleu);
    }

    // After a wrong choice, the right clock ringed instead of the child's.
    void montrerBonne(int attendue)
    {
        for (int i = 0; i < nombreChoix; ++i) {
            const bool bonne = tCadrans[i] == attendue;
            cadrans[i]->setChoisie(bonne);
            cadrans[i]->setAccessibleDescription(ditApresErreur(bonne, i == choisi));
        }
    }

    // The three clocks to choose from, in the place of the clock to read
    // and its moment (the statement says the time).
    void montrerCadrans(bool oui)
    {
        horloge->setVisible(!oui);
        moment->setVisible(!oui);
        for (HorlogeAiguilles* c : cadrans)
            c->setVisible(oui);
    }

    void ecrireVerdict(bool juste, const QString& texte)
    {
        verdict->setCaption(insecable(texte));
        setTextColor(verdict, juste ? couleur::bleu : couleur::rouge);
    }

    QString cleNiveau() const { return activite + QStringLiteral("/niveau"); }
    int niveau() const
    {
        const QString cle = ecran->r_.preferences->lire(cleNiveau(), clesNiveaux.first());
        return std::max(0, int(clesNiveaux.indexOf(cle)));
    }
    void choisirNiveau(int i)
    {
        ecran->r_.SonClic();
        ecran->r_.preferences->ecrire(cleNiveau(), clesNiveaux[i]);
        if (suivi)
            suivi->choisir(i);
        niveaux->marquer(i);
    }

    // Levels that follow the child, when the class or this computer asks
    // for it: chosen afresh each time the screen opens.
    void suivreLeNiveau()
    {
        suivi.reset();
        const Routines& r = ecran->r_;
        if (r.niveaux_adaptes) {
            suivi = programme::NiveauQuiSuit::pour(activite, clesNiveaux, *r.positionnement, r.annees);
            ecran->r_.preferences->ecrire(cleNiveau(), clesNiveaux[suivi->niveau()]);
        }
        niveaux->marquer(niveau());
    }
    // The next question at the level the answers lead to, shown at once.
    void apresReponse(bool juste)
    {
        if (suivi && suivi->repondre(juste)) {
            ecran->r_.preferences->ecrire(cleNiveau(), clesNiveaux[suivi->niveau()]);
            niveaux->marquer(suivi->niveau());
        }
    }

    EcranJournee* ecran;
    int x;
    QString activite;
    QByteArray suffixe;
    QStringList clesNiveaux;
    ClickableLabel* enonce;
    ClickableLabel* verdict;
    ClickableLabel* verifier;
    ClickableLabel* encore;
    HorlogeAiguilles* horloge = nullptr;
    PictureBox* moment = nullptr;
    QList<HorlogeAiguilles*> cadrans;
    QList<int> tCadrans;
    int choisi = -1;
    std::function<void(int)> surChoix;
    std::unique_ptr<ListeNiveaux> niveaux;
    std::unique_ptr<ProtocoleReponse> protocole;
    std::optional<programme::NiveauQuiSuit> suivi;
};

namespace {

// An answer label and its spinner below it, the label rewritten as it turns.
ClickableLabel* reponseAvecFleche(Routines& r, QWidget* e, const char* label, const char* fleche, QPoint at,
                                  int max, int pas, std::function<QString(int)> libelle, ArrowSpinner** sortie)
{
    auto* l = makeLabel(e, label, QRect(at, QSize(40, 18)), {uiFont(taille::p9), couleur::noir, Qt::AlignCenter});
    ArrowSpinner* s = makeSpinner(e, fleche, at + QPoint(5, 20), 0, max);
    s->setSingleStep(pas);
    l->setBuddy(s);
    QObject::connect(s, &ArrowSpinner::valueChanged, e, [&r, l, libelle = std::move(libelle)](int v) {
        l->setCaption(libelle(v));
        r.SonClic();
    });
    *sortie = s;
    return l;
}

}  // namespace

EcranJournee::EcranJournee(Routines& r, QWidget* parent) : Screen(parent), r_(r)
{
    setObjectName(QStringLiteral("journee"));
    construireMatin();
    construireMots();
    construireDuree();

    // Below the first two columns, beside the third one's levels.
    score_ = makeLabel(this, "score", {10, 444, 410, 26}, {uiFont(taille::p8), couleur::rouge});
    auto* retour = makeLabel(this, "retour", {552, 460, 78, 21}, {uiFont(taille::p8), couleur::noir},
                             QStringLiteral("RETOUR"));
    retour->setAlignment(Qt::AlignCenter);
    retour->setCursor(Qt::PointingHandCursor);
    retour->setAccessibleName(QStringLiteral("Retour"));
    connect(retour, &ClickableLabel::clicked, this, [this] {
        constexpr auto rienDePlus = [] {};
        r_.retourDepart(this, QStringLiteral("5"), rienDePlus);
    });

    // Section by section: what is read or chosen, the answer, "Vérifier"
    // or "Continuer", the levels; "RETOUR" last.
    QList<QStringList> ordre;
    for (const Section* s : {matin_.get(), mots_.get(), duree_.get()}) {
        QStringList reponse;
        for (const char* role : {"horloge", "cadran_0", "cadran_1", "cadran_2", "phrase_0", "phrase_1", "phrase_2",
                                 "fleche_heure", "fleche_minute"}) {
            const QString nom = QString::fromLatin1(s->nomObjet(role));
            if (findChild<QWidget*>(nom, Qt::FindDirectChildrenOnly))
                reponse << nom;
        }
        ordre << reponse << QStringList{QString::fromLatin1(s->nomObjet("verifier")),
                                        QString::fromLatin1(s->nomObjet("encore"))}
              << s->niveaux->nomsObjets();
    }
    ordre << QStringList{QStringLiteral("retour")};
    setFocusOrder(ordre);
    setEscapeControl("retour");
}

EcranJournee::~EcranJournee() = default;

std::unique_ptr<EcranJournee::Section> EcranJournee::sectionAHorloges(int colonne, const char* activite,
                                                                      const char* suffixe, const QString& titre,
                                                                      const QList<journee::Niveau>& niveaux)
{
    QStringList cles, noms;
    for (const journee::Niveau& n : niveaux) {
        cles << QString::fromLatin1(n.cle);
        noms << QString::fromUtf8(n.nom);
    }
    auto s = std::make_unique<Section>(this, colonne, activite, suffixe, titre, cles, noms);
    s->horlogeEtMoment();
    s->cadransAChoisir();
    return s;
}

void EcranJournee::construireMatin()
{
    matin_ = sectionAHorloges(0, "matin_apres_midi", "matin", QStringLiteral("Matin ou après-midi ?"),
                              journee::niveauxMatin);
    Section& s = *matin_;
    heureMatin_ = reponseAvecFleche(r_, this, "heure_matin", "fleche_heure_matin", {s.x + 56, hautReponse}, 23, 1,
                                    [](int h) { return QStringLiteral("%1 h").arg(h); }, &flecheHeureMatin_);
    minuteMatin_ = reponseAvecFleche(r_, this, "minute_matin", "fleche_minute_matin", {s.x + 100, hautReponse}, 55,
                                     pasMinutes, deuxChiffres, &flecheMinuteMatin_);
    s.protocoleAvec({flecheHeureMatin_, flecheMinuteMatin_}, [this] {
        return matinVersCadran_ ? matin_->choisi >= 0
                                : aQuitteAttente(heureMatin_, attenteHeures) && aQuitteAttente(minuteMatin_, attenteMinutes);
    }, &EcranJournee::jugerMatin, &EcranJournee::questionMatin);
}

void EcranJournee::construireMots()
{
    mots_ = sectionAHorloges(1, "mots_heure", "mots", QStringLiteral("Les mots de l'heure"), journee::niveauxMots);
    Section& s = *mots_;
    for (int i = 0; i < nombreChoix; ++i) {
        auto* l = makeLabel(this, s.nomObjet("phrase_" + QByteArray::number(i)).constData(),
                            {s.x + 2, hautReponse - 8 + 19 * i, largeur - 4, 18},
                            {uiFont(taille::p9), couleur::noir, Qt::AlignHCenter});
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickableLabel::clicked, this, [this, i] { mots_->choisir(i); });
        phrases_.append(l);
    }
    s.surChoix = [this](int i) {
        for (int k = 0; k < phrases_.size(); ++k) {
            setTextColor(phrases_[k], k == i ? couleur::magenta : couleur::noir);
            phrases_[k]->setAccessibleDescription(k == i ? ditChoisie : QString());
        }
    };
    s.protocoleAvec({}, [this] { return mots_->choisi >= 0; }, &EcranJournee::jugerMots, &EcranJournee::questionMots);
}

void EcranJournee::construireDuree()
{
    QStringList cles, noms;
    for (durees::Niveau n : durees::niveaux) {
        cles << durees::cle(n);
        noms << durees::nom(n);
    }
    duree_ = std::make_unique<Section>(this, 2, "probleme_duree", "duree", QStringLiteral("Problèmes de durées"),
                                       cles, noms);
    Section& s = *duree_;
    s.enonce->setGeometry(s.x, hautEnonce, largeur, 150);
    heureDuree_ = reponseAvecFleche(r_, this, "heure_duree", "fleche_heure_duree", {s.x + 56, hautReponse - 30}, 23,
                                    1, [](int h) { return QStringLiteral("%1 h").arg(h); }, &flecheHeureDuree_);
    minuteDuree_ = reponseAvecFleche(r_, this, "minute_duree", "fleche_minute_duree", {s.x + 100, hautReponse - 30},
                                     55, pasMinutes, [this](int m) {
                                         return probleme_.cherche == durees::Cherche::Duree
                                                  ? QStringLiteral("%1 mn").arg(m) : deuxChiffres(m);
                                     }, &flecheMinuteDuree_);
    s.protocoleAvec({flecheHeureDuree_, flecheMinuteDuree_}, [this] {
        return aQuitteAttente(heureDuree_, attenteHeures) && aQuitteAttente(minuteDuree_, attenteMinutes);
    }, &EcranJournee::jugerDuree, &EcranJournee::questionDuree);
}

void EcranJournee::CompterExercice()
{
    r_.compterExercice(score_);
}

void EcranJournee::setMoments(const PictureFile& planche)
{
    planche_ = planche;
}

void EcranJournee::activation()
{
    for (Section* s : {matin_.get(), mots_.get(), duree_.get()})
        s->suivreLeNiveau();
    questionMatin();
    questionMots();
    questionDuree();
}

void EcranJournee::montrerMoment(int section, int t)
{
    Section& s = section == 0 ? *matin_ : *mots_;
    const journee::Moment m = journee::moment(t);
    s.moment->setPicture(QPixmap(), planche_, QRect(QPoint(tailleMoment.width() * int(m), 0), tailleMoment));
    s.moment->setAccessibleName(QStringLiteral("Dessin : ") + journee::nomMoment(m));
}

namespace {

// A spinner back to 0 and its label to its placeholder.
void remettre(ArrowSpinner* fleche, ClickableLabel* label, const QString& attente)
{
    const QSignalBlocker silence(fleche);
    fleche->setValue(0);
    label->setCaption(attente);
}

}  // namespace

void EcranJournee::questionMatin()
{
    Section& s = *matin_;
    s.ouvrir();
    const int pas = journee::niveauxMatin[s.niveau()].pas;
    tMatin_ = journee::tirer(r_.hasard, pas, tMatin_);
    matinVersCadran_ = tirage(r_.hasard, 2, 0) == 1;
    remettre(flecheHeureMatin_, heureMatin_, attenteHeures);
    remettre(flecheMinuteMatin_, minuteMatin_, attenteMinutes);
    for (QWidget* w : QList<QWidget*>{flecheHeureMatin_, flecheMinuteMatin_, heureMatin_, minuteMatin_})
        w->setVisible(!matinVersCadran_);
    s.montrerCadrans(matinVersCadran_);
    if (matinVersCadran_) {
        s.tCadrans = journee::cadransVoisins(tMatin_);
        s.tCadrans.insert(tirage(r_.hasard, nombreChoix, 0), aiguilles::surCadran(tMatin_));
        for (int i = 0; i < nombreChoix; ++i)
            s.cadrans[i]->setMinutes(s.tCadrans[i]);
        s.enonce->setCaption(insecable(QStringLiteral("Il est ") + journee::numerique(tMatin_)
                                       + QStringLiteral(".\nQuelle horloge montre\ncette heure ?")));
    } else {
        s.horloge->setMinutes(tMatin_);
        s.enonce->setCaption(QStringLiteral("Écrivez comme une horloge\nnumérique cette heure\n")
                             + deMoment(journee::moment(tMatin_)) + QLatin1Char('.'));
    }
    montrerMoment(0, tMatin_);
}

void EcranJournee::jugerMatin()
{
    Section& s = *matin_;
    const int attendue = aiguilles::surCadran(tMatin_);
    const int donnee = matinVersCadran_ ? s.tCadrans.value(s.choisi)
                                        : flecheHeureMatin_->value() * 60 + flecheMinuteMatin_->value();
    s.protocole->soumettre(
        [&] { return matinVersCadran_ ? donnee == attendue : donnee == tMatin_; },
        [&](bool juste) {
            s.apresReponse(juste);
            const QString pourquoi = phrase(journee::explicationConversion(tMatin_));
            if (juste) {
                s.ecrireVerdict(true, QStringLiteral("Bravo ! ") + pourquoi);
            } else if (matinVersCadran_) {
                s.ecrireVerdict(false, QStringLiteral("Erreur ! ") + pourquoi
                                           + bonneEntouree + siInversees(donnee, attendue));
                s.montrerBonne(attendue);
            } else {
                s.ecrireVerdict(false, QStringLiteral("Erreur, c'est ") + journee::numerique(tMatin_) + QStringLiteral(" : ")
                                           + journee::explicationConversion(tMatin_) + QLatin1Char('.')
                                           + siInversees(donnee, attendue));
            }
        },
        [&] {
            if (matinVersCadran_)
                return ReponseJugee{.question = QStringLiteral("Il est ") + journee::numerique(tMatin_)
                                                  + QStringLiteral(" : quelle horloge ?"),
                                    .reponse = aiguilles::texte(donnee),
                                    .attendue = aiguilles::texte(attendue)};
            return ReponseJugee{.question = QStringLiteral("Horloge ") + aiguilles::texte(attendue) + QLatin1Char(' ')
                                              + deMoment(journee::moment(tMatin_)),
                                .reponse = journee::numerique(donnee),
                                .attendue = journee::numerique(tMatin_)};
        });
}

void EcranJournee::questionMots()
{
    Section& s = *mots_;
    s.ouvrir();
    const int pas = journee::niveauxMots[s.niveau()].pas;
    tMots_ = journee::tirer(r_.hasard, pas, tMots_);
    motsVersCadran_ = tirage(r_.hasard, 2, 0) == 1;
    tPhrases_ = journee::confusionsDeMots(tMots_);
    tPhrases_.insert(tirage(r_.hasard, nombreChoix, 0), tMots_);
    s.montrerCadrans(motsVersCadran_);
    for (int i = 0; i < nombreChoix; ++i) {
        phrases_[i]->setVisible(!motsVersCadran_);
        phrases_[i]->setCaption(journee::enMots(tPhrases_[i]));
        setTextColor(phrases_[i], couleur::noir);
        phrases_[i]->setAccessibleDescription({});
    }
    s.tCadrans.clear();
    for (int t : tPhrases_)
        s.tCadrans << aiguilles::surCadran(t);
    if (motsVersCadran_) {
        for (int i = 0; i < nombreChoix; ++i)
            s.cadrans[i]->setMinutes(s.tCadrans[i]);
        s.enonce->setCaption(insecable(QStringLiteral("Il est ") + journee::enMots(tMots_)
                                       + QStringLiteral(".\nQuelle horloge montre\ncette heure ?")));
    } else {
        s.horloge->setMinutes(tMots_);
        // Broken by hand: "de l'après-midi" whole on its own line.
        s.enonce->setCaption(QStringLiteral("L'horloge montre une heure\n") + deMoment(journee::moment(tMots_))
                             + QStringLiteral(".\nComment la dit-on ?"));
    }
    montrerMoment(1, tMots_);
}

void EcranJournee::jugerMots()
{
    Section& s = *mots_;
    const int attendue = aiguilles::surCadran(tMots_);
    const int donnee = s.tCadrans.value(s.choisi);
    s.protocole->soumettre(
        [&] { return donnee == attendue; },
        [&](bool juste) {
            s.apresReponse(juste);
            const QString pourquoi = texte::majusculeInitiale(journee::explicationMots(tMots_));
            if (juste) {
                s.ecrireVerdict(true, QStringLiteral("Bravo ! ") + pourquoi);
                return;
            }
            s.ecrireVerdict(false, QStringLiteral("Erreur ! ") + pourquoi + (motsVersCadran_ ? bonneEntouree : QString())
                                       + siInversees(donnee, attendue));
            s.montrerBonne(attendue);
            for (int i = 0; i < nombreChoix; ++i) {
                const bool bonne = s.tCadrans[i] == attendue;
                if (i == s.choisi)
                    setTextColor(phrases_[i], couleur::rouge);
                else if (bonne)
                    setTextColor(phrases_[i], couleur::magenta);
                phrases_[i]->setAccessibleDescription(ditApresErreur(bonne, i == s.choisi));
            }
        },
        [&] {
            if (motsVersCadran_)
                return ReponseJugee{.question = QStringLiteral("Il est ") + journee::enMots(tMots_)
                                                  + QStringLiteral(" : quelle horloge ?"),
                                    .reponse = aiguilles::texte(donnee),
                                    .attendue = aiguilles::texte(attendue)};
            return ReponseJugee{.question = QStringLiteral("Horloge ") + aiguilles::texte(attendue)
                                              + QStringLiteral(" en mots"),
                                .reponse = journee::enMots(tPhrases_.value(s.choisi)),
                                .attendue = journee::enMots(tMots_)};
        });
}

void EcranJournee::questionDuree()
{
    Section& s = *duree_;
    s.ouvrir();
    probleme_ = durees::tirer(r_.hasard, durees::Niveau(s.niveau()));
    remettre(flecheHeureDuree_, heureDuree_, attenteHeures);
    remettre(flecheMinuteDuree_, minuteDuree_, attenteMinutes);
    s.enonce->setCaption(insecable(durees::enonce(probleme_)));
}

void EcranJournee::jugerDuree()
{
    Section& s = *duree_;
    const int h = flecheHeureDuree_->value();
    const int m = flecheMinuteDuree_->value();
    s.protocole->soumettre(
        [&] { return h * 60 + m == probleme_.reponse(); },
        [&](bool juste) {
            s.apresReponse(juste);
            const QString etapes = durees::etapes(probleme_) + QLatin1Char('.');
            s.ecrireVerdict(juste, juste ? QStringLiteral("Bravo ! ") + etapes
                                         : QStringLiteral("Erreur, c'est ") + durees::attendue(probleme_)
                                               + QStringLiteral(" : ") + etapes);
        },
        [&] {
            return ReponseJugee{.question = durees::enonce(probleme_),
                                .reponse = durees::ecrireReponse(probleme_, h, m),
                                .attendue = durees::attendue(probleme_)};
        });
}

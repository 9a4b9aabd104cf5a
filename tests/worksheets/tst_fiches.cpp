// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: the times each level asks, a child's page, and the printed
// PDF read back as a teacher's printer would have it: the hands' angles
// measured on its pixels, the key's words where the key prints them.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "clock/aiguilles.h"
#include "teacher/fichesaimprimer.h"
#include "worksheets/fiches.h"
#include "worksheets/papier.h"

using namespace fiches;

namespace {

constexpr int resolution = 200;                        // dots per inch of the rendered pages
constexpr double pointsParDixieme = 72.0 / 254.0;      // PDF points per tenth of a millimetre
constexpr double pixelsParDixieme = resolution / 254.0;

// A time of the dial as its hands say it.
struct Lecture {
    int secondes = 0;             // 0 to 12 h
    bool aiguillesLiees = true;   // the hour hand where the minutes put it
};

// A printed PDF, read back with poppler's tools.
class Imprime {
public:
    explicit Imprime(const QList<Page>& pages) : pages_(pages)
    {
        fichier_ = dir_.filePath(QStringLiteral("f.pdf"));
        QString erreur;
        ok_ = papier::ecrirePdf(pages, fichier_, &erreur);
    }
    bool ok() const { return ok_; }
    QString fichier() const { return fichier_; }

    QImage image(int page)
    {
        const QString sortie = dir_.filePath(QStringLiteral("p%1").arg(page));
        QProcess p;
        p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(resolution), QStringLiteral("-gray"),
                                             QStringLiteral("-f"), QString::number(page + 1), QStringLiteral("-l"),
                                             QString::number(page + 1), QStringLiteral("-singlefile"), QStringLiteral("-png"),
                                             fichier_, sortie});
        p.waitForFinished(60000);
        return QImage(sortie + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
    }

    // The words printed inside that rectangle (tenths of a millimetre), line by line.
    QString texteDans(int page, const QRectF& r)
    {
        if (mots_.isEmpty())
            lireMots();
        QList<std::pair<QPointF, QString>> dedans;
        for (const auto& [centre, mot] : mots_.value(page))
            if (r.contains(centre))
                dedans.append(std::pair(centre, mot));
        std::sort(dedans.begin(), dedans.end(), [](const auto& a, const auto& b) {
            return std::abs(a.first.y() - b.first.y()) > 15 ? a.first.y() < b.first.y() : a.first.x() < b.first.x();
        });
        QStringList l;
        for (const auto& m : dedans)
            l << m.second;
        return l.join(QLatin1Char(' '));
    }

private:
    void lireMots()
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fichier_, QStringLiteral("-")});
        p.waitForFinished(60000);
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression mot(
            QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        const QStringList pages = html.split(QStringLiteral("<page "));
        for (qsizetype i = 1; i < pages.size(); ++i) {
            auto it = mot.globalMatch(pages[i]);
            while (it.hasNext()) {
                const auto m = it.next();
                const QPointF c((m.captured(1).toDouble() + m.captured(3).toDouble()) / 2,
                                (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2);
                mots_[int(i - 1)].append(std::pair(c / pointsParDixieme, m.captured(5)));
            }
        }
    }

    QTemporaryDir dir_;
    QList<Page> pages_;
    QString fichier_;
    bool ok_ = false;
    QHash<int, QList<std::pair<QPointF, QString>>> mots_;
};

struct Trait {
    double angle;    // from 12, clockwise
    double largeur;  // degrees
};

// The dark runs met on a circle round the dial's centre.
QList<Trait> traits(const QImage& im, QPointF c, double rayon)
{
    constexpr int pas = 1440;
    QList<bool> noir(pas);
    for (int k = 0; k < pas; ++k) {
        const double a = k * 2 * M_PI / pas;
        const QPoint q = (c + rayon * QPointF(std::sin(a), -std::cos(a))).toPoint();
        noir[k] = im.valid(q) && qGray(im.pixel(q)) < 150;
    }
    int debut = 0;
    while (debut < pas && noir[debut])
        ++debut;
    QList<Trait> l;
    for (int k = 0; k < pas; ++k) {
        const int i = (debut + k) % pas;
        if (!noir[i] || (k > 0 && noir[(i + pas - 1) % pas]))
            continue;
        int n = 0;
        while (n < pas && noir[(i + n) % pas])
            ++n;
        l.append({std::fmod((i + n / 2.0) * 360.0 / pas, 360.0), n * 360.0 / pas});
    }
    return l;
}

double ecart(double a, double b)
{
    return aiguilles::ecart(a, b);
}

// The time a dial's hands show, measured: the minute hand alone between the
// hour hand's tip and the numbers, the seconds' hand alone beyond them, the
// hour hand nearer the centre among the others.
std::optional<Lecture> lire(const QImage& im, const papier::Cadran& d, bool avecSecondes)
{
    const QPointF c = d.centre * pixelsParDixieme;
    const double r = d.rayon * pixelsParDixieme;
    QList<Trait> loin = traits(im, c, r * 0.62);
    if (loin.isEmpty())
        return std::nullopt;
    std::sort(loin.begin(), loin.end(), [](const Trait& a, const Trait& b) { return a.largeur > b.largeur; });
    const double aMinutes = loin.first().angle;
    int s = 0;
    double largeurSecondes = 0;
    if (avecSecondes) {
        const QList<Trait> bout = traits(im, c, r * 0.855);
        if (bout.size() != 1)
            return std::nullopt;
        s = int(std::lround(bout.first().angle / 6)) % 60;
        largeurSecondes = bout.first().largeur * 0.855 / 0.4;
    }
    const int m = int(std::lround(aMinutes / 6 - s / 60.0) + 60) % 60;
    // Nearer the centre the hour hand is met too: the run that is not the
    // minute or the seconds' hand, or one wider than the minute hand alone
    // where both lie over each other (read roughly, its gearing unchecked).
    const double largeurMinutes = loin.first().largeur * 0.62 / 0.4;
    double aHeures = -1;
    bool cachee = true;
    for (const Trait& t : traits(im, c, r * 0.4)) {
        const bool couvreMinutes = ecart(t.angle, aMinutes) < t.largeur / 2 + 1;
        const bool couvreSecondes = avecSecondes && ecart(t.angle, s * 6.0) < t.largeur / 2 + 1;
        if (!couvreMinutes && !couvreSecondes) {
            aHeures = t.angle;
            cachee = false;
        } else if (aHeures < 0 && t.largeur > (couvreMinutes ? largeurMinutes : largeurSecondes) + 2) {
            aHeures = t.angle;
        }
    }
    if (aHeures < 0)
        aHeures = aMinutes;
    const double avance = m * 0.5 + s / 120.0;
    const int h = int(std::lround((aHeures - avance) / 30) + 12) % 12;
    return Lecture{h * 3600 + m * 60 + s, cachee || ecart(aHeures, h * 30 + avance) < 3};
}

// "6 h 45", "5 h 42 min 55 s", "1 h 25 min", "45 s": seconds.
int secondesEcrites(const QString& t)
{
    static const QRegularExpression nombre(QStringLiteral(R"((\d+)\s*(h|min|s\b)?)"));
    int total = 0;
    QString avant;
    auto it = nombre.globalMatch(t);
    while (it.hasNext()) {
        const auto m = it.next();
        const int n = m.captured(1).toInt();
        const QString unite = m.captured(2);
        total += unite == QLatin1String("h") ? n * 3600 : unite == QLatin1String("s") ? n : n * 60;
        avant = unite;
    }
    return total;
}

QString sansInsecables(QString t)
{
    return t.replace(QChar(0x202F), QLatin1Char(' ')).replace(QChar(0x00A0), QLatin1Char(' '));
}

// The key's block of a page, and the sheet of paper it is printed on.
std::pair<papier::BlocCorrige, int> blocDe(const QList<Page>& pages, qsizetype page)
{
    const QList<papier::BlocCorrige> blocs = papier::blocsCorrige(pages);
    return {blocs[page], int(pages.size()) + blocs[page].feuille};
}

QuestionMois question(RandomSource& h, int n, QDate mois)
{
    return questionDuMois(h, n, mois);
}

}  // namespace

class TestFiches : public QObject {
    Q_OBJECT

private slots:
    void tempsDuNiveau_data();
    void tempsDuNiveau();
    void memeNumeroMemeFiche();
    void pageDunEleve_data();
    void pageDunEleve();
    void corrigeContreCadrans_data();
    void corrigeContreCadrans();
    void papierDesEcoles();
    void calendrierDuCorrige();
};

void TestFiches::tempsDuNiveau_data()
{
    QTest::addColumn<int>("genre");
    QTest::addColumn<QString>("niveau");
    QTest::addColumn<int>("pas");       // seconds every time is a multiple of
    QTest::addColumn<int>("plusTot");   // of the day, seconds
    QTest::addColumn<int>("plusTard");
    QTest::addColumn<int>("dureeMax");  // Durees
    const int h = 3600;
    for (Genre g : {Genre::Lire, Genre::Dessiner}) {
        const QByteArray n = cleGenre(g).toUtf8();
        QTest::newRow(n + "-heures") << int(g) << "heures" << h << 0 << 12 * h - 1 << 0;
        QTest::newRow(n + "-demies") << int(g) << "demi_heures" << 1800 << 0 << 12 * h - 1 << 0;
        QTest::newRow(n + "-quarts") << int(g) << "quarts" << 900 << 0 << 12 * h - 1 << 0;
        QTest::newRow(n + "-5min") << int(g) << "cinq_minutes" << 300 << 0 << 12 * h - 1 << 0;
        QTest::newRow(n + "-minute") << int(g) << "minutes" << 60 << 0 << 12 * h - 1 << 0;
        QTest::newRow(n + "-apres-midi") << int(g) << "apres_midi" << 300 << 13 * h << 23 * h + 55 * 60 << 0;
        QTest::newRow(n + "-secondes") << int(g) << "secondes" << 5 << 0 << 12 * h - 1 << 0;
    }
    QTest::newRow("durees-heures") << int(Genre::Durees) << "heures" << h << 0 << 12 * h - 1 << 5 * h;
    QTest::newRow("durees-quarts") << int(Genre::Durees) << "quarts" << 900 << 0 << 12 * h - 1 << 6 * h;
    QTest::newRow("durees-secondes") << int(Genre::Durees) << "secondes" << 5 << 0 << 12 * h - 1 << 600;
}

// Every time at the chosen level, no two exercises alike, every page full,
// and the key's words saying that very time.
void TestFiches::tempsDuNiveau()
{
    QFETCH(int, genre);
    QFETCH(QString, niveau);
    QFETCH(int, pas);
    QFETCH(int, plusTot);
    QFETCH(int, plusTard);
    QFETCH(int, dureeMax);
    const Genre g = Genre(genre);
    for (int numero : {1, 4821, 99999}) {
        const Choix c{g, niveau, false, 12, 3, numero};
        const QList<Page> pages = fiche(c, question);
        QCOMPARE(pages.size(), pagesPossibles(c));
        QSet<QString> vus;
        QSet<int> minutesVues;
        for (const Page& p : pages) {
            QCOMPARE(p.exercices.size(), parPagePour(g, 12));
            for (const Exercice& e : p.exercices) {
                QVERIFY2(e.temps % pas == 0 && e.temps >= plusTot && e.temps <= plusTard, qPrintable(reponse(e)));
                minutesVues << e.temps / 60 % 60;
                const QString dit = sansInsecables(reponse(e));
                if (g == Genre::Durees) {
                    const int d = e.fin - e.temps;
                    QVERIFY(d > 0 && d % pas == 0 && d <= dureeMax);
                    QCOMPARE(secondesEcrites(dit), d);
                } else if (niveau == QLatin1String("apres_midi")) {
                    QVERIFY2(dit.startsWith(QStringLiteral("matin : ")) == (g == Genre::Lire), qPrintable(dit));
                    QCOMPARE(secondesEcrites(dit.section(QStringLiteral("après-midi"), -1)), e.temps);
                } else {
                    QCOMPARE(secondesEcrites(dit) % (12 * 3600), e.temps);
                }
                const QString cle = QStringLiteral("%1/%2").arg(e.temps).arg(e.fin - e.temps);
                QVERIFY2(!vus.contains(cle), qPrintable(dit));
                vus << cle;
            }
        }
        // The level's harder times come up, not only its easier ones.
        if (pas < 3600 && pas >= 60)
            QVERIFY(std::any_of(minutesVues.begin(), minutesVues.end(), [pas](int m) { return (m * 60) % (2 * pas) != 0; }));
    }
    if (niveau == QLatin1String("heures") && g != Genre::Durees)
        QCOMPARE(pagesPossibles({g, niveau, false, 12, 5, 1}), 1);
}

void TestFiches::memeNumeroMemeFiche()
{
    const Choix c{Genre::Dessiner, QStringLiteral("cinq_minutes"), true, 6, 2, 4821};
    const QList<Page> a = fiche(c, question);
    QCOMPARE(a.size(), 2);
    const auto exercices = [](const QList<Page>& l) {
        QList<Exercice> x;
        for (const Page& p : l)
            x << p.exercices;
        return x;
    };
    QCOMPARE(exercices(fiche(c, question)), exercices(a));
    // One page of the same sheet is its first page.
    QCOMPARE(fiche({c.genre, c.niveau, true, 6, 1, 4821}, question).first().exercices, a.first().exercices);
    QVERIFY(exercices(fiche({c.genre, c.niveau, true, 6, 2, 4822}, question)) != exercices(a));
    // In words, as a teacher writes them.
    for (const Exercice& e : exercices(a)) {
        const QString t = aDessiner(e);
        QVERIFY2((!t.contains(QRegularExpression(QStringLiteral("\\d"))) && t.contains(QStringLiteral("heure")))
                     || t.startsWith(QStringLiteral("midi")) || t.startsWith(QStringLiteral("minuit")),
                 qPrintable(t));
    }
    const Choix cal{Genre::Calendrier, QStringLiteral("compter"), false, 12, 1, 77};
    QCOMPARE(exercices(fiche(cal, question)), exercices(fiche(cal, question)));
    QCOMPARE(fiche(cal, question).first().exercices.size(), 6);
}

void TestFiches::pageDunEleve_data()
{
    QTest::addColumn<QString>("annee");
    QTest::addColumn<QStringList>("reponses");  // "activity:level:right:wrong"
    QTest::addColumn<QStringList>("travail");
    QTest::addColumn<int>("parPage");
    QTest::addColumn<QStringList>("attendues");  // kind:level a page must hold
    QTest::addColumn<QStringList>("premieres");  // its first exercises, in order
    QTest::addColumn<QStringList>("jamais");
    QTest::newRow("ce1, nothing answered") << "CE1" << QStringList{} << QStringList{} << 6
                                          << QStringList{"dessiner:demi_heures", "dessiner:cinq_minutes",
                                                         "durees:heures", "calendrier:trouver"}
                                          << QStringList{} << QStringList{"dessiner:secondes", "dessiner:minutes"};
    QTest::newRow("ce1, twelve a page") << "CE1" << QStringList{} << QStringList{} << 12
                                        << QStringList{"dessiner:demi_heures", "dessiner:cinq_minutes"} << QStringList{}
                                        << QStringList{"durees:heures", "calendrier:trouver"};
    QTest::newRow("ce1, the week's seconds first") << "CE1" << QStringList{} << QStringList{"ce2_secondes"} << 6
                                                   << QStringList{} << QStringList{"dessiner:secondes"}
                                                   << QStringList{};
    QTest::newRow("ce1, quarters well under way") << "CE1" << QStringList{"placer_aiguilles:quarts:3:1"} << QStringList{}
                                                  << 6 << QStringList{"dessiner:quarts"} << QStringList{}
                                                  << QStringList{"dessiner:demi_heures"};
    QTest::newRow("cp: whole hours only") << "CP" << QStringList{} << QStringList{} << 6
                                          << QStringList{"dessiner:heures"} << QStringList{}
                                          << QStringList{"dessiner:quarts", "durees:heures", "lire:apres_midi"};
}

void TestFiches::pageDunEleve()
{
    QFETCH(QString, annee);
    QFETCH(QStringList, reponses);
    QFETCH(QStringList, travail);
    QFETCH(int, parPage);
    QFETCH(QStringList, attendues);
    QFETCH(QStringList, premieres);
    QFETCH(QStringList, jamais);
    Eleve e{QStringLiteral("Zoé"), {}, {*programme::anneeDepuisNom(annee)}, {}};
    qint64 quand = 1'700'000'000;
    for (const QString& r : reponses) {
        const QStringList x = r.split(QLatin1Char(':'));
        for (int k = 0; k < x[2].toInt() + x[3].toInt(); ++k)
            e.position.ajouter(x[0], x[1], ++quand, k < x[2].toInt());
    }
    for (const QString& id : travail)
        e.travail << programme::indexItem(id);
    const Page p = pagePour(e, parPage, 12, question);
    QStringList sortes;
    for (const Exercice& x : p.exercices)
        sortes << cleGenre(x.genre) + QLatin1Char(':') + x.niveau;
    QVERIFY2(!p.exercices.isEmpty() && p.exercices.size() <= parPage, qPrintable(sortes.join(QLatin1Char(' '))));
    for (const QString& a : attendues)
        QVERIFY2(sortes.contains(a), qPrintable(a + QStringLiteral(" in ") + sortes.join(QLatin1Char(' '))));
    for (const QString& a : jamais)
        QVERIFY2(!sortes.contains(a), qPrintable(a + QStringLiteral(" in ") + sortes.join(QLatin1Char(' '))));
    QCOMPARE(sortes.mid(0, premieres.size()), premieres);
    QCOMPARE(p.prenom, QStringLiteral("Zoé"));
    QVERIFY(!p.sousTitre.isEmpty() && !p.consigne.isEmpty());
    // The same child, number and answers: the same page.
    QCOMPARE(pagePour(e, parPage, 12, question).exercices, p.exercices);
}

void TestFiches::corrigeContreCadrans_data()
{
    QTest::addColumn<int>("genre");
    QTest::addColumn<QString>("niveau");
    QTest::addColumn<int>("parPage");
    for (Genre g : {Genre::Lire, Genre::Dessiner, Genre::Durees})
        for (const QString& n : clesNiveaux(g))
            QTest::newRow(qPrintable(cleGenre(g) + QLatin1Char('-') + n)) << int(g) << n << (n == QLatin1String("secondes") ? 9 : 12);
}

// The key against the dials: the hands of every printed dial measured on
// the rendered page, their time read from the angles (the hour hand where
// the minutes put it), and the key's words where the key prints them.
void TestFiches::corrigeContreCadrans()
{
    QFETCH(int, genre);
    QFETCH(QString, niveau);
    QFETCH(int, parPage);
    const Genre g = Genre(genre);
    const QList<Page> pages = fiche({g, niveau, false, parPage, 1, 31}, question);
    Imprime pdf(pages);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is needed");
    QVERIFY(pdf.ok());
    const Page& page = pages.first();
    const auto [bloc, feuilleCorrige] = blocDe(pages, 0);
    const QImage feuille = pdf.image(0), corrige = pdf.image(feuilleCorrige);
    const bool secondes = niveau == QLatin1String("secondes");
    for (qsizetype i = 0; i < page.exercices.size(); ++i) {
        const QRectF entree = papier::caseCorrige(bloc, i);
        const QList<papier::Cadran> cadrans = papier::cadransDe(page, i);
        const QList<papier::Cadran> petits = papier::cadransCorrige(entree, g);
        // The number left of the small dials, the answer right of them.
        const qreal gauche = petits.first().centre.x() - petits.first().rayon, droite = petits.last().centre.x() + petits.last().rayon;
        const QString numero = pdf.texteDans(feuilleCorrige, QRectF(entree.left(), entree.top(), gauche - entree.left(), entree.height()));
        QCOMPARE(numero, QStringLiteral("%1.").arg(i + 1));
        const QString ecrit = sansInsecables(
            pdf.texteDans(feuilleCorrige, QRectF(droite, entree.top(), entree.right() - droite, entree.height())));
        const QString& reponseEcrite = ecrit;
        QCOMPARE(petits.size(), cadrans.size());
        // The sheet's dials as the child sees them (empty to draw on), the key's as the teacher checks them.
        QList<Lecture> surLaFiche, auCorrige;
        for (qsizetype k = 0; k < cadrans.size(); ++k) {
            const auto lu = lire(corrige, petits[k], secondes);
            QVERIFY2(lu && lu->aiguillesLiees, qPrintable(ecrit));
            auCorrige << *lu;
            if (g == Genre::Dessiner) {
                QVERIFY2(traits(feuille, cadrans[k].centre * pixelsParDixieme, cadrans[k].rayon * pixelsParDixieme * 0.62).isEmpty(),
                         "a dial to draw on has no hands");
                continue;
            }
            const auto grand = lire(feuille, cadrans[k], secondes);
            QVERIFY2(grand && grand->aiguillesLiees, qPrintable(ecrit));
            QCOMPARE(grand->secondes, lu->secondes);
        }
        if (g == Genre::Durees) {
            const int d = (auCorrige[1].secondes - auCorrige[0].secondes + 12 * 3600) % (12 * 3600);
            QVERIFY2(secondesEcrites(reponseEcrite) == d, qPrintable(ecrit));
            continue;
        }
        const int lu = auCorrige.first().secondes;
        if (niveau == QLatin1String("apres_midi")) {
            // "après-midi" may be cut at its hyphen.
            const QString apres = reponseEcrite.section(QStringLiteral("après"), -1);
            QVERIFY2(secondesEcrites(apres) == lu + 12 * 3600, qPrintable(ecrit));
            if (g == Genre::Lire)
                QVERIFY2(secondesEcrites(reponseEcrite.section(QStringLiteral("après"), 0, 0)) == lu, qPrintable(ecrit));
        } else {
            QVERIFY2(secondesEcrites(reponseEcrite) % (12 * 3600) == lu, qPrintable(ecrit));
        }
        if (g == Genre::Dessiner) {
            // The time to draw, printed under the empty dial, is the key's.
            const papier::Cadran& c = cadrans.first();
            const QString sous = sansInsecables(
                pdf.texteDans(0, QRectF(c.centre.x() - c.rayon, c.centre.y() + c.rayon, 2 * c.rayon, 160)));
            QCOMPARE(secondesEcrites(sous), secondesEcrites(reponseEcrite));
        }
    }
}

// A4, margins of 10 mm at least, dials 5 cm across at 6 a page and 4 cm at
// 12, measured on the page; the fonts inside the file.
void TestFiches::papierDesEcoles()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        QSKIP("poppler-utils is needed");
    for (const auto& [parPage, diametre] : {std::pair{6, 50.0}, std::pair{12, 40.0}, std::pair{9, 40.0}}) {
        const QList<Page> pages = fiche({Genre::Lire, QStringLiteral("apres_midi"), false, parPage, 1, 8}, question);
        Imprime pdf(pages);
        QVERIFY(pdf.ok());
        const QImage im = pdf.image(0);
        const double mm = resolution / 25.4;
        QVERIFY(std::abs(im.width() - 210 * mm) <= 1 && std::abs(im.height() - 297 * mm) <= 1);
        for (const QImage& page : {im, pdf.image(1)})
            for (int y = 0; y < page.height(); ++y) {
                const uchar* ligne = page.constScanLine(y);
                for (int x = 0; x < page.width(); ++x)
                    if (x < 10 * mm || x > page.width() - 10 * mm || y < 10 * mm || y > page.height() - 10 * mm)
                        QVERIFY2(ligne[x] > 200, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            }
        for (qsizetype i = 0; i < pages.first().exercices.size(); ++i) {
            // From the centre rightwards to the ring's outer edge.
            const papier::Cadran c = papier::cadransDe(pages.first(), i).first();
            const QPoint o = (c.centre * pixelsParDixieme).toPoint();
            int bord = 0;
            for (int x = 0; x < int(c.rayon * pixelsParDixieme * 1.3); ++x)
                if (qGray(im.pixel(o.x() + x, o.y() - 3)) < 150)
                    bord = x;
            QVERIFY2(2 * bord / mm >= diametre, qPrintable(QStringLiteral("%1 a page: %2 mm").arg(parPage).arg(2 * bord / mm)));
        }
        QProcess p;
        p.start(QStringLiteral("pdffonts"), {pdf.fichier()});
        p.waitForFinished();
        const QStringList lignes = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QVERIFY(!lignes.isEmpty());
        for (const QString& l : lignes)
            QVERIFY2(l.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(l.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() - 5) == QLatin1String("yes"),
                     qPrintable(l));
    }
}

// A month's page: the key's weekday is the calendar's, worked out here
// from the printed month.
void TestFiches::calendrierDuCorrige()
{
    const QList<Page> pages = fiche({Genre::Calendrier, QStringLiteral("trouver"), false, 6, 4, 3}, question);
    Imprime pdf(pages);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed");
    QVERIFY(pdf.ok());
    static const QStringList jours{QStringLiteral("lundi"), QStringLiteral("mardi"), QStringLiteral("mercredi"),
                                   QStringLiteral("jeudi"), QStringLiteral("vendredi"), QStringLiteral("samedi"),
                                   QStringLiteral("dimanche")};
    static const QStringList rangs{QStringLiteral("premier"), QStringLiteral("deuxième"), QStringLiteral("troisième"),
                                   QStringLiteral("quatrième")};
    static const QRegularExpression quelJour(QStringLiteral(R"(est le (\d+)\D.*\?\s*(\w+)$)"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression entoure(QStringLiteral(R"(Entoure le (\w+) (\w+) de .*\.\s*(\d+) )"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    int verifiees = 0;
    for (qsizetype n = 0; n < pages.size(); ++n) {
        const auto [bloc, feuille] = blocDe(pages, n);
        for (qsizetype i = 0; i < pages[n].exercices.size(); ++i) {
            const QDate mois = pages[n].exercices[i].mois;
            const QString t = sansInsecables(pdf.texteDans(feuille, papier::caseCorrige(bloc, i)));
            if (const auto m = quelJour.match(t); m.hasMatch()) {
                QCOMPARE(m.captured(2), jours[QDate(mois.year(), mois.month(), m.captured(1).toInt()).dayOfWeek() - 1]);
                ++verifiees;
            } else if (const auto e = entoure.match(t); e.hasMatch()) {
                const QDate d(mois.year(), mois.month(), e.captured(3).toInt());
                QCOMPARE(jours[d.dayOfWeek() - 1], e.captured(2));
                QCOMPARE(rangs[(d.day() - 1) / 7], e.captured(1));
                ++verifiees;
            } else {
                QFAIL(qPrintable(t));
            }
            // The month printed on the sheet is that one.
            QVERIFY(pdf.texteDans(int(n), QRectF(0, 0, 2100, 2970)).contains(QString::number(mois.year())));
        }
    }
    QCOMPARE(verifiees, 24);
}

QTEST_MAIN(TestFiches)
#include "tst_fiches.moc"

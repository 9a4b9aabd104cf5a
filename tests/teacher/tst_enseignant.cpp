// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "classroom/classe.h"
#include "classroom/sonde.h"
#include "common/nomjoueur.h"
#include "shell/datas.h"
#include "teacher/codeacces.h"
#include "teacher/enseignant.h"
#include "teacher/modeleclasse.h"
#include "teacher/modeleprogramme.h"
#include "teacher/rapport.h"

namespace {

const QString poste = QStringLiteral("p00000000000000aa");
const QString autre = QStringLiteral("p00000000000000bb");

// n answers of that child on that computer, one a day from a date, every
// third one wrong.
void repondre(const QString& racine, const QString& nom, const QString& p, int n, QDate depuis = {2026, 11, 2},
              const QString& activite = QStringLiteral("lire_horloge"))
{
    QFile f(QStringLiteral("%1/joueurs/%2/%3.hist").arg(racine, cleJoueur(nom), p));
    QDir().mkpath(QFileInfo(f).path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Append));
    for (int i = 0; i < n; ++i)
        f.write(ecrireLigne({QDateTime(depuis.addDays(i), QTime(10, 0)), nom, activite, QStringLiteral("Q%1").arg(i),
                             QStringLiteral("R%1").arg(i), QStringLiteral("A%1").arg(i), i % 3 != 2}));
}

// Acts on the modal dialog of that name as soon as it is open.
void quandOuvert(const char* nom, std::function<void(QWidget*)> faire)
{
    auto* guet = new QTimer;
    QObject::connect(guet, &QTimer::timeout, [guet, nom, faire] {
        QWidget* d = QApplication::activeModalWidget();
        if (d && d->objectName() == QLatin1String(nom)) {
            guet->deleteLater();
            guet->stop();
            faire(d);
        }
    });
    guet->start(20);
}

// A class of three children with ten answers each, of that year.
Lieux classeDeTrois(const QTemporaryDir& t, const QList<programme::Annee>& annees)
{
    const Lieux l{t.filePath(QStringLiteral("classe")), t.filePath(QStringLiteral("local")), poste};
    QDir().mkpath(l.classe);
    for (const QString& n : {QStringLiteral("Léa"), QStringLiteral("Jean-Éloi"), QStringLiteral("Ambre")}) {
        if (classe::ajouter(l.classe, n) != classe::Resultat::Fait)
            qFatal("%s not added", qPrintable(n));
        repondre(l.classe, n, autre, 10);
    }
    classe::Reglages reglages;
    reglages.annees = annees;
    if (!classe::enregistrerReglages(l.classe, reglages))
        qFatal("the class's year not written");
    return l;
}

}  // namespace

class TstEnseignant : public QObject {
    Q_OBJECT

private slots:
    void modeleTrieEtGardeSesLignes()
    {
        ModeleClasse m({QStringLiteral("lire_horloge"), QStringLiteral("montre")});
        ResumeClasse r;
        r.enfants = {{{QStringLiteral("j1"), QStringLiteral("Zoé")}, {{QStringLiteral("lire_horloge"), {3, 4}}}, {}, {}},
                     {{QStringLiteral("j2"), QStringLiteral("anna")}, {{QStringLiteral("lire_horloge"), {1, 4}}, {QStringLiteral("montre"), {2, 2}}}, {}, {},
                      {{QStringLiteral("s1"), {7, 10}}, {QStringLiteral("s2"), {3, 5}}}},
                     {{QStringLiteral("j3"), QStringLiteral("Bob")}, {}, {}, {}}};
        m.setResume(r);
        QCOMPARE(m.columnCount(), 6);  // name, two activities, total, sessions, last time
        QCOMPARE(m.index(1, 1).data().toString(), QStringLiteral("1/4"));
        QCOMPARE(m.index(1, 3).data().toString(), QStringLiteral("3/6"));
        QCOMPARE(m.index(2, 1).data().toString(), QStringLiteral("–"));
        QCOMPARE(m.index(1, 4).data().toString(), QStringLiteral("2 séances, 10 justes sur 15"));
        QCOMPARE(m.index(2, 4).data().toString(), QStringLiteral("—"));
        QCOMPARE(m.index(2, 5).data().toString(), QStringLiteral("jamais"));
        QCOMPARE(m.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Lire\nl'horloge\n50 %"));
        QCOMPARE(enLignes(QStringLiteral("Montre en avance ou en retard"), 11), QStringLiteral("Montre en\navance ou\nen retard"));
        QCOMPARE(enLignes(QStringLiteral("Anticonstitutionnellement x"), 11), QStringLiteral("Anticonstitutionnellement\nx"));
        QSortFilterProxyModel tri;
        tri.setSourceModel(&m);
        tri.setSortRole(Qt::UserRole);
        const auto ordre = [&](int colonne, Qt::SortOrder o) {
            tri.sort(colonne, o);
            QStringList noms;
            for (int i = 0; i < tri.rowCount(); ++i)
                noms << tri.index(i, 0).data().toString();
            return noms.join(QLatin1Char(','));
        };
        QCOMPARE(ordre(0, Qt::AscendingOrder), QStringLiteral("anna,Bob,Zoé"));
        QCOMPARE(ordre(1, Qt::DescendingOrder), QStringLiteral("Zoé,anna,Bob"));  // unanswered last
        // The same children with new counts: rows kept, no reset.
        QSignalSpy remise(&m, &QAbstractItemModel::modelReset);
        r.enfants[2].activites[QStringLiteral("montre")] = {0, 5};
        m.setResume(r);
        QCOMPARE(remise.size(), 0);
        QCOMPARE(m.index(2, 2).data().toString(), QStringLiteral("0/5"));
        r.enfants.removeLast();
        m.setResume(r);
        QCOMPARE(remise.size(), 1);
    }

    // New bytes only are read: an answer appended shows at the next look,
    // and what was read before is not read again.
    void suiviLitCeQuiArrive()
    {
        QTemporaryDir t;
        const Lieux l{t.filePath(QStringLiteral("classe")), t.filePath(QStringLiteral("local")), poste};
        QDir().mkpath(l.classe);
        QCOMPARE(classe::ajouter(l.classe, QStringLiteral("Léa")), classe::Resultat::Fait);
        repondre(l.classe, QStringLiteral("Léa"), autre, 3);
        repondre(l.local, QStringLiteral("Léa"), poste, 2);  // this computer's own, from the local store
        // Its class copy (a beginning of it), not counted twice.
        QFile propre(QStringLiteral("%1/joueurs/%2/%3.hist").arg(l.local, cleJoueur(QStringLiteral("Léa")), poste));
        QVERIFY(propre.open(QIODevice::ReadOnly));
        QFile copie(propre.fileName().replace(l.local, l.classe));
        QVERIFY(copie.open(QIODevice::WriteOnly));
        copie.write(propre.readLine());
        copie.close();
        SuiviClasse s(l);
        QVERIFY(s.actualiser());
        QCOMPARE(s.resume().enfants.size(), 1);
        QCOMPARE(s.resume().enfants[0].total(), (Compte{4, 5}));
        QVERIFY(!s.actualiser());
        const QString f = QStringLiteral("%1/joueurs/%2/%3.hist").arg(l.classe, cleJoueur(QStringLiteral("Léa")), autre);
        QFile ecrase(f);
        QVERIFY(ecrase.open(QIODevice::ReadWrite));
        ecrase.write("X");  // spoils the first line, already counted
        ecrase.close();
        repondre(l.classe, QStringLiteral("Léa"), autre, 1);
        QVERIFY(s.actualiser());
        QCOMPARE(s.resume().enfants[0].total(), (Compte{5, 6}));
        QCOMPARE(s.resume().ignores, 0);
        QVERIFY(ecrase.open(QIODevice::Append));
        ecrase.write("K1\tpas une réponse\n");
        ecrase.close();
        s.actualiser();
        QCOMPARE(s.resume().ignores, 1);
        QCOMPARE(s.resume().enfants[0].total(), (Compte{5, 6}));
        QCOMPARE(s.resume().enfants[0].dernier, QDateTime(QDate(2026, 11, 4), QTime(10, 0)));
        QCOMPARE(classe::ajouter(l.classe, QStringLiteral("Hugo")), classe::Resultat::Fait);
        QVERIFY(s.actualiser());
        QCOMPARE(s.resume().enfants.size(), 2);
    }

    void pageDeLEleve()
    {
        QTemporaryDir t;
        const Lieux l{{}, t.path(), poste};
        QCOMPARE(classe::ajouter(l.local, QStringLiteral("Léa")), classe::Resultat::Fait);
        repondre(l.local, QStringLiteral("Léa"), poste, 30, {2026, 10, 5}, QStringLiteral("montre"));
        repondre(l.local, QStringLiteral("Léa"), poste, 250, {2020, 1, 1});  // years back: the weeks stop at two years
        // A computer whose clock is years ahead: counted, but the weeks stop at this one.
        repondre(l.local, QStringLiteral("Léa"), poste, 1, QDate::currentDate().addYears(5), QStringLiteral("montre"));
        const DetailEnfant d = detailEnfant(l, cleJoueur(QStringLiteral("Léa")));
        QCOMPARE(d.semaines.size(), 105);
        QCOMPARE(d.semaines.last().lundi, QDate(2026, 11, 2));
        QCOMPARE(d.semaines.last().compte.total, 2);  // 2 and 3 November
        QCOMPARE(d.activites.value(QStringLiteral("montre")), (Compte{21, 31}));
        SuiviClasse s(l);
        s.actualiser();
        QCOMPARE(s.resume().enfants.size(), 1);
        QVERIFY(s.resume().enfants[0].dernier <= QDateTime::currentDateTime());
        QCOMPARE(d.erreurs.size(), 93);
        QCOMPARE(d.erreurs.first().question, QStringLiteral("Q29"));  // the latest first
        QCOMPARE(d.erreurs.first().attendue, QStringLiteral("A29"));
    }

    // The window reads the class, follows new answers and marks a folder out of reach.
    void fenetre()
    {
        QTemporaryDir t;
        const Lieux l{t.filePath(QStringLiteral("classe")), t.filePath(QStringLiteral("local")), poste};
        QDir().mkpath(l.classe);
        for (const QString& n : QStringList{QStringLiteral("Léa"), QStringLiteral("Hugo")})
            QCOMPARE(classe::ajouter(l.classe, n), classe::Resultat::Fait);
        repondre(l.classe, QStringLiteral("Hugo"), autre, 4);
        classe::Reglages reglages;
        reglages.annees = {programme::Annee::CE2};
        QVERIFY(classe::enregistrerReglages(l.classe, reglages));
        QVERIFY(!classe::identiteClasse(l.classe).isEmpty());
        Enseignant e(l);
        QCOMPARE(e.objectName(), QStringLiteral("enseignant"));
        // Nothing is saved before the class's work is read: it would be erased.
        auto* enregistrer = e.findChild<QPushButton*>(QStringLiteral("travail_enregistrer"));
        QVERIFY(!enregistrer->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(enregistrer->isEnabled(), 5000);
        auto* tableau = e.findChild<QTableView*>(QStringLiteral("tableau"));
        QTRY_COMPARE_WITH_TIMEOUT(tableau->model()->rowCount(), 2, 5000);
        QCOMPARE(tableau->model()->index(0, 0).data().toString(), QStringLiteral("Hugo"));
        repondre(l.classe, QStringLiteral("Hugo"), autre, 2);
        QTRY_COMPARE_WITH_TIMEOUT(tableau->model()->index(0, e.modele()->colonneTotal()).data().toString(),
                                  QStringLiteral("5/6"), 5000);
        tableau->selectRow(0);
        QTRY_VERIFY_WITH_TIMEOUT(e.findChild<QLabel*>(QStringLiteral("titre_eleve"))->text().startsWith(QStringLiteral("Hugo")), 5000);
        // The programme: the class's year only; the clock read to the minute
        // is a CE2 item: Hugo, 5 right of his 6 answers, has reached it.
        const ModeleProgramme* mp = e.modeleProgramme();
        QCOMPARE(mp->columnCount(), 1 + programme::itemsDesAnnees({programme::Annee::CE2}).size());
        const int lire = programme::indexItem(QStringLiteral("ce2_lire_placer"));
        const int colonne = int(programme::itemsDesAnnees({programme::Annee::CE2}).indexOf(lire)) + 1;
        QCOMPARE(mp->index(0, colonne).data().toString(), QStringLiteral("atteint (5/6)"));
        QCOMPARE(mp->index(1, colonne).data().toString(), QStringLiteral("pas encore évalué"));
        auto* items = e.findChild<QTableWidget*>(QStringLiteral("items_eleve"));
        QCOMPARE(items->rowCount(), mp->columnCount() - 1);
        QCOMPARE(items->item(colonne - 1, 1)->text(), QStringLiteral("atteint (5/6)"));
        QVERIFY(!e.findChild<QLabel*>(QStringLiteral("attente"))->isVisibleTo(&e));
        // "Aide" opens the teacher's guide, found beside the pictures as installed.
        e.setGuide(fichierGuide(QStringLiteral(KLEPSOS_DATAS_DIR)));
        e.findChild<QAction*>(QStringLiteral("aide"))->trigger();
        auto* guide = e.findChild<QTextBrowser*>(QStringLiteral("texte_guide"));
        QVERIFY(guide && guide->isVisible());
        QVERIFY(guide->toPlainText().contains(QStringLiteral("Quand quelque chose ne va pas")));
        // Another computer's word: what waits there, and when it said so.
        auto* postes = e.findChild<QLabel*>(QStringLiteral("postes"));
        QFile etat(QStringLiteral("%1/postes/%2.etat").arg(l.classe, autre));
        QVERIFY(QDir().mkpath(QFileInfo(etat).path()) && etat.open(QIODevice::WriteOnly));
        etat.write("poste=p00000000000000bb\nhote=salle-3\nen_attente=12\nrefusees=0\ndate=2026-12-07T08:05:00Z\n");
        etat.close();
        QTRY_VERIFY_WITH_TIMEOUT(postes->isVisibleTo(&e), 5000);
        QVERIFY2(postes->text().startsWith(QStringLiteral("Ordinateur « salle-3 » (p00000000000000bb) : 12 réponse(s) en attente d'envoi (le 07/12/2026 à ")),
                 qPrintable(postes->text()));
        // A session of Léa's this week, in the table.
        QFile seance(QStringLiteral("%1/joueurs/%2/%3.hist").arg(l.classe, cleJoueur(QStringLiteral("Léa")), autre));
        QVERIFY(QDir().mkpath(QFileInfo(seance).path()) && seance.open(QIODevice::Append));
        for (bool juste : {true, false, true})
            seance.write(ecrireLigne({QDateTime::currentDateTime(), QStringLiteral("Léa"), QStringLiteral("montre"), QStringLiteral("Q"),
                                      QStringLiteral("R"), QStringLiteral("A"), juste, {}, sansIdentifiant, QStringLiteral("s00000000000000aa")}));
        seance.close();
        QTRY_COMPARE_WITH_TIMEOUT(tableau->model()->index(1, e.modele()->colonneSeances()).data().toString(),
                                  QStringLiteral("1 séance, 2 justes sur 3"), 5000);
        // The week's work for Hugo alone, then for the class, merged into
        // what another teacher gave Léa meanwhile (work already over).
        const QString lea = cleJoueur(QStringLiteral("Léa")), hugo = cleJoueur(QStringLiteral("Hugo"));
        const classe::Consigne finie{{2026, 11, 2}, {QStringLiteral("cp_heures")}};
        QVERIFY(classe::changerTravail(l.classe, l.local, {lea, finie}));
        auto* pour = e.findChild<QComboBox*>(QStringLiteral("travail_pour"));
        auto* notions = e.findChild<QTreeWidget*>(QStringLiteral("travail_items"));
        auto* debut = e.findChild<QDateEdit*>(QStringLiteral("travail_debut"));
        pour->setCurrentIndex(pour->findText(QStringLiteral("Hugo")));
        const auto cocher = [notions](const char* id) {
            for (QTreeWidgetItem* i : notions->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive))
                if (i->data(0, Qt::UserRole).toString() == QLatin1String(id))
                    i->setCheckState(0, Qt::Checked);
        };
        const auto travail = [&] { return classe::travailClasse(l.classe, l.local).value_or(classe::Travail{}); };
        cocher("ce2_conversions");
        debut->setDate({2026, 12, 7});
        enregistrer->click();
        QTRY_COMPARE_WITH_TIMEOUT(travail().enfants.value(hugo).items, QStringList{QStringLiteral("ce2_conversions")}, 5000);
        QCOMPARE(travail().enfants.value(lea), finie);
        // Léa's work is over: given again, it starts this week.
        pour->setCurrentIndex(pour->findText(QStringLiteral("Léa")));
        QCOMPARE(debut->date(), lundiDe(QDate::currentDate()));
        pour->setCurrentIndex(0);
        cocher("ce1_durees");
        cocher("cp_heures");
        enregistrer->click();
        QTRY_VERIFY_WITH_TIMEOUT(travail().classe.has_value(), 5000);
        QCOMPARE(travail().classe->items, QStringList({"cp_heures", "ce1_durees"}));
        QCOMPARE(travail().enfants.size(), 2);
        QVERIFY(QDir(l.classe).removeRecursively());
        auto* attente = e.findChild<QLabel*>(QStringLiteral("attente"));
        repondre(l.local, QStringLiteral("Hugo"), poste, 1);
        QTRY_VERIFY_WITH_TIMEOUT(attente->isVisibleTo(&e), 5000);
        QCOMPARE(tableau->model()->rowCount(), 2);  // as read before
        QVERIFY(attente->text().contains(QStringLiteral("1 réponse(s) de cet ordinateur en attente")));
    }

    // The teacher's space behind a code: chosen in the view, asked before
    // it opens, the fourth try after three wrong ones waits, reset by
    // removing its file; never kept in clear.
    void code()
    {
        QCOMPARE(classe::pbkdf2Sha256("passwd", "salt", 1, 64).toHex(),
                 "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
                 "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
        QTemporaryDir t;
        const Lieux l{t.filePath(QStringLiteral("classe")), t.filePath(QStringLiteral("local")), poste};
        QVERIFY(QDir().mkpath(l.classe) && !classe::identiteClasse(l.classe).isEmpty());
        QVERIFY(accesAccorde(l));  // no code: no question
        const QString secret = QStringLiteral("Hibou 42");
        {
            // A class without its year is asked it first; a year must be chosen.
            quandOuvert("reglages_classe", [](QWidget* d) {
                QVERIFY(d->findChild<QLabel*>(QStringLiteral("message_reglages"))->isVisible());
                d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                QVERIFY(d->isVisible());
                d->findChild<QComboBox*>(QStringLiteral("annee"))->setCurrentIndex(int(programme::Annee::CE1) + 1);
                d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
            Enseignant e(l);
            QTRY_COMPARE_WITH_TIMEOUT(classe::reglagesClasse(l.classe).annees, QList{programme::Annee::CE1}, 5000);
            QTRY_VERIFY_WITH_TIMEOUT(e.windowTitle().contains(QStringLiteral("CE1")), 5000);
            quandOuvert("choix_code", [&](QWidget* d) {
                d->findChild<QLineEdit*>(QStringLiteral("nouveau_code"))->setText(QStringLiteral("abc"));
                d->findChild<QLineEdit*>(QStringLiteral("code_encore"))->setText(QStringLiteral("abc"));
                d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                QVERIFY(d->isVisible());  // too short
                d->findChild<QLineEdit*>(QStringLiteral("nouveau_code"))->setText(secret);
                d->findChild<QLineEdit*>(QStringLiteral("code_encore"))->setText(secret);
                d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
            e.findChild<QAction*>(QStringLiteral("code"))->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(classe::codeSuivi(l.classe, l.local).code, 5000);
            QVERIFY(e.finir(2000));
        }
        QDirIterator fichiers(t.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (fichiers.hasNext()) {
            QFile f(fichiers.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray octets = f.readAll();
            QVERIFY2(!octets.contains(secret.toUtf8()) && !octets.contains(secret.toUtf8().toBase64()), qPrintable(f.fileName()));
        }
        const classe::EmpreinteCode code = *classe::codeSuivi(l.classe, l.local).code;
        QVERIFY(classe::codeJuste(code, secret) && !classe::codeJuste(code, QStringLiteral("hibou 42")));
        QCOMPARE(classe::codeGarde(l.local).code, code);  // kept here for when the folder is away
        DemandeCode d(classe::empreinteDe(secret, 1000), std::chrono::milliseconds(400));
        d.show();
        auto* saisie = d.findChild<QLineEdit*>(QStringLiteral("code"));
        auto* entrer = d.findChild<QPushButton*>(QStringLiteral("entrer"));
        for (int i = 0; i < fautesAvantAttente; ++i) {
            QVERIFY(entrer->isEnabled());
            saisie->setText(QStringLiteral("hibou"));
            entrer->click();
        }
        QVERIFY(!entrer->isEnabled() && d.isVisible());
        QVERIFY(d.findChild<QLabel*>(QStringLiteral("message_code"))->text().contains(QStringLiteral("Attendez")));
        QTRY_VERIFY_WITH_TIMEOUT(entrer->isEnabled(), 2000);
        saisie->setText(secret);
        entrer->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        // The helper's step: the file removed, the space is open again, here too.
        QVERIFY(QFile::remove(QDir(l.classe).filePath(classe::fichierCode)));
        QVERIFY(!classe::codeSuivi(l.classe, l.local).code && !classe::codeGarde(l.local).code);
    }

    // Without a class, a child's removal can erase them at once, and the
    // removed children's list erases the others one by one.
    void effacerSansClasse()
    {
        QTemporaryDir t;
        const Lieux l{{}, t.filePath(QStringLiteral("local")), poste};
        for (const QString& n : {QStringLiteral("Léa"), QStringLiteral("Hugo"), QStringLiteral("Zoé")}) {
            QCOMPARE(classe::ajouter(l.local, n), classe::Resultat::Fait);
            repondre(l.local, n, poste, 3);
        }
        QCOMPARE(classe::retirer(l.local, cleJoueur(QStringLiteral("Zoé"))), classe::Resultat::Fait);
        Enseignant e(l);
        auto* tableau = e.findChild<QTableView*>(QStringLiteral("tableau"));
        QTRY_COMPARE_WITH_TIMEOUT(tableau->model()->rowCount(), 2, 5000);
        tableau->selectRow(tableau->model()->index(0, 0).data().toString() == QStringLiteral("Léa") ? 0 : 1);
        quandOuvert("question_retirer", [](QWidget* d) {
            for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                if (b->text() == QStringLiteral("Retirer et effacer définitivement"))
                    b->click();
        });
        e.findChild<QAction*>(QStringLiteral("retirer"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(tableau->model()->rowCount(), 1, 5000);
        quandOuvert("retires", [](QWidget* d) {
            auto* liste = d->findChild<QTableWidget*>(QStringLiteral("liste_retires"));
            QCOMPARE(liste->rowCount(), 1);  // Zoé; Léa is gone already
            QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Zoé"));
            liste->selectRow(0);
            quandOuvert("confirmer_effacement", [](QWidget* b) {
                QVERIFY(static_cast<QMessageBox*>(b)->text().startsWith(QStringLiteral("Effacer définitivement Zoé ?")));
                b->findChildren<QAbstractButton*>().first()->click();
            });
            d->findChild<QPushButton*>(QStringLiteral("effacer"))->click();
        });
        e.findChild<QAction*>(QStringLiteral("montrer_retires"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(QDir(l.local).filePath(QStringLiteral("retires"))).exists()
                                     || QDir(QDir(l.local).filePath(QStringLiteral("retires"))).isEmpty(), 5000);
        QCOMPARE(QDir(QDir(l.local).filePath(QStringLiteral("joueurs"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{cleJoueur(QStringLiteral("Hugo"))});
        QVERIFY(e.finir(2000));
    }

    // The report names every child, on a page of their own.
    void rapport()
    {
        QTemporaryDir t;
        const Lieux l = classeDeTrois(t, {programme::Annee::CE1, programme::Annee::CE2});
        const QStringList noms{QStringLiteral("Léa"), QStringLiteral("Jean-Éloi"), QStringLiteral("Ambre")};
        QFile anonyme(QStringLiteral("%1/anonyme/%2.hist").arg(l.classe, autre));
        QVERIFY(QDir().mkpath(QFileInfo(anonyme).path()) && anonyme.open(QIODevice::WriteOnly));
        anonyme.write(ecrireLigne({QDateTime::currentDateTime(), {}, QStringLiteral("montre"), {}, {}, {}, false}));
        anonyme.close();
        QString erreur;
        // On a thread of its own, as the teacher's view writes it.
        QCOMPARE(partage::avant<bool>(60000, [&] { return ecrireRapport(l, t.filePath(QStringLiteral("r.pdf")), &erreur); }), true);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {t.filePath(QStringLiteral("r.pdf")), QStringLiteral("-")});
        if (!p.waitForFinished() || p.exitCode() != 0)
            QSKIP("pdftotext (poppler-utils) is needed");
        const QString texte = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(texte.count(QLatin1Char('\f')), 2 + noms.size());
        for (const QString& n : noms)
            QVERIFY2(texte.count(n) >= 3, qPrintable(n));  // in both tables and on their page
        // The positioning page and each child's items: both years, no other.
        QVERIFY(texte.contains(QStringLiteral("Positionnement\n")));
        QVERIFY(texte.contains(QStringLiteral("PA 7/10")));
        QCOMPARE(texte.count(QStringLiteral("partiellement atteint (7/10)")), noms.size());
        QVERIFY(texte.count(QStringLiteral("Lire les demi-heures et les quarts d'heure")) >= noms.size());
        QVERIFY(!texte.contains(QStringLiteral("CM1")));
        QVERIFY(texte.contains(QStringLiteral("7 réponses justes sur 10")));
        QVERIFY(!ecrireRapport(l, t.filePath(QStringLiteral("absent/r.pdf")), &erreur));
        QVERIFY(erreur.contains(QStringLiteral("absent/r.pdf")));

        // The program itself, with no display: the report and the class's CSV.
        const QString app = t.filePath(QStringLiteral("app"));
        QDir().mkpath(app + QStringLiteral("/datas"));
        QVERIFY(QFile::copy(QStringLiteral(KLEPSOS_PROGRAMME), app + QStringLiteral("/klepsos")));
        QFile(app + QStringLiteral("/datas/23")).open(QIODevice::WriteOnly);
        const auto lancer = [&](const QStringList& arguments) {
            QProcess k;
            k.setProcessEnvironment(QProcessEnvironment());
            k.start(app + QStringLiteral("/klepsos"), arguments);
            return k.waitForFinished(30000) && k.exitStatus() == QProcess::NormalExit ? k.exitCode() : -1;
        };
        QCOMPARE(lancer({QStringLiteral("--rapport"), t.filePath(QStringLiteral("p.pdf")), QStringLiteral("--classe"), l.classe}), 0);
        QVERIFY(QFileInfo(t.filePath(QStringLiteral("p.pdf"))).size() > 1000);
        QCOMPARE(lancer({QStringLiteral("--exporter"), t.filePath(QStringLiteral("x.csv")), QStringLiteral("--classe"), l.classe}), 0);
        QFile csv(t.filePath(QStringLiteral("x.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count('\n'), 1 + 3 * 10 + 1);
        QCOMPARE(lancer({QStringLiteral("--exporter-positionnement"), t.filePath(QStringLiteral("p.csv")), QStringLiteral("--classe"), l.classe}), 0);
        QFile positions(t.filePath(QStringLiteral("p.csv")));
        QVERIFY(positions.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = positions.readAll().split('\n');
        QCOMPARE(lignes.size(), 1 + noms.size() * programme::itemsDesAnnees({programme::Annee::CE1, programme::Annee::CE2}).size() + 1);
        QCOMPARE(lignes[0], QByteArray("\xEF\xBB\xBF" "eleve;annee;attendu;niveau;reponses_comptees;justes\r"));
        QVERIFY(lignes.contains(QStringLiteral("Léa;CE2;Lire et placer l'heure à la minute près;partiellement atteint;10;7\r").toUtf8()));
        QVERIFY(lignes.contains(QStringLiteral("Ambre;CE1;Calculer une durée dans la journée;pas encore évalué;0;0\r").toUtf8()));
    }

    // Worksheets: from the program's command line, a sheet for anyone and
    // a page per child of a class on what each needs next; from the view's
    // dialog, the same for the children ticked.
    void fiches()
    {
        QTemporaryDir t;
        const Lieux l = classeDeTrois(t, {programme::Annee::CE1});
        // Jean-Éloi is in CM2; Ambre has the seconds to work this week.
        QVERIFY(classe::ecrireAnneeEnfant(classe::dossierEnfant(l.classe, cleJoueur(QStringLiteral("Jean-Éloi"))),
                                          {programme::Annee::CM2}));
        const QDate lundi = QDate::currentDate().addDays(1 - QDate::currentDate().dayOfWeek());
        QVERIFY(!classe::identiteClasse(l.classe).isEmpty());
        QVERIFY(classe::changerTravail(l.classe, l.local,
                                       {cleJoueur(QStringLiteral("Ambre")), classe::Consigne{lundi, {QStringLiteral("ce2_secondes")}}}));

        const QString app = t.filePath(QStringLiteral("app"));
        QDir().mkpath(app + QStringLiteral("/datas"));
        QVERIFY(QFile::copy(QStringLiteral(KLEPSOS_PROGRAMME), app + QStringLiteral("/klepsos")));
        const auto lancer = [&](const QStringList& arguments) {
            QProcess k;
            k.setProcessEnvironment(QProcessEnvironment());
            k.start(app + QStringLiteral("/klepsos"), arguments);
            return k.waitForFinished(30000) && k.exitStatus() == QProcess::NormalExit ? k.exitCode() : -1;
        };
        const auto lire = [](const QString& pdf) {
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            p.waitForFinished();
            return QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0x202F), QLatin1Char(' ')).replace(QChar(0x00A0), QLatin1Char(' '));
        };
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed");

        // Twelve quarter hours with their key; the same number, the same sheet.
        const QStringList quarts{QStringLiteral("--fiche-genre"), QStringLiteral("lire"), QStringLiteral("--fiche-niveau"),
                                 QStringLiteral("quarts"), QStringLiteral("--fiche-par-page"), QStringLiteral("12"),
                                 QStringLiteral("--fiche-numero"), QStringLiteral("4821")};
        QCOMPARE(lancer(QStringList{QStringLiteral("--fiche"), t.filePath(QStringLiteral("q.pdf"))} + quarts), 0);
        QCOMPARE(lancer(QStringList{QStringLiteral("--fiche"), t.filePath(QStringLiteral("q2.pdf"))} + quarts), 0);
        const QString q = lire(t.filePath(QStringLiteral("q.pdf")));
        QCOMPARE(q.count(QLatin1Char('\f')), 2);
        QCOMPARE(q.count(QStringLiteral("___ h ___ min")), 12);
        QVERIFY(q.contains(QStringLiteral("Corrigé — Fiche n° 4821")));
        QCOMPARE(q.count(QRegularExpression(QStringLiteral("\\d+[ \\x{a0}]?h([ \\x{a0}](15|30|45))?\\n"))), 12);
        QCOMPARE(lire(t.filePath(QStringLiteral("q2.pdf"))), q);
        QCOMPARE(lancer({QStringLiteral("--fiche"), t.filePath(QStringLiteral("x.pdf")), QStringLiteral("--fiche-niveau"),
                         QStringLiteral("siecles")}), 2);
        QVERIFY(!QFileInfo::exists(t.filePath(QStringLiteral("x.pdf"))));

        // A page per child, in the class list's order, then their keys.
        QCOMPARE(lancer({QStringLiteral("--fiche"), t.filePath(QStringLiteral("e.pdf")), QStringLiteral("--fiche-par-eleve"),
                         QStringLiteral("--fiche-numero"), QStringLiteral("7"), QStringLiteral("--classe"), l.classe}), 0);
        const QStringList pages = lire(t.filePath(QStringLiteral("e.pdf"))).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        const QStringList ordre{QStringLiteral("Ambre"), QStringLiteral("Jean-Éloi"), QStringLiteral("Léa")};
        QVERIFY(pages.size() >= 4);
        for (int i = 0; i < ordre.size(); ++i)
            QVERIFY2(pages[i].contains(QStringLiteral("Prénom : ") + ordre[i]) && pages[i].contains(QStringLiteral("Fiche n° 7 — ") + ordre[i]),
                     qPrintable(pages[i]));
        const QString corriges = pages.mid(3).join(QLatin1Char('\n'));
        for (const QString& n : ordre)
            QVERIFY(corriges.contains(QStringLiteral("Corrigé — Fiche n° 7 — ") + n));
        QVERIFY(corriges.indexOf(QStringLiteral("— Ambre")) < corriges.indexOf(QStringLiteral("— Léa")));
        // The week's work first: a time with its seconds to draw.
        QVERIFY2(pages[0].contains(QRegularExpression(QStringLiteral("\\d+ h \\d+ min \\d+ s"))), qPrintable(pages[0]));
        // Each child's year: CM2's durations to the second, CE1's half and quarter hours.
        QVERIFY2(pages[1].contains(QStringLiteral("___ min ___ s")), qPrintable(pages[1]));
        QVERIFY2(pages[2].contains(QStringLiteral("Les demies et les quarts")) && !pages[2].contains(QStringLiteral("___ s")),
                 qPrintable(pages[2]));
        QCOMPARE(lancer({QStringLiteral("--fiche"), t.filePath(QStringLiteral("i.pdf")), QStringLiteral("--fiche-eleves"),
                         QStringLiteral("Inconnu"), QStringLiteral("--classe"), l.classe}), 1);

        // The view's dialog: Léa alone, written on the reader's thread.
        Enseignant e(l);
        e.show();
        QTRY_COMPARE(e.modele()->rowCount(), 3);
        // The file the dialog chose, whatever name it proposed.
        auto f = std::make_shared<QString>();
        quandOuvert("fiches", [f](QWidget* d) {
            d->findChild<QComboBox*>(QStringLiteral("pour_qui"))->setCurrentIndex(1);
            auto* eleves = d->findChild<QListWidget*>(QStringLiteral("eleves"));
            for (int i = 0; i < eleves->count(); ++i)
                eleves->item(i)->setCheckState(eleves->item(i)->text() == QStringLiteral("Léa") ? Qt::Checked : Qt::Unchecked);
            quandOuvert("choix_fichier", [f](QWidget* choix) {
                auto* fd = static_cast<QFileDialog*>(choix);
                *f = fd->selectedFiles().value(0);
                static_cast<QDialog*>(fd)->accept();
            });
            static_cast<QDialog*>(d)->accept();
        });
        e.findChild<QAction*>(QStringLiteral("imprimer_fiches"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!f->isEmpty() && QFileInfo::exists(*f), 10000);
        QVERIFY(f->endsWith(QStringLiteral(".pdf")));
        const QString vue = lire(*f);
        QVERIFY(vue.contains(QStringLiteral("Prénom : Léa")) && !vue.contains(QStringLiteral("Ambre")));
        QVERIFY(e.finir(2000));
    }
};

QTEST_MAIN(TstEnseignant)
#include "tst_enseignant.moc"

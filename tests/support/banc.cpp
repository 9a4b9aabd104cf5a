// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTimerEvent>

#include "shell/presentation.h"


void copierDossier(const QString& de, const QString& vers)
{
    QDir().mkpath(vers);
    const QDir source(de);
    for (const QString& nom : source.entryList(QDir::Files))
        QFile::copy(source.filePath(nom), QDir(vers).filePath(nom));
}

Banc::Banc(const QDateTime& maintenant, const QByteArray& scoreInitial) : clock(maintenant)
{
    datas = QDir(dossier.path()).filePath(QStringLiteral("datas"));
    copierDossier(QStringLiteral(KLEPSOS_DATAS_DIR), datas);
    // The delivered zero score unless the test brings its own: the build
    // tree's file holds whatever was last played there.
    QFile f(QDir(datas).filePath(QStringLiteral("18")));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(scoreInitial.isNull() ? ::octetsScore(0, 0, 0) : scoreInitial);
    app = std::make_unique<Klepsos>(clock, random, sons, affichage, datas);
    app->routines().voix = &voix;
}

Banc::~Banc() = default;

bool Banc::demarrer(Suite suite)
{
    QString erreur;
    const bool ok = app->demarrer(&erreur);
    if (!ok)
        qWarning("%s", qPrintable(erreur));
    else if (suite == ToutConstruire) {
        app->terminerDemarrage();
        // Every screen at hand, as if each had been opened once.
        app->lecon();
        app->exercices();
        app->astuces();
        app->jeuxDates();
        app->aPropos();
        app->aiguilles();
        app->journee();
        app->calendrier();
        app->entrainement();
    }
    return ok;
}

QWidget* Banc::ecranNomme(const char* ecran) const
{
    // The about window too is a child of the main window. Nothing is built
    // here: a screen not built yet is not found.
    return app->fenetre()->findChild<QWidget*>(QString::fromLatin1(ecran), Qt::FindDirectChildrenOnly);
}

QByteArray Banc::octetsScore() const
{
    QFile f(QDir(datas).filePath(QStringLiteral("18")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Banc::survoler(QWidget* w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(w->rect().center()), w->mapToGlobal(QPointF(w->rect().center())),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void Banc::taper(const QString& touches)
{
    static const QHash<QString, Qt::Key> noms = {
        {"Tab", Qt::Key_Tab}, {"S-Tab", Qt::Key_Backtab}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down},
        {"PgUp", Qt::Key_PageUp}, {"PgDown", Qt::Key_PageDown}, {"Return", Qt::Key_Return},
        {"Space", Qt::Key_Space}, {"Esc", Qt::Key_Escape}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
        {"F5", Qt::Key_F5}};
    QVERIFY(QTest::qWaitForWindowActive(app->presentation()));
    for (const QString& mot : touches.split(' ', Qt::SkipEmptyParts)) {
        const QStringList fois = mot.split('*');
        QVERIFY2(noms.contains(fois[0]), qPrintable(mot));
        for (int i = fois.size() > 1 ? fois[1].toInt() : 1; i > 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), noms[fois[0]]);
            QCoreApplication::processEvents();
        }
    }
}

void Banc::regler(QWidget* spinner, int v)
{
    auto* s = qobject_cast<ArrowSpinner*>(spinner);
    QVERIFY(s);
    for (int i = 0; i < 200 && s->value() != v; ++i)
        s->value() < v ? monter(s) : descendre(s);
    QCOMPARE(s->value(), v);
}

void Banc::tic(QTimer* timer)
{
    QTimerEvent e(timer->timerId());
    QCoreApplication::sendEvent(timer, &e);
}

void Banc::verifierCompte(int exercices, int justes, int erreurs)
{
    QCOMPARE(r().nb_exercices.valeur, exercices);
    QCOMPARE(r().nb_justes.valeur, justes);
    QCOMPARE(r().nb_erreurs, erreurs);
}

QString Banc::ligneScore(int exercices, int justes, int erreurs)
{
    return QStringLiteral("\nExercices --> %1  Justes --> %2  Erreurs --> %3").arg(exercices).arg(justes).arg(erreurs);
}

// Written by hand, not by the program's writer, so a fault there shows.
QByteArray octetsScore(int exercices, int justes, int erreurs)
{
    QByteArray o = QByteArray::fromHex("02000100");
    for (int v : {exercices, justes}) {
        o += QByteArray::fromHex("0200");
        o += char(v & 0xff);
        o += char((v >> 8) & 0xff);
    }
    for (int i = 0; i < 4; ++i)
        o += char((erreurs >> (8 * i)) & 0xff);
    return o;
}

void Banc::ouvrir(const char* dessin, const char* ecranOuvert)
{
    ecran = "depart";
    cliquer(w(dessin));
    ecran = ecranOuvert;
}

QWidget* Banc::w(const QString& nom)
{
    QWidget* e = ecranNomme(ecran.constData());
    QWidget* t = e ? e->findChild<QWidget*>(nom) : nullptr;
    if (!t)
        qFatal("no control %s in %s", qPrintable(nom), ecran.constData());
    return t;
}

QString Banc::texte(const QString& nom)
{
    // As read: the no-break spaces that keep "15 h 45" whole are spaces.
    return w<QLabel>(nom)->text().replace(QChar(0xA0), u' ').replace(QChar(0x202F), u' ').remove(QChar(0x2060));
}

void Banc::pas(const QString& nom, int n)
{
    for (int i = 0; i < std::abs(n); ++i)
        n > 0 ? monter(w(nom)) : descendre(w(nom));
}

QWidget* Banc::viewport()
{
    return app->presentation()->viewport();
}

QPoint Banc::vue(QWidget* c, QPointF p)
{
    return app->presentation()->mapFromScene(c->mapTo(app->fenetre(), p));
}

void Banc::taperDoigt(const QString& nom, QPointF at)
{
    const QPoint p = vue(w(nom), at);
    QTest::touchEvent(viewport(), doigt).press(0, p);
    QTest::touchEvent(viewport(), doigt).release(0, p);
    QCoreApplication::processEvents();
}

void Banc::pasDoigt(const QString& nom, int n)
{
    const QSize t = w(nom)->size();
    for (int i = 0; i < std::abs(n); ++i)
        taperDoigt(nom, QPointF(t.width() / 2.0, n > 0 ? t.height() / 4.0 : t.height() * 3 / 4.0));
}

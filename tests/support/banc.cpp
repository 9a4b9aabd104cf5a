#include "banc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>


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
        f.write(scoreInitial.isNull() ? QByteArray::fromHex("02000100020000000200000000000000")
                                      : scoreInitial);
    app = std::make_unique<Klepsos>(clock, random, sons, affichage, datas);
}

Banc::~Banc() = default;

bool Banc::demarrer(Suite suite)
{
    QString erreur;
    const bool ok = app->demarrer(&erreur);
    if (!ok)
        qWarning("%s", qPrintable(erreur));
    else if (suite == ToutConstruire)
        app->terminerDemarrage();
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

void Banc::cliquer(QWidget* w)
{
    cliquer(w, w->rect().center());
}

void Banc::cliquer(QWidget* w, QPoint at)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

void Banc::monter(QWidget* spinner)
{
    cliquer(spinner, QPoint(spinner->width() / 2, spinner->height() / 4));
}

void Banc::descendre(QWidget* spinner)
{
    cliquer(spinner, QPoint(spinner->width() / 2, spinner->height() * 3 / 4));
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
        {"Space", Qt::Key_Space}, {"Esc", Qt::Key_Escape}};
    QVERIFY(QTest::qWaitForWindowActive(app->fenetre()));
    for (const QString& mot : touches.split(' ', Qt::SkipEmptyParts)) {
        const QStringList fois = mot.split('*');
        QVERIFY2(noms.contains(fois[0]), qPrintable(mot));
        for (int i = fois.size() > 1 ? fois[1].toInt() : 1; i > 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), noms[fois[0]]);
            QCoreApplication::processEvents();
        }
    }
}

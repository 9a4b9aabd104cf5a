#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "shell/datas.h"

namespace {

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray zero = QByteArray::fromHex("02000100020000000200000000000000");

}  // namespace

class TstEmplacements : public QObject {
    Q_OBJECT

    QTemporaryDir racine;
    QString bin, partage, utilisateur;

private slots:
    void init()
    {
        QVERIFY(racine.isValid());
        QDir(racine.path()).removeRecursively();
        QDir().mkpath(racine.path());
        bin = racine.filePath(QStringLiteral("usr/bin"));
        partage = racine.filePath(QStringLiteral("usr/share/klepsos/datas"));
        utilisateur = racine.filePath(QStringLiteral("home/.local/share/klepsos"));
        QDir().mkpath(bin);
        ecrire(partage + QStringLiteral("/23"), "image");
        ecrire(partage + QStringLiteral("/18"), zero);
    }

    void installe()
    {
        const Emplacements e = choisirEmplacements(bin, utilisateur);
        QCOMPARE(e.datas, partage);
        QCOMPARE(e.score, utilisateur + QStringLiteral("/18"));
        // First run: the delivered zero score, in a file the child can write.
        QCOMPARE(lire(e.score), zero);
        QVERIFY(QFileInfo(e.score).isWritable());

        // Later runs keep the child's score.
        const QByteArray joue = QByteArray::fromHex("02000100020007000200040003000000");
        ecrire(e.score, joue);
        QCOMPARE(choisirEmplacements(bin, utilisateur).score, e.score);
        QCOMPARE(lire(e.score), joue);
        QCOMPARE(lire(partage + QStringLiteral("/18")), zero);
    }

    void datasAcoteGagne()
    {
        // A data folder beside the program (build tree, portable copy) wins,
        // and keeps its score inside.
        ecrire(bin + QStringLiteral("/datas/23"), "image");
        const Emplacements e = choisirEmplacements(bin, utilisateur);
        QCOMPARE(e.datas, bin + QStringLiteral("/datas"));
        QCOMPARE(e.score, bin + QStringLiteral("/datas/18"));
        QVERIFY(!QFileInfo::exists(utilisateur));
    }

    void rienDInstalle()
    {
        QDir(partage).removeRecursively();
        const Emplacements e = choisirEmplacements(bin, utilisateur);
        // Nothing anywhere: start-up will name the missing picture beside
        // the program.
        QCOMPARE(e.datas, bin + QStringLiteral("/datas"));
    }
};

QTEST_APPLESS_MAIN(TstEmplacements)
#include "tst_emplacements.moc"

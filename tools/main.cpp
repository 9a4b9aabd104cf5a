// Writes every picture, sound and the starting score file into the program's datas folder.
// Run at build time: klepsos_gendatas <datas folder>

#include "pictures.h"
#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "klepsos_gendatas: cannot write " << file.fileName() << '\n';
        return false;
    }
    return true;
}

bool writePicture(const QDir &dir, const QString &name, const QImage &image)
{
    // No extension: the program finds the format from the content.
    if (!image.save(dir.filePath(name), "PNG")) {
        QTextStream(stderr) << "klepsos_gendatas: cannot write " << dir.filePath(name) << '\n';
        return false;
    }
    return true;
}

// The delivered score: marker 1, no exercise, no right answer (16-bit typed values), no wrong answer.
QByteArray emptyScore()
{
    static const char bytes[16] = {2, 0, 1, 0, 2, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    return QByteArray(bytes, sizeof bytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // text drawing needs the font database
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: klepsos_gendatas <datas folder>\n";
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "klepsos_gendatas: cannot create " << args.at(1) << '\n';
        return 1;
    }

    bool ok = writePicture(dir, QStringLiteral("21"), gen::tipsScreen())
        && writePicture(dir, QStringLiteral("22"), gen::aboutScreen())
        && writePicture(dir, QStringLiteral("23"), gen::startScreen())
        && writePicture(dir, QStringLiteral("25"), gen::exercisesScreen())
        && writePicture(dir, QStringLiteral("26"), gen::lessonScreen())
        && writePicture(dir, QStringLiteral("28"), gen::dateGamesScreen())
        && writePicture(dir, QStringLiteral("anim"), gen::pictureSheet());
    for (const gen::NamedSound &sound : gen::programSounds())
        ok = ok && writeFile(dir, sound.name, gen::wavBytes(sound.signal, gen::kSampleRate));
    ok = ok && writeFile(dir, QStringLiteral("18"), emptyScore());
    return ok ? 0 : 1;
}

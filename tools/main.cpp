// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every picture, sound and the starting score file into the program's datas folder.
// Run at build time: klepsos_gendatas <datas folder>

#include "calendarpictures.h"
#include "daypictures.h"
#include "icon.h"
#include "pictures.h"
#include "playerpictures.h"
#include "sounds.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <algorithm>

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

// Sharper copies of every picture for scaled screens: "21@2x" is "21" drawn at twice its size. The
// program reads the smallest copy at least as large as it needs, and one that fits exactly is read
// fastest: 2.25, 2.5 and 4.5 are full screen at 1080, 1200 and 2160 pixels high, 1.8 and 3.6 the
// window opened on demand at 1080 and 2160; five times covers anything up to 2400.
constexpr qreal kVariantFactors[] = {1.8, 2, 2.25, 2.5, 3, 3.6, 4, 4.5, 5};

// Writes the plain picture, then its variants, each naming the checksum of the plain file's bytes so
// that the program ignores them once the plain file is replaced.
// A variant without its fully transparent right and bottom margins: the
// program reads parts of a sheet by their place from the top-left corner,
// and decodes a whole file for any part of it, so the empty rest of a sheet
// would cost the start-up its time and memory for nothing.
QImage withoutEmptyMargins(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int right = 0, bottom = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                right = std::max(right, x + 1);
                bottom = y + 1;
            }
    }
    return right == 0 ? image : image.copy(0, 0, right, bottom);
}

bool writePictures(const QDir &dir, const QString &name, QImage (*draw)(qreal))
{
    if (!writePicture(dir, name, draw(1)))
        return false;
    QFile plain(dir.filePath(name));
    if (!plain.open(QIODevice::ReadOnly))
        return false;
    const QString sum = QString::fromLatin1(QCryptographicHash::hash(plain.readAll(), QCryptographicHash::Md5).toHex());
    for (qreal factor : kVariantFactors) {
        QImage variant = withoutEmptyMargins(draw(factor));
        variant.setText(QStringLiteral("Origine"), sum);
        if (!writePicture(dir, QStringLiteral("%1@%2x").arg(name).arg(factor), variant))
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

    bool ok = writePictures(dir, QStringLiteral("21"), gen::tipsScreen)
        && writePictures(dir, QStringLiteral("22"), gen::aboutScreen)
        && writePictures(dir, QStringLiteral("23"), gen::startScreen)
        && writePictures(dir, QStringLiteral("25"), gen::exercisesScreen)
        && writePictures(dir, QStringLiteral("26"), gen::lessonScreen)
        && writePictures(dir, QStringLiteral("28"), gen::dateGamesScreen)
        && writePictures(dir, QStringLiteral("aiguilles"), gen::settingClockScreen)
        && writePictures(dir, QStringLiteral("anim"), gen::pictureSheet)
        && writePictures(dir, QStringLiteral("quijoue"), gen::playersScreen)
        && writePictures(dir, QStringLiteral("progres"), gen::progressScreen)
        && writePictures(dir, QStringLiteral("mesprogres"), gen::progressDrawing)
        && writePictures(dir, QStringLiteral("entrainement"), gen::trainingScreen)
        && writePictures(dir, QStringLiteral("monentrainement"), gen::trainingDrawing)
        && writePictures(dir, QStringLiteral("journee"), gen::dayScreen)
        && writePictures(dir, QStringLiteral("calendrier"), gen::calendarScreen)
        && writePictures(dir, QStringLiteral("moments"), gen::momentsSheet)
        && writePictures(dir, QStringLiteral("ecouter"), gen::speakerDrawing);
    for (int size : gen::kWindowIconSizes)
        ok = ok && writePicture(dir, QStringLiteral("icone-%1").arg(size), gen::appIcon(size));
    for (const gen::NamedSound &sound : gen::programSounds())
        ok = ok && writeFile(dir, sound.name, gen::wavBytes(sound.signal, gen::kSampleRate));
    ok = ok && writeFile(dir, QStringLiteral("18"), emptyScore());
    return ok ? 0 : 1;
}

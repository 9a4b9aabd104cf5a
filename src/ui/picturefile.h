// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

// A picture file and its sharper variants beside it: "name@2x",
// "name@2.25x"... drawn at that many times the plain file's size. A variant counts only if
// it names the checksum of the plain file as it is now, so a replaced plain
// picture is shown as it is rather than an old variant of another one.
class PictureFile {
public:
    // The text key of a variant that holds the plain file's checksum.
    static constexpr const char* OriginKey = "Origine";

    PictureFile() = default;
    explicit PictureFile(const QString& path);

    bool isNull() const { return path_.isEmpty(); }
    const QString& path() const { return path_; }

    // The part of the picture (in pixels of the plain file) for `scale`
    // device pixels per pixel: from the smallest variant at least that
    // large (or the largest there is), decoded at the size it covers, with
    // its device pixel ratio set so that it still covers part.size().
    QPixmap read(qreal scale, const QRect& part) const;
    // The whole picture, the same way.
    QPixmap read(qreal scale) const;

    // Checksum of a plain file's bytes as a variant names it.
    static QByteArray checksum(const QByteArray& bytes);

private:
    struct Variant {
        QString path;
        qreal factor;
    };
    const QList<Variant>& variants() const;

    QString path_;
    // Found once, on the first read, and shared by copies.
    std::shared_ptr<std::optional<QList<Variant>>> variants_;
};

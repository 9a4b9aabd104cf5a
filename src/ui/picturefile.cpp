// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {

// Scales closer than this are the same: a variant that fits is read as it is.
constexpr qreal sameScale = 1e-6;

QSize covering(const QSize& size, qreal scale)
{
    return QSize(int(std::ceil(size.width() * scale - sameScale)), int(std::ceil(size.height() * scale - sameScale)));
}

}  // namespace

PictureFile::PictureFile(const QString& path)
    : path_(path), variants_(std::make_shared<std::optional<QList<Variant>>>())
{
}

QByteArray PictureFile::checksum(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

const QList<PictureFile::Variant>& PictureFile::variants() const
{
    std::optional<QList<Variant>>& found = *variants_;
    if (found)
        return *found;
    found.emplace();
    QFile plain(path_);
    if (!plain.open(QIODevice::ReadOnly))
        return *found;
    const QByteArray sum = checksum(plain.readAll());
    const QFileInfo info(path_);
    const QString prefix = info.fileName() + QLatin1Char('@');
    for (const QString& name : info.dir().entryList({prefix + QStringLiteral("*x")}, QDir::Files)) {
        bool ok = false;
        const qreal factor = name.mid(prefix.size(), name.size() - prefix.size() - 1).toDouble(&ok);
        const QString path = info.dir().filePath(name);
        // Only the header is read here.
        if (ok && factor > 1 && QImageReader(path).text(QString::fromLatin1(OriginKey)).toLatin1() == sum)
            found->append({path, factor});
    }
    std::sort(found->begin(), found->end(), [](const Variant& a, const Variant& b) { return a.factor < b.factor; });
    return *found;
}

QPixmap PictureFile::read(qreal scale) const
{
    const QSize size = QImageReader(path_).size();
    return read(scale, QRect(QPoint(0, 0), size));
}

QPixmap PictureFile::read(qreal scale, const QRect& part) const
{
    if (isNull() || part.isEmpty())
        return QPixmap();
    // The plain file unless a variant is needed, then the smallest one large
    // enough, or else the largest there is.
    QString path = path_;
    qreal factor = 1;
    if (scale > 1) {
        for (const Variant& v : variants()) {
            path = v.path;
            factor = v.factor;
            if (v.factor >= scale - sameScale)
                break;
        }
    }
    QImageReader reader(path);
    const QRect clip = QRectF(QPointF(part.topLeft()) * factor, QSizeF(part.size()) * factor).toAlignedRect();
    const QSize shown = factor > scale + sameScale ? covering(part.size(), scale) : clip.size();
    QImage image;
    if (clip.topLeft().isNull() && clip.size() == reader.size()) {
        // A whole picture is decoded straight at the size it is shown.
        if (shown != clip.size())
            reader.setScaledSize(shown);
        image = reader.read();
    } else {
        reader.setClipRect(clip);
        image = reader.read();
        if (!image.isNull() && shown != image.size())
            image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.isNull())
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(qreal(pixmap.width()) / part.width());
    return pixmap;
}

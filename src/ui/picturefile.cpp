#include "picturefile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>

namespace {

// The largest variant looked for.
constexpr int LargestFactor = 8;

QSize covering(const QSize& size, qreal scale)
{
    return QSize(int(std::ceil(size.width() * scale - 1e-6)), int(std::ceil(size.height() * scale - 1e-6)));
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
    for (int factor = 2; factor <= LargestFactor; ++factor) {
        const QString path = QStringLiteral("%1@%2x").arg(path_).arg(factor);
        if (!QFileInfo::exists(path))
            continue;
        // Only the header is read here.
        QImageReader variant(path);
        if (variant.text(QString::fromLatin1(OriginKey)).toLatin1() == sum)
            found->append({path, factor});
    }
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
    int factor = 1;
    if (scale > 1) {
        for (const Variant& v : variants()) {
            path = v.path;
            factor = v.factor;
            if (v.factor >= scale)
                break;
        }
    }
    QImageReader reader(path);
    const QRect clip(part.topLeft() * factor, part.size() * factor);
    const QSize shown = factor > scale ? covering(part.size(), scale) : clip.size();
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

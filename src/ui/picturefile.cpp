// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <cmath>

#include "dossier.h"

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
    for (const QString& name : nomsEntre(info.dir(), prefix, u"x", QDir::Files)) {
        bool ok = false;
        const qreal factor = name.mid(prefix.size(), name.size() - prefix.size() - 1).toDouble(&ok);
        const QString path = info.dir().filePath(name);
        // Only the header is read here.
        if (!ok || factor <= 1)
            continue;
        QImageReader reader(path);
        knowFormat(reader, path);
        if (reader.text(QString::fromLatin1(OriginKey)).toLatin1() == sum)
            found->append({path, factor});
    }
    std::sort(found->begin(), found->end(), [](const Variant& a, const Variant& b) { return a.factor < b.factor; });
    return *found;
}

QSize PictureFile::size() const
{
    QImageReader reader(path_);
    knowFormat(reader, path_);
    return reader.size();
}

void PictureFile::knowFormat(QImageReader& reader, const QString& path)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n");
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.read(signature.size()) == signature) {
        reader.setFormat("png");
        reader.setAutoDetectImageFormat(false);
    }
}

QPixmap PictureFile::read(qreal scale) const
{
    return read(scale, QRect(QPoint(0, 0), size()));
}

QList<PictureFile::Plan> PictureFile::plans(qreal scale, const QRect& part) const
{
    // The plain file unless a variant is needed, then the smallest one large
    // enough, or else the largest there is; should it not decode, each
    // smaller one in turn, and last the plain file, enlarged.
    QList<Variant> chain;
    if (scale > 1) {
        for (const Variant& v : variants()) {
            chain.prepend(v);
            if (v.factor >= scale - sameScale)
                break;
        }
    }
    chain.append({path_, 1});
    QList<Plan> found;
    for (const Variant& v : chain) {
        const QRect clip = QRectF(QPointF(part.topLeft()) * v.factor, QSizeF(part.size()) * v.factor).toAlignedRect();
        found.append({v.path, clip, v.factor > scale + sameScale ? covering(part.size(), scale) : clip.size()});
    }
    return found;
}

QImage PictureFile::decodeFirst(const QList<Plan>& plans)
{
    for (const Plan& p : plans) {
        QImage image = decode(p);
        if (!image.isNull())
            return image;
    }
    return QImage();
}

QImage PictureFile::decode(const Plan& p)
{
    QImageReader reader(p.path);
    knowFormat(reader, p.path);
    // A whole picture is read whole, then scaled: the reader's own scaling
    // of a PNG takes three times as long, and a stand-in is on the first
    // frame's way.
    if (!p.clip.topLeft().isNull() || p.clip.size() != reader.size())
        reader.setClipRect(p.clip);
    QImage image = reader.read();
    if (!image.isNull() && p.shown != image.size())
        image = image.scaled(p.shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

std::vector<PictureFile::Ahead>& PictureFile::ahead()
{
    static std::vector<Ahead> pending;
    return pending;
}

void PictureFile::abandonAhead()
{
    // Each worker stops after the part it is decoding; clearing the list
    // waits for them, while what they use is still there.
    for (const Ahead& a : ahead())
        a.stop->store(true);
    firstFrameShown();
    ahead().clear();
}

void PictureFile::decodeAhead(const QList<Part>& parts, qreal scale, const QList<Part>& standIns)
{
    // Whatever way the run ends, no decoding thread outlives the
    // application it reads pictures with.
    static const bool cleanup = [] {
        qAddPostRoutine(&PictureFile::abandonAhead);
        return true;
    }();
    Q_UNUSED(cleanup);
    auto worker = std::make_shared<std::future<void>>();
    auto stop = std::make_shared<std::atomic_bool>(false);
    struct Job {
        Part part;
        qreal scale;
        std::promise<Decoded> promise;
        bool afterFirstFrame;
    };
    std::vector<Job> work;
    // A sharp part whose stand-in is in the list waits for the first frame.
    const auto add = [&](const QList<Part>& list, qreal at, bool sharp) {
        for (const auto& [file, part] : list) {
            if (file.isNull() || part.isEmpty())
                continue;
            std::promise<Decoded> promise;
            ahead().push_back({file.path_, part, at, promise.get_future(), worker, stop});
            const bool hasStandIn = sharp && std::any_of(standIns.begin(), standIns.end(), [&](const Part& s) {
                return s.first.path_ == file.path_ && s.second == part;
            });
            // A copy of its own: the variants found by the thread are not the
            // shared ones of the main thread's copies.
            work.push_back({Part{PictureFile(file.path_), part}, at, std::move(promise), hasStandIn});
        }
    };
    add(standIns, standInScale, false);
    add(parts, scale, true);
    if (!work.empty()) {
        if (!standIns.isEmpty())
            firstFrame().reset();
        *worker = std::async(std::launch::async, [work = std::move(work), stop]() mutable {
            for (auto& [job, scale, promise, afterFirstFrame] : work) {
                const auto& [file, part] = job;
                if (afterFirstFrame)
                    firstFrame().wait(std::chrono::milliseconds(firstFrameWaitMs));
                // A failure (out of memory) goes to whoever reads the part.
                try {
                    if (stop->load())
                        throw std::runtime_error("abandoned");
                    QImage image = decodeFirst(file.plans(scale, part));
                    promise.set_value({std::move(image), *file.variants_});
                } catch (...) {
                    promise.set_exception(std::current_exception());
                }
            }
        });
    }
}

PictureFile::Gate& PictureFile::firstFrame()
{
    static Gate gate;
    return gate;
}

void PictureFile::firstFrameShown()
{
    firstFrame().open();
}

void PictureFile::Gate::reset()
{
    const std::lock_guard lock(mutex_);
    open_ = false;
}

void PictureFile::Gate::open()
{
    {
        const std::lock_guard lock(mutex_);
        open_ = true;
    }
    opened_.notify_all();
}

void PictureFile::Gate::wait(std::chrono::milliseconds atMost)
{
    std::unique_lock lock(mutex_);
    opened_.wait_for(lock, atMost, [this] { return open_; });
}

bool PictureFile::decodingAhead(qreal scale, const QRect& part) const
{
    for (const Ahead& a : ahead())
        if (a.file == path_ && a.part == part && std::abs(a.scale - scale) < sameScale)
            return a.decoded.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    return false;
}

void PictureFile::whenDecoded(QObject* context, qreal scale, const QRect& part, const std::function<void()>& done) const
{
    // Looked at again every millisecond: the decoding thread knows nothing
    // of Qt's event loops, and the wait is a few tens of milliseconds.
    if (!decodingAhead(scale, part))
        return done();
    QTimer::singleShot(1, context, [file = *this, context, scale, part, done] {
        file.whenDecoded(context, scale, part, done);
    });
}

QPixmap PictureFile::read(qreal scale, const QRect& part) const
{
    if (isNull() || part.isEmpty())
        return QPixmap();
    std::vector<Ahead>& pending = ahead();
    const auto found = std::find_if(pending.begin(), pending.end(), [&](const Ahead& a) {
        return a.file == path_ && a.part == part && std::abs(a.scale - scale) < sameScale;
    });
    const bool standIn = std::abs(scale - standInScale) < sameScale;
    QImage image;
    try {
        if (found != pending.end()) {
            // A sharp part needed now: nothing waits for the first frame any
            // more (a stand-in needs no wait to be decoded).
            if (!standIn && found->decoded.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
                firstFrameShown();
            Decoded d = found->decoded.get();
            image = std::move(d.image);
            if (!*variants_ && d.variants)
                *variants_ = std::move(d.variants);
        } else {
            image = decodeFirst(plans(scale, part));
        }
    } catch (...) {
        // Out of memory or the like: the picture is not there, as with an
        // unreadable file.
        image = QImage();
    }
    // This part decoded ahead for a scale that did not come is let go too;
    // but not for the stand-in, read while the sharp one is on its way.
    std::erase_if(pending, [&](const Ahead& a) {
        return a.file == path_ && a.part == part && (!standIn || std::abs(a.scale - scale) < sameScale);
    });
    if (image.isNull()) {
        qWarning("%s", qPrintable(QStringLiteral("Klepsos : l'image %1 est illisible.").arg(QDir::toNativeSeparators(path_))));
        return QPixmap();
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(qreal(pixmap.width()) / part.width());
    return pixmap;
}

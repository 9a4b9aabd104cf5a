// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

class QImageReader;
class QObject;

// A picture file and its sharper variants beside it: "name@2x",
// "name@2.25x"... drawn at that many times the plain file's size (a sheet's
// variant may stop short of it where only transparent pixels would remain:
// what lies beyond reads as transparent). A variant counts only if
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

    // Starts decoding these parts of pictures for `scale`, one after the
    // other on a thread of their own, which also looks for the variants; the
    // first read of the same part of the same file at the same scale, by any
    // copy, then takes what was decoded, waiting for it if need be.
    using Part = std::pair<PictureFile, QRect>;
    // A part that fails to decode on that thread (out of memory) is read
    // as an unreadable one.
    // `standIns` are decoded first, at half their size (standInScale):
    // cheap pictures that a first frame shows while the sharp ones are
    // decoded, for a quarter of the memory. A part with a stand-in waits
    // for firstFrameShown() (or for a read that needs it, or at most
    // firstFrameWaitMs): on two cores its decoding would slow the very frame
    // that shows its stand-in.
    static constexpr qreal standInScale = 0.5;
    static constexpr int firstFrameWaitMs = 500;
    static void decodeAhead(const QList<Part>& parts, qreal scale, const QList<Part>& standIns = {});
    // The first frame is on screen: the parts that have a stand-in go on.
    static void firstFrameShown();
    // Whether that part for that scale is still being decoded ahead, so
    // that reading it now would wait.
    bool decodingAhead(qreal scale, const QRect& part) const;
    bool decodingAhead(qreal scale) const { return decodingAhead(scale, QRect(QPoint(0, 0), size())); }
    // Runs `done` in `context`'s thread once that part is decoded (at once if it is).
    void whenDecoded(QObject* context, qreal scale, const QRect& part, const std::function<void()>& done) const;

    // Stops the decoding threads after their current part and waits for
    // them. Runs by itself when the application object goes.
    static void abandonAhead();

    // The size of the plain file, from its header.
    QSize size() const;

    // Readies a reader of `path` to read a PNG without asking every image
    // plugin what the file is: Qt would, the files having no suffix, and
    // loading the plugins costs more than reading a header. Anything else
    // is still found from its content.
    static void knowFormat(QImageReader& reader, const QString& path);

    // Checksum of a plain file's bytes as a variant names it.
    static QByteArray checksum(const QByteArray& bytes);

private:
    struct Variant {
        QString path;
        qreal factor;
    };
    // What reading a part at a scale decodes: a rectangle of one file,
    // brought to the size shown.
    struct Plan {
        QString path;
        QRect clip;
        QSize shown;
    };
    // A part decoded ahead, with the variants if they were looked for on the
    // way (for a scale above 1), so that the main thread need not look again.
    struct Decoded {
        QImage image;
        std::optional<QList<Variant>> variants;
    };
    struct Ahead {
        QString file;
        QRect part;
        qreal scale;
        std::future<Decoded> decoded;
        // Ends the decoding thread (waiting for it) with its last part.
        std::shared_ptr<std::future<void>> worker;
        // Set to have that thread stop after its current part.
        std::shared_ptr<std::atomic_bool> stop;
    };
    // What is being decoded ahead, for the main thread only.
    static std::vector<Ahead>& ahead();
    // Where the parts with a stand-in wait for the first frame.
    class Gate {
    public:
        void reset();
        void open();
        void wait(std::chrono::milliseconds atMost);

    private:
        std::mutex mutex_;
        std::condition_variable opened_;
        bool open_ = false;
    };
    static Gate& firstFrame();
    const QList<Variant>& variants() const;
    // The ways to read a part for a scale, best first: the variant that
    // fits, each smaller one, the plain file.
    QList<Plan> plans(qreal scale, const QRect& part) const;
    static QImage decode(const Plan& plan);
    // The first of the plans that decodes; a null image when none does.
    static QImage decodeFirst(const QList<Plan>& plans);

    QString path_;
    // Found once, on the first read, and shared by copies.
    std::shared_ptr<std::optional<QList<Variant>>> variants_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// A probe that bench/run.sh loads into the program it measures (LD_PRELOAD),
// so that the real program runs as a user starts it, with its own options
// and nothing added to its code. It writes to the file named by
// KLEPSOS_SONDE one line "<step> <value>" per step reached:
//   application  the QApplication being built (µs since the epoch)
//   montre       a window first shown
//   expose       a window first exposed, that is mapped on the display,
//                followed by "largeur" and "hauteur", its size in pixels
//   peint        the first paint of the widget whose objectName is
//                KLEPSOS_SONDE_ECRAN (any widget when unset), done
//   cpu          the processor time used until then by all its threads
//                (µs, user and system): the work done, whatever ran beside
//   rss_peint    the peak resident memory (kB) at that first paint
//   rss          the peak resident memory (kB), 0.7 s after the window was
//                mapped
// and then ends the process at once: nothing is saved and no quitting runs.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// What the program may still load in the background after its first paint
// (sounds, screens) counts in its peak memory: measured this long after the
// window was mapped.
constexpr long long AttenteMemoireUs = 700000;

FILE* sortie = nullptr;

long long maintenantUs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

long long microsecondes(const timeval& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec;
}

void ecrire(const char* etape, long long valeur)
{
    std::fprintf(sortie, "%s %lld\n", etape, valeur);
    std::fflush(sortie);
}

class Sonde : public QObject {
public:
    explicit Sonde(QObject* parent) : QObject(parent)
    {
        if (const char* nom = std::getenv("KLEPSOS_SONDE_ECRAN"))
            ecran_ = QString::fromLocal8Bit(nom);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Show:
            if (!montre_ && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) {
                montre_ = true;
                ecrire("montre", maintenantUs());
            }
            break;
        case QEvent::Expose:
            if (!expose_ && o->isWindowType() && static_cast<QWindow*>(o)->isExposed()) {
                expose_ = true;
                exposeUs_ = maintenantUs();
                ecrire("expose", exposeUs_);
                const auto* w = static_cast<QWindow*>(o);
                const qreal dpr = w->devicePixelRatio();
                ecrire("largeur", qRound(w->width() * dpr));
                ecrire("hauteur", qRound(w->height() * dpr));
            }
            break;
        case QEvent::Paint:
            if (!peint_ && (ecran_.isEmpty() || o->objectName() == ecran_)) {
                peint_ = true;
                // Runs once this paint pass is done and flushed to the display.
                QTimer::singleShot(0, this, [] {
                    ecrire("peint", maintenantUs());
                    rusage u{};
                    getrusage(RUSAGE_SELF, &u);
                    ecrire("cpu", microsecondes(u.ru_utime) + microsecondes(u.ru_stime));
                    ecrire("rss_peint", u.ru_maxrss);
                });
                const long long reste = exposeUs_ + AttenteMemoireUs - maintenantUs();
                QTimer::singleShot(int(std::max(0LL, reste) / 1000), this, [] {
                    rusage u{};
                    getrusage(RUSAGE_SELF, &u);
                    ecrire("rss", u.ru_maxrss);
                    std::fclose(sortie);
                    _exit(0);
                });
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(o, e);
    }

private:
    QString ecran_;
    long long exposeUs_ = 0;
    bool montre_ = false;
    bool expose_ = false;
    bool peint_ = false;
};

void installer()
{
    ecrire("application", maintenantUs());
    QCoreApplication::instance()->installEventFilter(new Sonde(QCoreApplication::instance()));
}

// Runs when the library is loaded, before the program's main().
struct Chargement {
    Chargement()
    {
        const char* chemin = std::getenv("KLEPSOS_SONDE");
        if (!chemin || !(sortie = std::fopen(chemin, "w")))
            return;
        // Not in the programs this one starts (Speech Dispatcher, spawned by
        // the voice): each would empty the notes again.
        unsetenv("KLEPSOS_SONDE");
        unsetenv("LD_PRELOAD");
        qAddPreRoutine(installer);
    }
} chargement;

}  // namespace

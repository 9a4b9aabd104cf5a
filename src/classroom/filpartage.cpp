// SPDX-License-Identifier: GPL-3.0-or-later
#include "filpartage.h"

#include <QDeadlineTimer>
#include <chrono>

FilPartage::FilPartage(QObject* parent) : QObject(parent), ouvrier_(new QObject)
{
    ouvrier_->moveToThread(&fil_);
    fil_.setObjectName(QStringLiteral("klepsos-partage"));
    fil_.start(QThread::LowPriority);
}

FilPartage::~FilPartage()
{
    fil_.quit();
    fil_.wait();
    delete ouvrier_;
}

qint64 FilPartage::horloge()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint64 FilPartage::occupeDepuis() const
{
    const qint64 d = debut_;
    return d == libre ? libre : horloge() - d;
}

bool FilPartage::finir(int ms)
{
    fil_.quit();
    return fil_.wait(QDeadlineTimer(ms));
}

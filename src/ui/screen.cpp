// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "clickablelabel.h"
#include "focusring.h"
#include "keyboarduse.h"

#include "scaledview.h"

Screen::Screen(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void Screen::setBackground(const QPixmap& picture)
{
    background_ = picture;
    backgroundFile_ = PictureFile();
    update();
}

void Screen::setBackgroundFile(const PictureFile& file)
{
    background_ = QPixmap();
    backgroundFile_ = file;
    backgroundScale_ = 0;
    update();
}

QPixmap Screen::background(qreal scale) const
{
    // A smaller scale keeps the larger picture: it is only drawn smaller.
    scale = std::max<qreal>(scale, 1);
    if (!backgroundFile_.isNull() && scale > backgroundScale_) {
        background_ = backgroundFile_.read(scale);
        backgroundScale_ = scale;
    }
    return background_;
}

QPixmap Screen::backgroundNow(qreal scale)
{
    scale = std::max<qreal>(scale, 1);
    if (backgroundFile_.isNull() || scale <= 1 || scale <= backgroundScale_ || !backgroundFile_.decodingAhead(scale))
        return background(scale);
    // The sharp picture is still being decoded (the start-up's first
    // frame): the plain one, decoded before it, stands in, enlarged, until
    // it is there.
    if (background_.isNull()) {
        background_ = backgroundFile_.read(PictureFile::standInScale);
        const QRect tout(QPoint(0, 0), backgroundFile_.size());
        backgroundFile_.whenDecoded(this, scale, tout, [this] {
            update();
            emit sharpBackgroundReady();
        });
    }
    return background_;
}

void Screen::addLine(QLineF line, const QColor& color, qreal width)
{
    lines_.append({line, color, width});
    update();
}

void Screen::showScreen()
{
    show();
    raise();
    activation();
    // A window of its own (the about window) must take the keys; a screen
    // coming back over it gives them back to the main window.
    if (isWindow())
        activateWindow();
    else if (window()->isVisible() && !window()->isActiveWindow())
        window()->activateWindow();
    if (restoresFocus_ && KeyboardUse::active() && lastFocus_ && reachable(lastFocus_))
        lastFocus_->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Screen::takeFocus()
{
    const QWidget* f = window()->focusWidget();
    if (KeyboardUse::active() && f && order_.contains(f) && reachable(f))
        return;
    setFocus(Qt::OtherFocusReason);
}

QWidget* Screen::control(const QString& name) const
{
    auto* w = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (!w)
        qFatal("Screen %s has no control %s for the keyboard", qPrintable(objectName()),
               qPrintable(name));
    return w;
}

void Screen::setFocusOrder(const QList<QStringList>& groups)
{
    order_.clear();
    groupOf_.clear();
    for (int g = 0; g < groups.size(); ++g) {
        for (const QString& name : groups[g]) {
            // The labels and pictures keep no focus policy of their own
            // (setFocus does not ask for one): a label that can take the
            // focus costs more to lay out each time its caption changes.
            QWidget* c = control(name);
            // Watched for its own focus events: inside a graphics view the
            // application's focus widget stays the view, so the
            // application's focus signal never names the design's controls.
            c->installEventFilter(this);
            order_.append(c);
            groupOf_.append(g);
        }
    }
    for (QWidget* c : std::as_const(added_))
        insertNearest(c);
    if (!ring_)
        ring_ = new FocusRing(this);
}

void Screen::addToFocusOrder(QWidget* control)
{
    added_.append(control);
    control->installEventFilter(this);
    if (!order_.isEmpty())
        insertNearest(control);
}

void Screen::insertNearest(QWidget* control)
{
    const QPointF here = QRectF(control->geometry()).center();
    qsizetype nearest = -1;
    qreal best = 0;
    for (qsizetype i = 0; i < order_.size(); ++i) {
        if (added_.contains(order_[i]))
            continue;
        const QPointF d = QRectF(order_[i]->geometry()).center() - here;
        const qreal distance = QPointF::dotProduct(d, d);
        if (nearest < 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    if (nearest < 0) {
        order_.append(control);
        groupOf_.append(groupOf_.isEmpty() ? 0 : groupOf_.back() + 1);
        return;
    }
    order_.insert(nearest, control);
    groupOf_.insert(nearest, groupOf_[nearest]);
}

bool Screen::eventFilter(QObject* watched, QEvent* e)
{
    // Qt moves the focus off a hidden widget only when it is the
    // application's focus widget, never inside a graphics view: the screen
    // does it for its controls in both cases.
    if (e->type() == QEvent::Hide && window()->focusWidget() == watched && isVisible())
        holdFocusForGroup(int(order_.indexOf(static_cast<QWidget*>(watched))));
    else if (e->type() == QEvent::FocusIn)
        focusChanged(static_cast<QWidget*>(watched));
    else if (e->type() == QEvent::FocusOut && ring_->control() == watched)
        focusChanged(nullptr);
    return QWidget::eventFilter(watched, e);
}

void Screen::setEscapeControl(const char* name)
{
    escape_ = qobject_cast<ClickableLabel*>(control(QString::fromLatin1(name)));
}

void Screen::focusChanged(QWidget* now)
{
    QWidget* c = order_.contains(now) ? now : nullptr;
    if (c)
        lastFocus_ = c;
    if (ring_->control() == c)
        return;
    ring_->follow(c);
    emit controlFocused(c);
}

bool Screen::reachable(const QWidget* w) const
{
    return w->isVisibleTo(this) && w->isEnabled();
}

QWidget* Screen::neighbour(int i, bool next) const
{
    const int n = int(order_.size());
    for (int k = 1; k <= n; ++k) {
        const int j = i < 0 ? (next ? k - 1 : n - k) : ((i + (next ? k : -k)) % n + n) % n;
        if (reachable(order_[j]))
            return order_[j];
    }
    return nullptr;
}

bool Screen::focusNextPrevChild(bool next)
{
    if (order_.isEmpty() || !isVisible())
        return QWidget::focusNextPrevChild(next);
    QWidget* current = window()->focusWidget();
    const int i = int(order_.indexOf(current));
    if (i >= 0 && !reachable(current)) {
        holdFocusForGroup(i);
        return true;
    }
    if (QWidget* target = neighbour(i, next))
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::holdFocusForGroup(int i)
{
    // The control is being hidden or disabled by what it did (a "Continuer"
    // hiding itself): hold the focus on the screen until that is over, then
    // go to what its section shows by then.
    setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(0, this, [this, g = groupOf_[i]] { focusInGroup(g); });
}

void Screen::focusInGroup(int group)
{
    // Only if nothing else took the focus meanwhile.
    if (!isVisible() || window()->focusWidget() != this)
        return;
    int last = -1;
    for (int j = 0; j < order_.size(); ++j) {
        if (groupOf_[j] != group)
            continue;
        if (reachable(order_[j]))
            return order_[j]->setFocus(Qt::TabFocusReason);
        last = j;
    }
    if (QWidget* target = neighbour(last, true))
        target->setFocus(Qt::TabFocusReason);
}

void Screen::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && escape_) {
        e->accept();
        if (!e->isAutoRepeat())
            escape_->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Screen::paintEvent(QPaintEvent*)
{
    {
        QPainter p(this);
        const QPixmap fond = backgroundNow(deviceScale(p));
        if (fond.isNull()) {
            p.fillRect(rect(), palette().window());
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(QPointF(0, 0), fond);
        }
    }
    paintLines(this, lines_);
}

void Screen::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit pointerMoved();
}

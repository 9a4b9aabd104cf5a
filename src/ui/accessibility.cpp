// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "arrowspinner.h"
#include "clickablelabel.h"
#include "picturebox.h"
#include "screen.h"

namespace {

// What a mouse or the keys can reach.
bool cliquable(const QWidget* w)
{
    return w->isVisible() && w->isEnabled();
}

// A label or a picture that the program clicks on: a button while the
// keyboard can reach it, otherwise what it shows.
template <class W>
class AccessibleClickable final : public QAccessibleWidget {
public:
    AccessibleClickable(W* w, QAccessible::Role shown) : QAccessibleWidget(w, shown), shown_(shown) {}

    W* control() const { return static_cast<W*>(widget()); }
    bool pressable() const
    {
        const auto* screen = qobject_cast<const Screen*>(control()->parentWidget());
        return screen && screen->focusOrder().contains(control());
    }

    QAccessible::Role role() const override { return pressable() ? QAccessible::Button : shown_; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = s.focusable || pressable();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && control()->accessibleName().isEmpty())
            return caption(control());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        if (pressable())
            return {pressAction(), setFocusAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        // Pressed as a click can press it: never when hidden or disabled
        // (a screen under the about window, a "Continuer" not yet shown).
        if (action == pressAction() && pressable()) {
            if (cliquable(control()))
                control()->click();
        }
        else
            QAccessibleWidget::doAction(action);
    }

private:
    static QString caption(const ClickableLabel* l) { return l->text().simplified(); }
    static QString caption(const PictureBox*) { return {}; }

    QAccessible::Role shown_;
};

class AccessibleSpinner final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSpinner(ArrowSpinner* s) : QAccessibleWidget(s, QAccessible::SpinBox) {}

    ArrowSpinner* spinner() const { return static_cast<ArrowSpinner*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(spinner()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return spinner()->value(); }
    void setCurrentValue(const QVariant& v) override { spinner()->setValue(v.toInt()); }
    QVariant maximumValue() const override { return spinner()->maximum(); }
    QVariant minimumValue() const override { return spinner()->minimum(); }
    QVariant minimumStepSize() const override { return spinner()->singleStep(); }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if ((action == increaseAction() || action == decreaseAction()) && !cliquable(spinner()))
            return;
        if (action == increaseAction())
            spinner()->stepUp();
        else if (action == decreaseAction())
            spinner()->stepDown();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* o)
{
    if (className == QLatin1String("ClickableLabel"))
        return new AccessibleClickable<ClickableLabel>(static_cast<ClickableLabel*>(o),
                                                       QAccessible::StaticText);
    if (className == QLatin1String("PictureBox"))
        return new AccessibleClickable<PictureBox>(static_cast<PictureBox*>(o), QAccessible::Graphic);
    if (className == QLatin1String("ArrowSpinner"))
        return new AccessibleSpinner(static_cast<ArrowSpinner*>(o));
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace ortambra {

namespace {

constexpr const char* RoleProperty = "ortambraWindowRole";
constexpr const char* OwnDescription = "ortambraOwnDescription";

QAccessibleInterface* windowInterface(const QString& /*classname*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow())
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, role.toInt() == static_cast<int>(WindowRole::Dialog)
                                             ? QAccessible::Dialog
                                             : QAccessible::Window);
}

// Gives a control its own description back once the focus has left it, so that a later visit
// reads what the control is, not the last thing said.
class DescriptionKeeper : public QObject {
  public:
    explicit DescriptionKeeper(QWidget* control) : QObject(control) {
        setObjectName(QStringLiteral("ortambraDescriptionKeeper"));
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            auto* control = static_cast<QWidget*>(watched);
            const QVariant own = control->property(OwnDescription);
            if (own.isValid())
                control->setAccessibleDescription(own.toString());
        }
        return false;
    }
};

} // namespace

void exposeWindow(QWidget* window, WindowRole role) {
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    (void)installed;
    window->setProperty(RoleProperty, static_cast<int>(role));
}

void announce(QWidget* window, const QString& text) {
    QWidget* control = window->focusWidget();
    if (control == nullptr)
        control = window;
    if (!control->property(OwnDescription).isValid()) {
        control->setProperty(OwnDescription, control->accessibleDescription());
        new DescriptionKeeper(control); // owned by the control
    }
    // Orca speaks a new description only: the same feedback twice must still be said twice.
    control->setAccessibleDescription(QString());
    control->setAccessibleDescription(text);
}

} // namespace ortambra

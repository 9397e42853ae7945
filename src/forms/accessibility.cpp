#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace ortambra {

namespace {

constexpr const char* RoleProperty = "ortambraWindowRole";
constexpr const char* OwnDescription = "ortambraOwnDescription";

constexpr const char* AnnouncerName = "ortambraAnnouncer";

QAccessibleInterface* windowInterface(const QString& /*classname*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (widget->objectName() == QLatin1String(AnnouncerName))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (!widget->isWindow())
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

void activateFirstEntry(QMenu* menu) {
    if (menu != nullptr && menu->isVisible() && menu->activeAction() == nullptr &&
        !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().first());
}

class MenuSwitchFilter : public QObject {
  public:
    explicit MenuSwitchFilter(QMenuBar* bar) : QObject(bar), bar_(bar) {}

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Left || key == Qt::Key_Right) {
                // Once the menu bar has taken the key and opened the next menu.
                QTimer::singleShot(0, bar_, [bar = bar_] {
                    if (QAction* active = bar->activeAction())
                        activateFirstEntry(active->menu());
                });
            }
        }
        return false;
    }

  private:
    QMenuBar* bar_;
};

void installFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    (void)installed;
}


// Reports the open menu's entry as focused again.
void reportMenuFocus() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || menu->activeAction() == nullptr)
        return;
    QAccessibleEvent focus(menu, QAccessible::Focus);
    focus.setChild(static_cast<int>(menu->actions().indexOf(menu->activeAction())));
    QAccessible::updateAccessibility(&focus);
}

} // namespace

void exposeWindow(QWidget* window, WindowRole role) {
    installFactoryOnce();
    window->setProperty(RoleProperty, static_cast<int>(role));
}

void openMenusWithF10(QMenuBar* bar) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window()); // owned by the window
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        const QList<QAction*> menus = bar->actions();
        if (!menus.isEmpty()) {
            bar->setActiveAction(menus.first());
            activateFirstEntry(menus.first()->menu());
        }
    });
    // Left and Right open the next menu with no entry chosen, and a screen reader then says
    // nothing at all: choose its first entry, as F10 does.
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            menu->installEventFilter(new MenuSwitchFilter(bar));
    }
    // Switching menus closes one popup and opens the next; the window system then hands the
    // input focus back to the window, and Qt reports the window's focused control as focused
    // although the new menu is open, so the screen reader reads that control, not the entry.
    // The entry is reported again once that has happened.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, bar, [bar](QWindow* focus) {
        if (focus != nullptr && focus == bar->window()->windowHandle())
            QTimer::singleShot(0, bar, reportMenuFocus);
    });
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

    notifyScreenReader(window, text);
}

void notifyScreenReader(QWidget* window, const QString& text) {
    // Qt 6.4 sends a description's or a name's change with the object, not the text, and Orca
    // then says nothing. What Orca does speak at once is a notification that shows up: an
    // empty, unseen child of the window, named by the text.
    installFactoryOnce();
    auto* announcer = window->findChild<QWidget*>(QLatin1String(AnnouncerName),
                                                  Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) {
        announcer = new QWidget(window); // owned by the window
        announcer->setObjectName(QLatin1String(AnnouncerName));
        announcer->setGeometry(0, 0, 0, 0);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    announcer->hide();
    announcer->setAccessibleName(text);
    if (window->isVisible())
        announcer->show();
}

void labelForScreenReader(QComboBox* box) {
    auto* label = new QLabel(box->accessibleName(), box->parentWidget()); // owned by the window
    label->setObjectName(box->objectName() + QStringLiteral("_SpokenLabel"));
    label->setBuddy(box);
    label->hide();
}

} // namespace ortambra

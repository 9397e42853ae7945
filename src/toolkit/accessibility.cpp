#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace ortambra {

namespace {

constexpr const char* RoleProperty = "ortambraWindowRole";
constexpr const char* OwnDescription = "ortambraOwnDescription";

constexpr const char* AnnouncerName = "ortambraAnnouncer";
constexpr const char* SpokenName = "ortambraSpokenName";

// A menu bar entry read by a name of its own. Qt reads a menu entry by its caption and offers no
// other name, so the entry is described here as Qt's own would be, with that name.
class NamedMenuBarEntry : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    NamedMenuBarEntry(QMenuBar* bar, QAction* action) : bar_(bar), action_(action) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return !bar_.isNull() && !action_.isNull(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return bar_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QRect rect() const override {
        const QRect local = bar_->actionGeometry(action_);
        return {bar_->mapToGlobal(local.topLeft()), local.size()};
    }
    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name)
            return action_->property(SpokenName).toString();
        if (type == QAccessible::Accelerator)
            return QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !bar_->isVisible() || !action_->isVisible();
        state.focused = bar_->activeAction() == action_;
        state.disabled = !action_->isEnabled();
        return state;
    }

    QStringList actionNames() const override {
        return action_->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

  private:
    QPointer<QMenuBar> bar_;
    QPointer<QAction> action_;
};

QAccessible::Role accessibleRole(WindowRole role) {
    return role == WindowRole::Dialog ? QAccessible::Dialog : QAccessible::Window;
}

// The program's own accessible objects: windows with their roles, the notifier, named entries.
QAccessibleInterface* ownInterface(const QString& /*classname*/, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (!action->property(SpokenName).isValid())
            return nullptr;
        for (QObject* user : action->associatedObjects())
            if (auto* bar = qobject_cast<QMenuBar*>(user))
                return new NamedMenuBarEntry(bar, action);
        return nullptr;
    }
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
    return new QAccessibleWidget(widget, accessibleRole(role.value<WindowRole>()));
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
        QAccessible::installFactory(ownInterface);
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
    window->setProperty(RoleProperty, QVariant::fromValue(role));
    // Qt 6.8 builds and keeps a window's accessible object as soon as its caption is set, before
    // the role is known; that one goes, and the next look-up builds the window's own.
    QAccessibleInterface* built = QAccessible::queryAccessibleInterface(window);
    if (built != nullptr && built->role() != accessibleRole(role))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
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
    auto* announcer =
        window->findChild<QWidget*>(QLatin1String(AnnouncerName), Qt::FindDirectChildrenOnly);
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

void nameMenuBarEntry(QAction* entry, const QString& name) {
    installFactoryOnce();
    entry->setProperty(SpokenName, name);
}

void labelForScreenReader(QComboBox* box) {
    auto* label = new QLabel(box->accessibleName(), box->parentWidget()); // owned by the window
    label->setObjectName(box->objectName() + QStringLiteral("_SpokenLabel"));
    label->setBuddy(box);
    label->hide();
}

} // namespace ortambra

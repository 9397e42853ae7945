#include "hand_over.h"

#include "screen.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ortambra {

namespace {

constexpr const char* AwaitingReplacement = "ortambraAwaitingReplacement";

void hideNow(QWidget* leaving) {
    leaving->setProperty(AwaitingReplacement, false);
    leaving->hide();
}

} // namespace

void hideWhenReplaced(QWidget* leaving, bool waitForFocus, int boundMs) {
    if (!waitForFocus || !leaving->isActiveWindow()) {
        hideNow(leaving);
        return;
    }
    // A second request meanwhile (a second press of the same button) waits for the same focus.
    if (leaving->property(AwaitingReplacement).toBool())
        return;
    leaving->setProperty(AwaitingReplacement, true);
    // Owned by `leaving`: the watch ends with the window, or once it has hidden it.
    auto* watch = new QObject(leaving);
    const QPointer<QWidget> window(leaving);
    const auto done = [window, watch] {
        if (window && window->property(AwaitingReplacement).toBool())
            hideNow(window);
        watch->deleteLater();
    };
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, watch,
                     [window, done](QWindow* focused) {
                         if (focused && window && focused != window->windowHandle())
                             done();
                     });
    QTimer::singleShot(boundMs, watch, done);
}

void hideWhenReplaced(QWidget* leaving) {
    hideWhenReplaced(leaving, isWayland(QGuiApplication::platformName()));
}

} // namespace ortambra

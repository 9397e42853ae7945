#include "sfondo.h"

#include "layouts/background_layout.h"
#include "layouts/design.h"
#include "toolkit/accessibility.h"
#include "toolkit/controls.h"
#include "toolkit/platform.h"
#include "toolkit/screen.h"
#include "toolkit/window_fit.h"
#include "window_set.h"

#include <QCloseEvent>
#include <QGuiApplication>

namespace ortambra {

Sfondo::Sfondo(const ScreenSize& screen, MessageBoxes& messages, WindowSet& standard,
               WindowSet& compact, bool fill)
    : screen_(screen), messages_(messages), standard_(standard), compact_(compact), fill_(fill) {
    applyWindowSpec(this, this, backgroundWindowSpec());
    fitToScreen(this, screen);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Sfondo::focusChanged);
    exposeWindow(this, WindowRole::Window);
}

WindowSet& Sfondo::chosenSet() const {
    // Recomputed from the stored size each time: the chosen set is kept nowhere else.
    return isCompactScreen(Larghezza, Altezza) ? compact_ : standard_;
}

void Sfondo::Form_Load() {
    const QSize size = screen_.primary();
    Larghezza = size.width();
    Altezza = size.height();
    // Either button goes on with the game.
    messages_.show(nullptr, QStringLiteral(" Schermo attuale"),
                   QStringLiteral("La definizione dello schermo attuale e' ") +
                       QString::number(Larghezza) + QStringLiteral(" X ") +
                       QString::number(Altezza),
                   MessageBoxes::Buttons::OkCancel);
    if (fill_)
        fillScreen(this, screen_); // the message box has shown the window manager's frame
    show();
    // A small backdrop at its design place, not a maximized one, so the pupil can click it.
    setWindowState(Qt::WindowNoState);
    loaded_ = true;
    chosenSet().showRegistration();
}

void Sfondo::Form_GotFocus() { chosenSet().showRegistration(); }

void Sfondo::focusChanged(QWindow* now) {
    const QPointer<QWindow> before = lastFocus_;
    // Before the load is over no set has been chosen yet. The focus that falls here because the
    // window that had it went away is no click of the pupil's: a registration window closed
    // from its title bar stays closed.
    if (!now)
        return; // the program lost the focus; where it comes back from still counts
    lastFocus_ = now;
    if (now == windowHandle() && loaded_ && !(before && !before->isVisible()))
        Form_GotFocus();
}

void Sfondo::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    // A click on a backdrop that has the focus already changes no focus, and still asks.
    if (loaded_)
        Form_GotFocus();
}

void Sfondo::closeEvent(QCloseEvent* event) {
    // Before the game closing the backdrop is leaving; afterwards it only goes out of the way.
    event->accept();
    if (!chosenSet().gameStarted())
        chosenSet().endProgram();
}

} // namespace ortambra

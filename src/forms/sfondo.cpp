#include "sfondo.h"

#include "accessibility.h"
#include "background_layout.h"
#include "platform.h"
#include "screen_size.h"
#include "window_set.h"

#include <QEvent>

namespace ortambra {

Sfondo::Sfondo(const ScreenSize& screen, MessageBoxes& messages, WindowSet& standard,
               WindowSet& compact)
    : screen_(screen), messages_(messages), standard_(standard), compact_(compact) {
    applyWindowSpec(this, this, backgroundWindowSpec());
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
    show();
    // A small backdrop at its design place, not a maximized one, so the pupil can click it.
    setWindowState(Qt::WindowNoState);
    loaded_ = true;
    chosenSet().showRegistration();
}

void Sfondo::Form_GotFocus() {
    chosenSet().showRegistration();
}

void Sfondo::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Before the load is over no set has been chosen yet.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && loaded_)
        Form_GotFocus();
}

} // namespace ortambra

#include "enter_key.h"

#include <QKeyEvent>

namespace ortambra {

std::optional<int> keyPressCode(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter ? EnterKey : 0;
}

} // namespace ortambra

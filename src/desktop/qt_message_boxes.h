#pragma once

#include "toolkit/platform.h"

namespace ortambra {

// QMessageBox, captioned and placed as the game's windows are.
class QtMessageBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget* parent, const QString& title, const QString& text,
                Buttons buttons) override;
};

} // namespace ortambra

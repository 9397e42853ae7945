#pragma once

#include <QPushButton>

namespace ortambra {

// A push button whose caption wraps onto a second line when it is wider than the button, as
// form buttons do: "Clicca per Non Facile" must stay readable on a narrow button.
class CaptionButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ortambra

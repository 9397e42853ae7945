#pragma once

#include "layouts/design.h"

#include <QWidget>

class QPushButton;

namespace ortambra {

class WindowSet;

// The rules of the game, opened from the main window's menu and closed with its one button.
class Frm_Istruzioni : public QWidget {
    Q_OBJECT

  public:
    Frm_Istruzioni(LayoutSet set, WindowSet& windows);

    LayoutSet layoutSet() const { return set_; }

    void Cmd_Conferma_Click();

  private:
    LayoutSet set_;
    WindowSet& windows_;

    // The layout's controls, filled as the window is built.
    struct Controls {
        QPushButton* Cmd_Conferma = nullptr;
    } ui;
};

} // namespace ortambra

#pragma once

#include "layout.h"

#include <QWidget>

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
};

} // namespace ortambra

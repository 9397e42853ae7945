#pragma once

#include "engine/shared_values.h"
#include "layouts/design.h"
#include "layouts/instructions_layout.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ortambra {

class WindowSet;

// The registration window: the pupil's name and class, and the rules of the game on request.
class Frm_Nome : public QWidget {
    Q_OBJECT

  public:
    Frm_Nome(LayoutSet set, WindowSet& windows, SharedValues& shared);

    LayoutSet layoutSet() const { return set_; }
    bool istruzioniVisibili() const { return Istruzioni_Visibili; }

    // Handlers, one per user event.
    void Txt_Nome_KeyPress(int key);
    void Txt_Classe_KeyPress(int key);
    void Cmd_Conferma_Click();
    void Cmd_Istruzioni_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    LayoutSet set_;
    WindowSet& windows_;
    SharedValues& shared_;
    bool Istruzioni_Visibili = false;

    // The layout's controls, filled as the window is built.
    struct Controls {
        QLabel* Lbl_Nome = nullptr;
        QLabel* Lbl_Classe = nullptr;
        QLineEdit* Txt_Nome = nullptr;
        QLineEdit* Txt_Classe = nullptr;
        QPushButton* Cmd_Conferma = nullptr;
        QPushButton* Cmd_Istruzioni = nullptr;
        std::array<QLabel*, InstructionLineCount> Lbl_Istruzioni{};
    } ui;
};

} // namespace ortambra

#pragma once

#include "engine/calculation.h"
#include "engine/shared_values.h"
#include "layouts/design.h"
#include "toolkit/platform.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ortambra {

// The pupil's two-operand calculator. Its last result waits in SharedValues::Risultato until the
// main window's answer box takes it; nothing here touches the game's counters.
class Calcolatore : public QWidget {
    Q_OBJECT

  public:
    Calcolatore(LayoutSet set, Platform& platform, SharedValues& shared);

    // A long result is drawn smaller, but never below this size.
    static constexpr double ResultMinimumPoints = 8.0;

    // The chosen operation; none while the combo's text is no list entry.
    std::optional<CalculatorOperation> operazione() const { return Operazione; }

    // Handlers, one per user event.
    void Combo1_Click();
    void Combo1_Change();
    void Text2_KeyPress(int key);
    void Text3_KeyPress(int key);
    void Cmd_Uguale_Click();
    void Cmd_Ricalcola_Click();
    void Cmd_Esci_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void clearForNewCalculation();
    void showResult(double value);
    int listIndex() const;

    Platform& platform_;
    SharedValues& shared_;
    std::optional<CalculatorOperation> Operazione = CalculatorOperation::Per;
    double shownValue_ = 0.0; // what Label8 shows, 0 while it is empty

    // The layout's controls, filled as the window is built.
    struct Controls {
        QLineEdit* Text2 = nullptr;
        QLineEdit* Text3 = nullptr;
        QComboBox* Combo1 = nullptr;
        QPushButton* Cmd_Uguale = nullptr;
        QPushButton* Cmd_Ricalcola = nullptr;
        QPushButton* Cmd_Esci = nullptr;
        QLabel* Label8 = nullptr;
        QLabel* Lbl_Calcolatrice = nullptr;
    } ui;
};

} // namespace ortambra

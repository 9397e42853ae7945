#pragma once

#include "engine/game_state.h"
#include "engine/presets.h"
#include "engine/shared_values.h"
#include "layouts/design.h"
#include "layouts/main_layout.h"
#include "toolkit/platform.h"

#include <QMainWindow>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace ortambra {

class WindowSet;

// The main window: the series on screen, the settings menus, answer checking and assistance.
// It owns the whole state of the game for the run.
class Zorvano : public QMainWindow {
    Q_OBJECT

  public:
    Zorvano(LayoutSet set, WindowSet& windows, Platform& platform, SharedValues& shared,
            const Presets& presets = {});

    const GameState& state() const { return state_; }
    LayoutSet layoutSet() const { return set_; }

    // Handlers, one per user event.
    void Cmd_Via_Click();
    void Txt_Numero_KeyPress(int index, int key);
    void Txt_Numero_Click(int index);
    void Cmd_Facile_Click();
    void Cmd_Help_Click();
    void Cmd_Soluzione_Click();
    void Cmd_Risultati_Click();
    void Cmd_Stampa_Click();
    void Cmd_Calcolatore_Click();
    void Cmd_Esci_Click();
    void Info_Click();
    void Mnu_Istruzioni_Click();
    void difficol_Click(Mode mode);
    void compless_Click(int largest);

  protected:
    void closeEvent(QCloseEvent* event) override; // Form_Unload
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString spokenExercise() const;
    QString spokenFeedback() const;
    QString spokenSteps() const;
    void Form_Load();
    void applyPresets(const Presets& presets);
    void buildMenus();
    void showSeries(const Series& series);
    void enableNextExercise();
    void resetNumberFonts();
    void refreshResultsList();
    QLineEdit* answerBox() const;
    QLabel* hiddenLabel() const;

    LayoutSet set_;
    WindowSet& windows_;
    Platform& platform_;
    SharedValues& shared_;
    GameState state_;
    bool settingsLocked_ = false;
    struct {
        QMenu* difficol = nullptr;
        QMenu* compless = nullptr;
    } settingsMenus_;

    // The layout's controls, filled as the window is built.
    struct Controls {
        std::array<QLabel*, SeriesLength> Lbl_Numero{};
        std::array<QLineEdit*, SeriesLength> Txt_Numero{};
        std::array<QLabel*, SeriesLength> Lbl_Operatore{};
        std::array<QLabel*, SeriesLength> Lbl_Suggeri{};
        QLabel* Lbl_01 = nullptr;
        QLabel* Lbl_Titolo = nullptr;
        QLabel* Lbl_Esercizio = nullptr;
        QLabel* Lbl_Risultati = nullptr;
        QLabel* Lbl_Difficoltà = nullptr;
        QLabel* Lbl_Complessità = nullptr;
        QLabel* Lbl_Per_Iniziare = nullptr;
        QListWidget* List1 = nullptr;
        QPushButton* Cmd_Via = nullptr;
        QPushButton* Cmd_Facile = nullptr;
        QPushButton* Cmd_Help = nullptr;
        QPushButton* Cmd_Soluzione = nullptr;
        QPushButton* Cmd_Risultati = nullptr;
        QPushButton* Cmd_Stampa = nullptr;
        QPushButton* Cmd_Calcolatore = nullptr;
        QPushButton* Cmd_Esci = nullptr;
    } ui;
};

} // namespace ortambra

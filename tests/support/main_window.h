#pragma once

#include "engine/shared_values.h"
#include "fakes.h"
#include "program/layout_windows.h"
#include "windows/window_set.h"
#include "windows/zorvano.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ortambra::testing {

// Counts what the main window asks of the other windows of its set.
struct RecordingWindows final : WindowSet {
    void showRegistration() override { ++registration; }
    void showMain() override { ++main; }
    void showInstructions() override { ++instructions; }
    void showCalculator() override { ++calculator; }
    bool gameStarted() const override { return started; }
    void endProgram() override { ++ends; }
    int registration = 0, main = 0, instructions = 0, calculator = 0, ends = 0;
    bool started = true;
};

// The windows of one layout set on a test platform, each made on first use as the program
// makes it.
struct LayoutGame {
    explicit LayoutGame(LayoutSet set, const Presets& presets = {})
        : windows(set, test.platform, shared, presets) {}
    TestPlatform test;
    SharedValues shared;
    LayoutWindows windows;
};

// Makes `window` the active window, as the window system does when the pupil clicks it, and
// waits until Qt has taken note; false when it did not become active.
bool activate(QWidget& window);

// The back colour a control shows, whichever kind it is.
QColor backColour(const QWidget* widget);
QColor foreColour(const QWidget* widget);

// A main window on a test platform, shown and active, with the pupil's ways of using it.
class MainWindowRig {
  public:
    explicit MainWindowRig(LayoutSet set = LayoutSet::Standard, unsigned seed = 1,
                           const Presets& presets = {});

    TestPlatform platform;
    SharedValues shared;
    RecordingWindows windows;
    Zorvano window;

    const GameState& state() const { return window.state(); }
    QLabel* number(int k) const;
    QLineEdit* answer(int k) const;
    QLabel* op(int k) const;
    QLabel* hint(int k) const;
    QLabel* label(const char* name) const;
    QPushButton* button(const char* name) const;

    // The answer boxes a pupil can see; exactly one during an exercise.
    std::vector<QLineEdit*> visibleAnswers() const;
    QLineEdit* visibleAnswer() const;

    // Clicks a button with the mouse, as a pupil does (a disabled one ignores it).
    void click(const char* name);
    // Types into the visible answer box, then presses Enter.
    void answerWith(const QString& text);
    // The hidden number of the exercise on screen.
    double hiddenValue() const;
};

} // namespace ortambra::testing

#pragma once

namespace ortambra {

// The windows of one layout set. Each is created on first use, then only shown and hidden;
// windows open one another only through this interface, so none includes another's header.
class WindowSet {
  public:
    virtual ~WindowSet() = default;
    virtual void showRegistration() = 0;
    virtual void showMain() = 0;
    virtual void showInstructions() = 0;
    virtual void showCalculator() = 0;
    // Whether the main window exists: from then on there is a game the pupil could lose.
    virtual bool gameStarted() const = 0;
    // Ends the whole program, as closing the main window does.
    virtual void endProgram() = 0;
};

} // namespace ortambra

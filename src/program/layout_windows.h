#pragma once

#include "engine/presets.h"
#include "engine/shared_values.h"
#include "layouts/design.h"
#include "toolkit/platform.h"
#include "toolkit/touch_keys.h"
#include "windows/window_set.h"

#include <QString>
#include <memory>
#include <optional>

namespace ortambra {

class Calcolatore;
class Frm_Istruzioni;
class Frm_Nome;
class Zorvano;

// Owns the windows of one layout set, each created on first use and kept until the end. At the
// board every window of the set is drawn at one factor, the largest at which each fits the
// screen with its on-screen keys. Elsewhere the keys come out when the pupil first types by touch.
class LayoutWindows final : public WindowSet {
  public:
    LayoutWindows(LayoutSet set, Platform& platform, SharedValues& shared, Presets presets = {});
    ~LayoutWindows() override;

    void showRegistration() override;
    void showMain() override;
    void showInstructions() override;
    void showCalculator() override;
    bool gameStarted() const override { return main_ != nullptr; }
    void endProgram() override;

    LayoutSet layoutSet() const { return set_; }
    Zorvano& main();
    Frm_Nome& registration();
    Frm_Istruzioni& instructions();
    Calcolatore& calculator();

  private:
    template <typename Window, typename... Args>
    Window& madeOnce(std::unique_ptr<Window>& window, std::optional<KeySet> keys, Args&&... args);
    double boardFactor();
    void showTouchKeys();

    LayoutSet set_;
    Platform& platform_;
    SharedValues& shared_;
    Presets presets_;
    std::optional<double> boardFactor_;
    // At the board from the start; otherwise from the first time a finger presses on a text box.
    bool touchKeys_;
    std::unique_ptr<Zorvano> main_;
    std::unique_ptr<Calcolatore> calculator_;
    std::unique_ptr<Frm_Nome> registration_;
    std::unique_ptr<Frm_Istruzioni> instructions_;
    std::unique_ptr<QObject> touchWatch_; // last: it calls back into the windows above
};

// Brings a top-level window up and in front, as showing an already visible form does.
void showInFront(QWidget* window);
// The same, on a window system that can (`canRaise`) or cannot raise a window already shown.
void showInFront(QWidget* window, bool canRaise);

// Whether the Qt platform of that name can put a window already shown in front: a Wayland
// compositor raises a window only when it maps it.
bool windowsCanBeRaised(const QString& platformName);

} // namespace ortambra

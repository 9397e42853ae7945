#pragma once

#include "layouts/design.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace ortambra {

// The controls a window's table made, by name. The window fills its record of typed pointers
// from them; a name the table lacks or names twice, or a control of another kind, stops the
// program on the spot, naming it, in every build: no window runs with a control missing.
class BuiltControls {
  public:
    void add(QWidget* control);

    template <typename T> void fill(T*& slot, const QString& name) const { slot = get<T>(name); }
    // An array of the game's controls, element i named "name(i)".
    template <typename T, std::size_t N>
    void fill(std::array<T*, N>& elements, const QString& name) const {
        for (std::size_t i = 0; i < N; ++i)
            fill(elements[i], arrayName(name, static_cast<int>(i)));
    }

  private:
    template <typename T> T* get(const QString& name) const {
        auto* found = qobject_cast<T*>(byName_.value(name));
        if (!found)
            missing(name, T::staticMetaObject.className());
        return found;
    }
    [[noreturn]] static void missing(const QString& name, const char* kind);
    QHash<QString, QWidget*> byName_;
};

// Creates the controls of `specs` as children of `client`, in table order, at the geometry of
// `set`, and applies the table's tab order; the first control of that order that can take the
// focus holds it when the window opens.
BuiltControls buildControls(QWidget* client, const std::vector<ControlSpec>& specs, LayoutSet set);

// Gives a top-level window its design client size, and its client area the design position
// or the nearest one where the whole window is on screen.
void applyWindowSpec(QWidget* window, QWidget* client, const WindowSpec& drawn);

// Back and fore colours as a form designer sets them, for whichever kind of control.
void setBackColour(QWidget* widget, const QColor& colour);
void setForeColour(QWidget* widget, const QColor& colour);
// A layout's point size, drawn smaller with the window when it was (see window_fit).
void setFontSize(QWidget* widget, double points);

} // namespace ortambra

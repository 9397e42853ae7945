#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace ortambra {

// Every window exists in a standard and a compact geometry; the logic is the same.
enum class LayoutSet { Standard, Compact };

// Design geometry is kept in twips, as the layouts were drawn; 15 twips are one
// device-independent pixel, and Qt's own scaling takes care of dense screens.
constexpr int TwipsPerPixel = 15;
int toPixels(int twips);

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
    QRect pixels() const;
};

enum class Face { Default, Sans, Serif };

struct FontSpec {
    Face face = Face::Default;
    double points = 8.0;
    bool bold = false;
};
QFont makeFont(const FontSpec& drawn);

enum class Kind { Label, TextBox, Button, List, Combo };

struct ControlSpec {
    QString name; // objectName: the game's name, "Lbl_Numero(3)" for element 3 of an array
    Kind kind = Kind::Label;
    QString caption;
    Twips standard;
    std::optional<Twips> compact; // absent where both sets agree
    FontSpec font;
    std::optional<QColor> fore;
    std::optional<QColor> back;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool border = false;
    bool visible = true;
    int tabIndex = -1; // -1: creation order
    // For screen readers. A box or list has no caption of its own, so this is its accessible
    // name (what to type or read there); a label or button is named by its live caption, and
    // this describes what it is for.
    QString accessible;
    QStringList items; // a combo box's list; its caption is the text it shows at load
    QString toolTip;

    const Twips& geometry(LayoutSet set) const {
        return set == LayoutSet::Compact && compact ? *compact : standard;
    }
};

struct WindowSpec {
    QString name; // objectName: "Zorvano" or "Zorvano_m"
    QString caption;
    QSize clientTwips;
    QPoint positionTwips;
    std::optional<QColor> background;
    QSize clientPixels() const;
};

QString arrayName(const QString& base, int index); // "Lbl_Numero(3)"

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

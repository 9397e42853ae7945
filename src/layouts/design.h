#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ortambra {

// Every window exists in a standard and a compact geometry; the logic is the same.
enum class LayoutSet { Standard, Compact };

// The compact set is for screens smaller than 1024 x 768 in both directions.
bool isCompactScreen(int width, int height);

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

} // namespace ortambra

#include "colours.h"

namespace ortambra::colours {

QPalette designPalette() {
    // Qt's own light Fusion palette, what a Debian desktop without a Qt theme shows. Every role
    // of every group is set, so nothing of the desktop's palette shows through.
    struct Role {
        QPalette::ColorRole role;
        QColor normal;
        QColor disabled;
    };
    const QColor ground(239, 239, 239);
    const QColor faded(190, 190, 190);
    const QColor highlight(48, 140, 198);
    const Role roles[] = {
        {QPalette::WindowText, Qt::black, faded},
        {QPalette::Button, ground, ground},
        {QPalette::Light, Qt::white, Qt::white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), faded},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, Qt::black, faded},
        {QPalette::BrightText, Qt::white, Qt::white},
        {QPalette::ButtonText, Qt::black, faded},
        {QPalette::Base, Qt::white, ground},
        {QPalette::Window, ground, ground},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, highlight, QColor(145, 145, 145)},
        {QPalette::HighlightedText, Qt::white, Qt::white},
        {QPalette::Link, Qt::blue, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta, Qt::magenta},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::NoRole, Qt::black, Qt::black},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, Qt::black, Qt::black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, highlight, QColor(145, 145, 145)},
#endif
    };
    QPalette palette;
    for (const Role& entry : roles) {
        palette.setColor(QPalette::Active, entry.role, entry.normal);
        palette.setColor(QPalette::Inactive, entry.role, entry.normal);
        palette.setColor(QPalette::Disabled, entry.role, entry.disabled);
    }
    return palette;
}

} // namespace ortambra::colours

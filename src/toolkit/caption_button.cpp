#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ortambra {

void CaptionButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fontMetrics().size(Qt::TextShowMnemonic, option.text).width() <= area.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QString text = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    if (option.state & QStyle::State_Sunken)
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this);
    painter.drawItemText(area,
                         Qt::AlignCenter | Qt::TextWordWrap |
                             (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic),
                         palette(), isEnabled(), text, QPalette::ButtonText);
}

} // namespace ortambra

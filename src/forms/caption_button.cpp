#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ortambra {

void CaptionButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (fontMetrics().horizontalAdvance(text()) <= area.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(area, flags | Qt::TextWordWrap, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace ortambra

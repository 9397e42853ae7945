#include "caption.h"

#include "touch_keys.h"

#include <QFontMetrics>
#include <algorithm>

namespace ortambra {

QString displayText(const QString& caption) {
    QString text = caption;
    return text.replace(u'\r', u'\n');
}

void setCaption(QLabel* label, const QString& caption) { label->setText(displayText(caption)); }

QString caption(const QLabel* label) {
    QString text = label->text();
    return text.replace(u'\n', u'\r');
}

void growToFitText(QLabel* label) {
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : label->text().split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int frame = label->width() - label->contentsRect().width() + 2 * label->margin();
    const QRect area = controlsArea(label->parentWidget());
    QRect box = label->geometry();
    box.setWidth(
        std::clamp(widest + frame + metrics.averageCharWidth(), box.width(), area.width()));
    if (box.right() > area.right())
        box.moveRight(area.right());
    // A name too long for the window wraps; the label then grows up to the window's top.
    const int height = std::max(box.height(), label->heightForWidth(box.width()));
    box.setTop(std::max(area.top(), box.bottom() + 1 - height));
    label->setGeometry(box);
}

} // namespace ortambra

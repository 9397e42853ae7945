#include "caption.h"

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

} // namespace ortambra

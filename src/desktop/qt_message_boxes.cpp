#include "qt_message_boxes.h"

#include "toolkit/caption.h"
#include "toolkit/window_placement.h"

#include <QMessageBox>

namespace ortambra {

MessageBoxes::Answer QtMessageBoxes::show(QWidget* parent, const QString& title,
                                          const QString& text, Buttons buttons) {
    QMessageBox box(
        QMessageBox::NoIcon, title, displayText(text),
        buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel, parent);
    keepOnScreen(&box);
    return box.exec() == QMessageBox::Cancel ? Answer::Cancel : Answer::Ok;
}

} // namespace ortambra

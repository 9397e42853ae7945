#pragma once

#include <QChar>
#include <QString>

namespace ortambra {

// A name or class as the results and the report show it: on one line of its own. The pupil's
// text is kept as typed, but a pasted line break (or any other control character) is shown as a
// blank, so that no typed text can start a line that reads like one of the report's own.
inline QString singleLine(QString text) {
    for (QChar& c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return text;
}

} // namespace ortambra

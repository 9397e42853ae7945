#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <functional>

class QWidget;

namespace ortambra {

class Printing;
class RandomSource;
class ScreenSize;

// Modal message boxes, behind an interface so that no test ever waits on one.
class MessageBoxes {
  public:
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };
    virtual ~MessageBoxes() = default;
    // No icon; the text's carriage returns start new lines.
    virtual Answer show(QWidget* parent, const QString& title, const QString& text,
                        Buttons buttons) = 0;
};

// What the windows need from the machine: injected, so tests pin the draws, the date, the
// language, the end of the program and the screen.
struct Platform {
    RandomSource& random;
    MessageBoxes& messages;
    std::function<QDate()> today;
    QLocale locale;
    std::function<void()> quit;
    Printing& printing;       // the print dialog and the printer it chooses
    const ScreenSize& screen; // the room the windows are fitted into
};

} // namespace ortambra

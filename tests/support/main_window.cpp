#include "main_window.h"

#include "controls.h"
#include "engine/number_text.h"
#include "layouts/design.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace ortambra::testing {

bool activate(QWidget& window) {
    window.activateWindow();
    if (QTest::qWaitForWindowActive(&window))
        return true;
    qWarning("activate: %s did not become active", qPrintable(window.objectName()));
    return false;
}

QColor backColour(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QListWidget*>(widget))
        return widget->palette().color(QPalette::Base);
    if (qobject_cast<const QPushButton*>(widget))
        return widget->palette().color(QPalette::Button);
    return widget->palette().color(QPalette::Window);
}

QColor foreColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

MainWindowRig::MainWindowRig(LayoutSet set, unsigned seed, const Presets& presets)
    : platform(seed), window(set, windows, platform.platform, shared, presets) {
    window.show();
    activate(window);
}

QLabel* MainWindowRig::number(int k) const {
    return control<QLabel>(&window, arrayName("Lbl_Numero", k));
}
QLineEdit* MainWindowRig::answer(int k) const {
    return control<QLineEdit>(&window, arrayName("Txt_Numero", k));
}
QLabel* MainWindowRig::op(int k) const {
    return control<QLabel>(&window, arrayName("Lbl_Operatore", k));
}
QLabel* MainWindowRig::hint(int k) const {
    return control<QLabel>(&window, arrayName("Lbl_Suggeri", k));
}
QLabel* MainWindowRig::label(const char* name) const {
    return control<QLabel>(&window, QString::fromUtf8(name));
}
QPushButton* MainWindowRig::button(const char* name) const {
    return control<QPushButton>(&window, QString::fromUtf8(name));
}

std::vector<QLineEdit*> MainWindowRig::visibleAnswers() const {
    std::vector<QLineEdit*> boxes;
    for (int k = 0; k < 6; ++k)
        if (answer(k)->isVisible())
            boxes.push_back(answer(k));
    return boxes;
}

QLineEdit* MainWindowRig::visibleAnswer() const {
    const auto boxes = visibleAnswers();
    return boxes.size() == 1 ? boxes.front() : nullptr;
}

void MainWindowRig::click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

void MainWindowRig::answerWith(const QString& text) {
    QLineEdit* box = visibleAnswer();
    Q_ASSERT(box);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

double MainWindowRig::hiddenValue() const {
    return readNumber(number(state().Serie.Posizione_Mancante)->text());
}

} // namespace ortambra::testing

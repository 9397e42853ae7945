#pragma once

#include "fake_random.h"
#include "forms/platform.h"
#include "forms/screen_size.h"
#include "recording_printer.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <random>
#include <vector>

namespace ortambra::testing {

// Records every message box and answers with a preset button.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    struct Shown {
        QString title;
        QString text;
        Buttons buttons;
    };
    Answer show(QWidget* parent, const QString& title, const QString& text,
                Buttons buttons) override;
    std::vector<Shown> shown;
    Answer answer = Answer::Ok;
};

// A platform for tests: injected draws, recorded boxes, a fixed date and language, and a quit
// that only counts.
struct TestPlatform {
    explicit TestPlatform(std::mt19937::result_type seed = 1,
                          QLocale locale = QLocale(QLocale::Italian, QLocale::Italy));
    FakeRandom random;
    FakeMessageBoxes messages;
    int quits = 0;
    FakePrinting printing;
    Platform platform;
};

// A screen of any size.
class FakeScreen final : public ScreenSize {
  public:
    explicit FakeScreen(QSize size) : size_(size) {}
    QSize primary() const override { return size_; }

  private:
    QSize size_;
};

} // namespace ortambra::testing

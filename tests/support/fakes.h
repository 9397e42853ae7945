#pragma once

#include "fake_random.h"
#include "recording_printer.h"
#include "toolkit/platform.h"
#include "toolkit/screen.h"

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

// A screen of any size, all of it free for the windows unless a panel takes some.
class FakeScreen final : public ScreenSize {
  public:
    explicit FakeScreen(QSize size, QRect available = {}, double ratio = 1.0)
        : size_(size), available_(available.isNull() ? QRect({}, size) : available), ratio_(ratio) {
    }
    QSize primary() const override { return size_; }
    QRect available() const override { return available_; }
    double pixelRatio() const override { return ratio_; }

  private:
    QSize size_;
    QRect available_;
    double ratio_;
};

// A platform for tests: injected draws, recorded boxes, a fixed date and language, a quit
// that only counts, and a screen where every window has its design size.
struct TestPlatform {
    explicit TestPlatform(std::mt19937::result_type seed = 1,
                          QLocale locale = QLocale(QLocale::Italian, QLocale::Italy));
    FakeRandom random;
    FakeMessageBoxes messages;
    int quits = 0;
    FakePrinting printing;
    FakeScreen screen{{1920, 1200}};
    Platform platform;
};

} // namespace ortambra::testing

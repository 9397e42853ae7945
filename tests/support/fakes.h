#pragma once

#include "engine/random_source.h"
#include "forms/platform.h"
#include "forms/screen_size.h"
#include "recording_printer.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <deque>
#include <initializer_list>
#include <cmath>
#include <random>
#include <vector>

namespace ortambra::testing {

// Hands out the given draws in order, then falls back to a seeded generator, so a test can pin
// the draws it cares about and still play on.
class FakeRandom final : public RandomSource {
  public:
    explicit FakeRandom(std::mt19937::result_type seed = 1) : fallback_(seed) {}
    void push(std::initializer_list<float> draws) { queued_.insert(queued_.end(), draws); }
    float next() override;
    int drawsTaken() const { return taken_; }

  private:
    std::deque<float> queued_;
    MersenneSource fallback_;
    int taken_ = 0;
};

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

// The largest float below 1, the top of every draw.
inline const float almostOne = std::nextafter(1.0f, 0.0f);

} // namespace ortambra::testing

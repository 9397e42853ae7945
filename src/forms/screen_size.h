#pragma once

#include <QSize>

namespace ortambra {

// The size of the primary screen, behind an interface so that tests choose any screen.
class ScreenSize {
  public:
    virtual ~ScreenSize() = default;
    virtual QSize primary() const = 0;
};

// Logical pixels: on a dense screen Qt scales the windows too, so the choice of layout set
// follows the size the windows will actually have room for.
class QtScreenSize final : public ScreenSize {
  public:
    QSize primary() const override;
};

// The compact set is for screens smaller than 1024 x 768 in both directions.
bool isCompactScreen(int width, int height);

} // namespace ortambra

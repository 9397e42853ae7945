#pragma once

#include "toolkit/screen.h"

namespace ortambra {

// The primary screen as Qt reports it.
class QtScreenSize final : public ScreenSize {
  public:
    QSize primary() const override;
    QRect available() const override;
    double pixelRatio() const override;
};

} // namespace ortambra

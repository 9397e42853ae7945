#pragma once

#include "report/painter_printer.h"
#include "report/printing.h"

#include <QPrinter>

namespace ortambra {

// QPrintDialog on one QPrinter kept for the run, so the next dialog starts from the last choice.
class QtPrinting final : public Printing {
  public:
    QtPrinting();
    std::optional<int> choosePrinter(QWidget* parent) override;
    Printer& printer() override { return layer_; }

  private:
    QPrinter printer_;
    PainterPrinter layer_;
};

} // namespace ortambra

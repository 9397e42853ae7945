#pragma once

#include "report/painter_printer.h"
#include "report/printing.h"

#include <QPrinter>
#include <memory>

namespace ortambra {

// QPrintDialog on one QPrinter kept for the run, so the next dialog starts from the last choice.
// The printer is made on the first print: making it loads the print system (CUPS and its
// libraries), which would otherwise add half again to the program's start-up.
class QtPrinting final : public Printing {
  public:
    QtPrinting();
    ~QtPrinting() override;
    std::optional<int> choosePrinter(QWidget* parent) override;
    Printer& printer() override;

  private:
    struct Device {
        Device();
        QPrinter printer;
        PainterPrinter layer;
    };
    Device& device();

    std::unique_ptr<Device> device_;
};

} // namespace ortambra

#include "qt_printing.h"

#include <QPrintDialog>

namespace ortambra {

QtPrinting::Device::Device() : printer(QPrinter::HighResolution), layer(printer) {}

QtPrinting::QtPrinting() = default;
QtPrinting::~QtPrinting() = default;

QtPrinting::Device& QtPrinting::device() {
    if (!device_)
        device_ = std::make_unique<Device>();
    return *device_;
}

std::optional<int> QtPrinting::choosePrinter(QWidget* parent) {
    QPrinter& printer = device().printer;
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, 999);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    return copies;
}

Printer& QtPrinting::printer() { return device().layer; }

} // namespace ortambra

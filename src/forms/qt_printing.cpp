#include "qt_printing.h"

#include <QPrintDialog>

namespace ortambra {

QtPrinting::QtPrinting() : printer_(QPrinter::HighResolution), layer_(printer_) {}

std::optional<int> QtPrinting::choosePrinter(QWidget* parent) {
    QPrintDialog dialog(&printer_, parent);
    dialog.setMinMax(1, 999);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = printer_.copyCount();
    printer_.setCopyCount(1);
    return copies;
}

} // namespace ortambra

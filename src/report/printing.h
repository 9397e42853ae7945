#pragma once

#include <optional>

class QWidget;

namespace ortambra {

class Printer;

// The system's print dialog and the printer it chooses, behind an interface so that no test
// waits on a dialog or prints on paper.
class Printing {
  public:
    virtual ~Printing() = default;
    // Asks for a printer and a number of copies: the copies, or nothing when cancelled. The
    // printer's own copy count is left at 1: the report prints each copy itself.
    virtual std::optional<int> choosePrinter(QWidget* parent) = 0;
    // The printer last chosen.
    virtual Printer& printer() = 0;
};

} // namespace ortambra

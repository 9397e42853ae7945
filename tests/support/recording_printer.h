#pragma once

#include "report/printer.h"
#include "report/printing.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace ortambra::testing {

// Keeps every statement it is given, in order.
class RecordingPrinter final : public Printer {
  public:
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setPosition(QPoint twips) override;
    void print(const QString& first, const QString& second) override;
    void newPage() override;
    void endDoc() override;

    std::vector<PrintStatement> statements;

    // The statements as readable lines ("size 10", "print [  Esercizio 1]", "page"), with a
    // carriage return shown as "<cr>", for comparisons that explain themselves when they fail.
    QStringList transcript() const;
    // The printed statements alone, each with the font size in force when it was printed.
    struct Printed {
        QString first;
        QString second;
        double points;
    };
    std::vector<Printed> printed() const;
};

QString describe(const PrintStatement& statement);
QStringList describe(const std::vector<PrintStatement>& statements);

// The print dialog answers with a preset number of copies, or cancels when it has none.
class FakePrinting final : public Printing {
  public:
    std::optional<int> choosePrinter(QWidget* parent) override;
    Printer& printer() override { return recorder; }

    std::optional<int> copies = 1;
    int dialogs = 0;
    RecordingPrinter recorder;
};

} // namespace ortambra::testing

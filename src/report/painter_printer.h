#pragma once

#include "printer.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

namespace ortambra {

// Print statements on a paged device (the chosen QPrinter). Lines run down from the current
// position in the font in force; a line that would pass the bottom of the printable area goes to
// the top of a new page, and text that would pass its right edge goes on on the next line, so a
// long report loses nothing. The document begins with the first ink and is sent by endDoc; a
// page break asked for last is dropped and page breaks in a row count as one, so no sheet is
// ever blank. If the device cannot
// be opened every statement is skipped.
class PainterPrinter final : public Printer {
  public:
    explicit PainterPrinter(QPagedPaintDevice& device);
    ~PainterPrinter() override;
    PainterPrinter(const PainterPrinter&) = delete;
    PainterPrinter& operator=(const PainterPrinter&) = delete;

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setPosition(QPoint twips) override;
    void print(const QString& first, const QString& second) override;
    void newPage() override;
    void endDoc() override;

    // Pages of the current document, or of the last one once it has been sent.
    int pages() const { return pages_; }

  private:
    void write(const QString& text);
    void draw(QString segment);
    void ink(const QString& text);
    void newLine();
    void nextSheet();
    bool beginDocument();
    double lineHeight() const;

    QPagedPaintDevice& device_;
    QPainter painter_;
    QFont font_;
    double x_ = 0.0; // device pixels from the printable area's top left
    double y_ = 0.0;
    bool freshLine_ = true;    // nothing drawn on the current line yet
    QString indent_;           // the blanks the current line started with
    bool pendingPage_ = false; // a page break asked for and not yet needed
    bool inkOnPage_ = false;
    int pages_ = 0;
    bool failed_ = false; // the device refused this document
};

} // namespace ortambra

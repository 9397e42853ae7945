#pragma once

#include <QPoint>
#include <QString>

namespace ortambra {

// What the report does on a printer. A failing operation is skipped silently: printing goes on
// with the next one and nothing is ever reported.
class Printer {
  public:
    virtual ~Printer() = default;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    // Across and down from the top left of the printable area.
    virtual void setPosition(QPoint twips) = 0;
    // The two texts one after the other, then a new line; a carriage return inside a text also
    // starts a new line. The second text may be empty.
    virtual void print(const QString& first, const QString& second) = 0;
    virtual void newPage() = 0;
    // Sends the document; the next statement starts another one.
    virtual void endDoc() = 0;
};

// One operation of the report, kept as a value so that the report can be built and compared
// without a printer.
struct PrintStatement {
    enum class Op { FontName, FontSize, Position, Print, NewPage, EndDoc };
    Op op = Op::Print;
    QString first;  // Print: first text; FontName: the name
    QString second; // Print: second text
    double points = 0.0;
    QPoint twips;

    static PrintStatement fontName(const QString& name) { return {Op::FontName, name}; }
    static PrintStatement fontSize(double size) { return {Op::FontSize, {}, {}, size}; }
    static PrintStatement position(QPoint at) { return {Op::Position, {}, {}, 0.0, at}; }
    static PrintStatement print(const QString& first, const QString& second = {}) {
        return {Op::Print, first, second};
    }
    static PrintStatement newPage() { return {Op::NewPage}; }
    static PrintStatement endDoc() { return {Op::EndDoc}; }

    bool operator==(const PrintStatement&) const = default;
};

void play(Printer& printer, const PrintStatement& statement);

} // namespace ortambra

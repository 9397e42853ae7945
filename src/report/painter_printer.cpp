#include "painter_printer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <algorithm>
#include <iterator>

namespace ortambra {

namespace {

constexpr double TwipsPerInch = 1440.0;

} // namespace

PainterPrinter::PainterPrinter(QPagedPaintDevice& device)
    : device_(device), font_(QStringLiteral("Arial")) {
    font_.setPointSizeF(12);
}

PainterPrinter::~PainterPrinter() {
    if (painter_.isActive())
        painter_.end();
}

void PainterPrinter::setFontName(const QString& name) {
    font_.setFamily(name);
    // A face the system lacks falls back to a sans serif, as the report was drawn in one.
    font_.setStyleHint(QFont::SansSerif);
}

void PainterPrinter::setFontSize(double points) {
    if (points > 0.0)
        font_.setPointSizeF(points);
}

void PainterPrinter::setPosition(QPoint twips) {
    // The position counts from the printable area's top left; nothing is drawn before it.
    x_ = std::max(twips.x(), 0) * device_.logicalDpiX() / TwipsPerInch;
    y_ = std::max(twips.y(), 0) * device_.logicalDpiY() / TwipsPerInch;
    freshLine_ = true;
}

void PainterPrinter::print(const QString& first, const QString& second) {
    write(first);
    write(second);
    newLine();
}

void PainterPrinter::write(const QString& text) {
    const QStringList lines = text.split(u'\r');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            newLine();
        if (!lines[i].isEmpty())
            draw(lines[i]);
    }
}

double PainterPrinter::lineHeight() const { return QFontMetricsF(font_, &device_).lineSpacing(); }

void PainterPrinter::newLine() {
    x_ = 0.0;
    freshLine_ = true;
    y_ += lineHeight();
}

bool PainterPrinter::beginDocument() {
    if (painter_.isActive())
        return true;
    if (failed_)
        return false;
    if (!painter_.begin(&device_)) {
        failed_ = true;
        return false;
    }
    pages_ = 1;
    inkOnPage_ = false;
    return true;
}

void PainterPrinter::draw(QString segment) {
    const QFontMetricsF metrics(font_, &device_);
    if (freshLine_) {
        // The blanks a line starts with indent its block; a continuation keeps them.
        indent_ = segment.first(
            std::distance(segment.cbegin(), std::find_if(segment.cbegin(), segment.cend(),
                                                         [](QChar c) { return c != u' '; })));
        freshLine_ = false;
    }
    const double start = metrics.horizontalAdvance(indent_);
    while (!segment.isEmpty()) {
        if (segment.trimmed().isEmpty()) {
            // Blanks leave no ink: they neither open the document nor carry a page break, so a
            // page never starts with empty lines.
            x_ += metrics.horizontalAdvance(segment);
            return;
        }
        const double room = device_.width() - x_;
        if (metrics.horizontalAdvance(segment) <= room) {
            ink(segment);
            return;
        }
        // The longest series rows are wider than a sheet: what does not fit goes on to the next
        // line rather than past the paper's edge. It breaks at the widest gap that fits, the
        // last of them, so a row breaks between its groups and keeps each "=" by its number.
        qsizetype cut = 0;
        qsizetype widestGap = 0;
        for (qsizetype i = 1; i < segment.size(); ++i) {
            if (segment[i] != u' ' || segment[i - 1] == u' ')
                continue;
            if (metrics.horizontalAdvance(segment.first(i)) > room)
                break;
            qsizetype gap = 0;
            while (i + gap < segment.size() && segment[i + gap] == u' ')
                ++gap;
            if (gap >= widestGap) {
                widestGap = gap;
                cut = i;
            }
        }
        if (cut == 0 && x_ <= start) {
            if (x_ > 0.0) {
                // Not even the first word fits after the indent: it starts at the edge.
                x_ = 0.0;
                continue;
            }
            // A word wider than the sheet: it goes past the edge alone, and what follows it
            // goes on on the next line.
            qsizetype word = 0;
            while (segment[word] == u' ')
                ++word; // a segment of blanks alone was dealt with above
            cut = segment.indexOf(u' ', word);
            if (cut < 0) {
                ink(segment);
                return;
            }
        }
        if (cut > 0)
            ink(segment.first(cut));
        newLine();
        freshLine_ = false;
        x_ = start;
        qsizetype next = cut;
        while (next < segment.size() && segment[next] == u' ')
            ++next;
        segment = segment.mid(next);
    }
}

void PainterPrinter::ink(const QString& text) {
    if (!beginDocument())
        return;
    // A page is started only for ink, so page breaks in a row, or one before anything was
    // printed on the page, leave no blank sheet.
    if (pendingPage_)
        nextSheet();
    pendingPage_ = false;
    const QFontMetricsF metrics(font_, &device_);
    if (y_ > 0.0 && y_ + metrics.lineSpacing() > device_.height()) {
        nextSheet();
        y_ = 0.0;
    }
    painter_.setFont(font_);
    painter_.drawText(QPointF(x_, y_ + metrics.ascent()), text);
    inkOnPage_ = true;
    x_ += metrics.horizontalAdvance(text);
}

void PainterPrinter::nextSheet() {
    if (inkOnPage_ && device_.newPage()) {
        ++pages_;
        inkOnPage_ = false;
    }
}

void PainterPrinter::newPage() {
    pendingPage_ = true;
    x_ = 0.0;
    y_ = 0.0;
    freshLine_ = true;
}

void PainterPrinter::endDoc() {
    if (painter_.isActive())
        painter_.end();
    pendingPage_ = false;
    failed_ = false;
    x_ = 0.0;
    y_ = 0.0;
    freshLine_ = true;
}

} // namespace ortambra

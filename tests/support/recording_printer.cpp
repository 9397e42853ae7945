#include "recording_printer.h"

namespace ortambra::testing {

void RecordingPrinter::setFontName(const QString& name) {
    statements.push_back(PrintStatement::fontName(name));
}
void RecordingPrinter::setFontSize(double points) {
    statements.push_back(PrintStatement::fontSize(points));
}
void RecordingPrinter::setPosition(QPoint twips) {
    statements.push_back(PrintStatement::position(twips));
}
void RecordingPrinter::print(const QString& first, const QString& second) {
    statements.push_back(PrintStatement::print(first, second));
}
void RecordingPrinter::newPage() { statements.push_back(PrintStatement::newPage()); }
void RecordingPrinter::endDoc() { statements.push_back(PrintStatement::endDoc()); }

QStringList RecordingPrinter::transcript() const { return describe(statements); }

std::vector<RecordingPrinter::Printed> RecordingPrinter::printed() const {
    std::vector<Printed> result;
    double points = 0.0;
    for (const auto& s : statements) {
        if (s.op == PrintStatement::Op::FontSize)
            points = s.points;
        else if (s.op == PrintStatement::Op::Print)
            result.push_back({s.first, s.second, points});
    }
    return result;
}

QString describe(const PrintStatement& s) {
    const auto shown = [](QString text) { return text.replace(u'\r', QStringLiteral("<cr>")); };
    switch (s.op) {
    case PrintStatement::Op::FontName: return QStringLiteral("font ") + s.first;
    case PrintStatement::Op::FontSize: return QStringLiteral("size ") + QString::number(s.points);
    case PrintStatement::Op::Position:
        return QStringLiteral("at %1,%2").arg(s.twips.x()).arg(s.twips.y());
    case PrintStatement::Op::Print:
        return QStringLiteral("print [") + shown(s.first) +
               (s.second.isEmpty() ? QString() : QStringLiteral("][") + shown(s.second)) + u']';
    case PrintStatement::Op::NewPage: return QStringLiteral("page");
    case PrintStatement::Op::EndDoc: return QStringLiteral("end");
    }
    return {};
}

QStringList describe(const std::vector<PrintStatement>& statements) {
    QStringList lines;
    for (const auto& s : statements)
        lines << describe(s);
    return lines;
}

std::optional<int> FakePrinting::choosePrinter(QWidget*) {
    ++dialogs;
    return copies;
}

} // namespace ortambra::testing

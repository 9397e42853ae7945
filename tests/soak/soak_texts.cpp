// The results and the report as the soak expects them, from its own tally: a compact restatement
// of the documented formats, independent of the program's builders.
#include "soak_texts.h"

#include <cmath>

namespace ortambra::soak {

namespace {

const QString date = QStringLiteral("lunedì,07,12,2026"); // the test platform's Monday

// The game's number text: a blank before zero or more, "-" before a negative value.
QString str(double value) {
    const QString digits = value == std::floor(value)
                               ? QString::number(static_cast<qint64>(std::fabs(value)))
                               : QString::number(std::fabs(value), 'g', 15);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}
// Archived texts as the labels showed them: plain digits, so the number text adds a blank.
QString str(const QString& label) { return u' ' + label; }
QString blanks(int count) { return QString(count, u' '); }

// Blanks before and after the step of each group of the series row.
struct Spacing {
    std::array<int, 6> before, after;
};
constexpr Spacing listSpacing{{3, 3, 3, 5, 3, 3}, {3, 3, 3, 5, 5, 3}};
constexpr Spacing printSpacing{{3, 3, 3, 3, 3, 3}, {5, 5, 5, 5, 5, 5}};

QString seriesRow(const ExpectedExercise& e, const Spacing& spacing) {
    QString row = e.start + blanks(3);
    for (std::size_t k = 0; k < 6; ++k)
        row += (k ? blanks(10) : QString()) + e.ops[k] + blanks(spacing.before[k]) +
               str(e.steps[k]) + blanks(spacing.after[k]) + u'=' + str(e.numbers[k]);
    return row;
}

// The counter lines shared by the label and the paper; the difficulty line is never indented.
QStringList counterLines(const Tally& t, const QString& indent) {
    return {indent + "Esercizi proposti: " + str(t.exercises),
            indent + "Facilitati: " + str(t.facilitated),
            str(t.perMode[0]) + " Difficoltà Bassa; " + str(t.perMode[1]) + " Difficoltà Media; " +
                str(t.perMode[2]) + " Difficoltà Alta.",
            indent + "Tentativi errati: " + str(t.wrong),
            indent + "Chiesto aiuto: " + str(t.helps) + " volte",
            indent + "Zorvano indovinate: " + str(t.clean())};
}

// The rows of one exercise block before its closing row.
QStringList block(const Tally& t, int n, const QString& indent, const Spacing& spacing) {
    const ExpectedExercise& e = t.rows[static_cast<std::size_t>(n)];
    return {
        indent + "Esercizio " + QString::number(n),    indent + seriesRow(e, spacing),
        indent + "Numero richiesto: " + str(e.answer), indent + "Tentativi errati: " + str(e.wrong),
        indent + (e.facilitated ? "Facilitato" : ""),  indent + (e.helped ? "Chiesto aiuto" : "")};
}

} // namespace

QString shownName(const QString& text) {
    QString shown = text;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029))
            c = u' '; // the line and paragraph separators too
    return shown;
}

QString expectedSummary(const Tally& t) {
    return (QStringList{date, shownName(t.nome) + u' ' + shownName(t.classe)} + counterLines(t, {}))
        .join(u'\r');
}

QStringList expectedRows(const Tally& t) {
    QStringList rows{date, "Nome: " + shownName(t.nome), "Classe: " + shownName(t.classe), {}};
    for (int n = 1; n <= t.exercises; ++n)
        rows << block(t, n, {}, listSpacing) << QString();
    return rows;
}

std::vector<PrintStatement> expectedPrint(const Tally& t, std::optional<int> copies) {
    using S = PrintStatement;
    if (!copies)
        return {};
    const QString cr(u'\r');
    std::vector<S> doc{S::fontName("Arial"), S::fontSize(12), S::position({2, 3})};
    const QString summary =
        (QStringList{"  Eseguito da: " + shownName(t.nome) + "  Classe " + shownName(t.classe)} +
         counterLines(t, "  "))
            .join(cr);
    for (int c = 0; c < *copies; ++c) {
        doc.insert(doc.end(), {S::print(cr, cr), S::print(date), S::print(cr), S::print(summary),
                               S::print(cr)});
        for (int n = 1; n <= t.exercises; ++n) {
            const QStringList rows = block(t, n, "  ", printSpacing);
            // The series row goes out as two texts, split after the "=" of its third group.
            const QString& series = rows[1];
            qsizetype split = -1;
            for (int equals = 0; equals < 3; ++equals)
                split = series.indexOf(u'=', split + 1);
            doc.insert(doc.end(), {S::fontSize(10), S::print(rows[0]),
                                   S::print(series.left(split + 1), series.mid(split + 1))});
            for (qsizetype r = 2; r < rows.size(); ++r)
                doc.push_back(S::print(rows[r]));
            doc.push_back(S::print(cr));
        }
        doc.push_back(S::newPage());
    }
    doc.push_back(S::endDoc());
    return doc;
}

} // namespace ortambra::soak

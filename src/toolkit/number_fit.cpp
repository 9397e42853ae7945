#include "number_fit.h"

#include "window_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace ortambra {

namespace {

// The text in `count` lines of nearly equal length; a number has no blanks to break at.
QStringList split(const QString& text, int count) {
    QStringList lines;
    const auto total = text.size();
    const auto length = (total + count - 1) / count;
    for (qsizetype at = 0; at < total; at += length)
        lines.append(text.mid(at, length));
    return lines;
}

bool fits(const QFont& font, const QStringList& lines, const QRectF& room) {
    const QFontMetricsF metrics(font);
    const auto widest = std::ranges::max(
        lines, {}, [&](const QString& line) { return metrics.horizontalAdvance(line); });
    return metrics.horizontalAdvance(widest) <= room.width() &&
           metrics.height() * static_cast<double>(lines.size()) <= room.height();
}

QRectF textRoom(const QLabel* label) {
    const int margin = label->margin();
    return QRectF(label->contentsRect().adjusted(margin, margin, -margin, -margin));
}

class Fitter final : public QObject {
  public:
    Fitter(QLabel* label, NumberFit fit) : QObject(label), label_(label), fit_(fit) {
        label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_ || event->type() != QEvent::Paint || label_->text().isEmpty())
            return QObject::eventFilter(watched, event);
        const FittedText drawn = fittedText(label_, fit_);
        if (drawn.lines.size() == 1 && drawn.font == label_->font())
            return QObject::eventFilter(watched, event); // fits: the label draws itself
        QPainter painter(label_);
        QStyleOptionFrame frame;
        frame.initFrom(label_);
        frame.rect = label_->frameRect();
        frame.frameShape = label_->frameShape();
        frame.lineWidth = label_->lineWidth();
        frame.midLineWidth = label_->midLineWidth();
        // A plain box, as the number labels have, is drawn in the text's colour.
        if (label_->frameShadow() == QFrame::Sunken)
            frame.state |= QStyle::State_Sunken;
        else if (label_->frameShadow() == QFrame::Raised)
            frame.state |= QStyle::State_Raised;
        label_->style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, label_);
        painter.setFont(drawn.font);
        painter.setPen(label_->palette().color(label_->foregroundRole()));
        painter.drawText(textRoom(label_), static_cast<int>(label_->alignment()),
                         drawn.lines.join(u'\n'));
        return true;
    }

  private:
    QLabel* label_;
    NumberFit fit_;
};

} // namespace

FittedText fittedText(const QLabel* label, const NumberFit& fit) {
    const QString text = label->text();
    const QRectF room = textRoom(label);
    QFont font = label->font();
    const double layoutPoints = font.pointSizeF();
    const double minimum = fit.minimumPoints * drawScale(label); // smaller with its window
    if (text.isEmpty() || fits(font, {text}, room))
        return {font, {text}};
    // The largest size, in quarter points, at which the text fits on the fewest lines.
    const int lineLimit = std::max(1, std::min<int>(fit.maxLines, static_cast<int>(text.size())));
    for (int count = 1; count <= lineLimit; ++count) {
        const QStringList lines = split(text, count);
        for (double points = std::floor(layoutPoints * 4.0) / 4.0; points >= minimum;
             points -= 0.25) {
            font.setPointSizeF(points);
            if (fits(font, lines, room))
                return {font, lines};
        }
    }
    // Nothing fits: the smallest readable size on the most lines, cut at the far edge.
    font.setPointSizeF(minimum);
    return {font, split(text, lineLimit)};
}

void fitNumbers(QLabel* label, NumberFit fit) {
    new Fitter(label, fit); // owned by the label
}

} // namespace ortambra

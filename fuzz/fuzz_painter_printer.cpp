// The printer layer with any sequence of statements on a paged device that records what is
// drawn: every text is drawn once and in order (the blanks where a line breaks aside), all of
// it inside the printable area unless a single word is wider than the sheet or a line taller,
// and no page is sent without text on it.
#include "report/painter_printer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

using namespace ortambra;

namespace {

struct Event {
    enum Kind { Begin, Text, NewPage, End } kind;
    QPointF at; // Text: left end of the baseline
    QString text;
    QFont font;
};

class RecordingEngine final : public QPaintEngine {
  public:
    explicit RecordingEngine(std::vector<Event>& events)
        : QPaintEngine(AllFeatures), events_(events) {}
    bool begin(QPaintDevice*) override {
        events_.push_back({Event::Begin, {}, {}, {}});
        return true;
    }
    bool end() override {
        events_.push_back({Event::End, {}, {}, {}});
        return true;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        events_.push_back({Event::Text, at, item.text(), item.font()});
    }
    Type type() const override { return User; }

  private:
    std::vector<Event>& events_;
};

// A sheet of the given size and resolution. Qt gives paged devices no public way to set up
// their page layout; the printer layer reads only the size and resolution, so none is made.
class RecordingDevice final : public QPagedPaintDevice {
  public:
    RecordingDevice(int width, int height, int dpi)
        : QPagedPaintDevice(nullptr), engine_(events), width_(width), height_(height), dpi_(dpi) {}
    bool newPage() override {
        events.push_back({Event::NewPage, {}, {}, {}});
        return true;
    }
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<Event> events;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth: return width_;
        case PdmHeight: return height_;
        case PdmWidthMM: return static_cast<int>(width_ * 25.4 / dpi_);
        case PdmHeightMM: return static_cast<int>(height_ * 25.4 / dpi_);
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    mutable RecordingEngine engine_;
    int width_;
    int height_;
    int dpi_;
};

[[noreturn]] void fail(const char* what, const Event& e) {
    std::fprintf(stderr, "%s: \"%s\" at %.2f,%.2f\n", what, e.text.toUtf8().constData(), e.at.x(),
                 e.at.y());
    std::abort();
}

// Texts from the characters the report prints: Latin letters and accents, digits, signs,
// runs of blanks and carriage returns.
QString text(FuzzedDataProvider& in) {
    static const QString alphabet =
        QStringLiteral("abcdefghilmnoprstuvzWXYZ0123456789=+-.,;:àèìòù");
    QString t;
    const auto length = in.ConsumeIntegralInRange(0, 160);
    for (int i = 0; i < length && in.remaining_bytes() > 0; ++i) {
        const auto pick = in.ConsumeIntegral<std::uint8_t>();
        if (pick < 40)
            t += QString(pick % 12 + 1, u' ');
        else if (pick < 46)
            t += u'\r';
        else
            t += alphabet[pick % alphabet.size()];
    }
    return t;
}

QString withoutBlanks(QString t) { return t.remove(u' ').remove(u'\r'); }

bool oneWord(const QString& t) { return !t.trimmed().contains(u' '); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int dpi = in.ConsumeIntegralInRange(72, 1200);
    // From a label (2 × 1 inch) to a wide poster (30 inches), at the device's resolution.
    RecordingDevice device(in.ConsumeIntegralInRange(2 * dpi, 30 * dpi),
                           in.ConsumeIntegralInRange(dpi, 30 * dpi), dpi);
    QString printed;
    {
        PainterPrinter printer(device);
        static const char* const fonts[] = {"Arial", "DejaVu Sans", "Liberation Mono",
                                            "No Such Face"};
        int statements = 0;
        while (in.remaining_bytes() > 0 && ++statements < 200) {
            switch (in.ConsumeIntegralInRange(0, 9)) {
            case 0:
                printer.setFontName(QString::fromLatin1(fonts[in.ConsumeIntegralInRange(0, 3)]));
                break;
            case 1: printer.setFontSize(in.ConsumeFloatingPointInRange(-4.0, 72.0)); break;
            case 2:
                printer.setPosition({in.ConsumeIntegralInRange(-3000, 60000),
                                     in.ConsumeIntegralInRange(-3000, 60000)});
                break;
            case 3: printer.newPage(); break;
            case 4: printer.endDoc(); break;
            default: {
                const QString first = text(in);
                const QString second = in.ConsumeBool() ? text(in) : QString();
                printer.print(first, second);
                printed += first + second;
            }
            }
        }
        printer.endDoc();
    }

    QString drawn;
    bool open = false;
    int textsOnPage = 0;
    for (const Event& e : device.events) {
        switch (e.kind) {
        case Event::Begin:
            if (open)
                fail("a document began inside another", e);
            open = true;
            textsOnPage = 0;
            break;
        case Event::NewPage:
        case Event::End:
            if (!open)
                fail("a page or an end outside a document", e);
            if (textsOnPage == 0)
                fail(e.kind == Event::End ? "the last page is blank" : "a blank page", e);
            textsOnPage = 0;
            open = e.kind != Event::End;
            break;
        case Event::Text: {
            if (!open)
                fail("text outside a document", e);
            ++textsOnPage;
            drawn += e.text;
            const QFontMetricsF metrics(e.font, &device);
            const double top = e.at.y() - metrics.ascent();
            const double right = e.at.x() + metrics.horizontalAdvance(e.text);
            constexpr double slack = 0.01;
            if (e.at.x() < -slack || top < -slack)
                fail("text above or left of the printable area", e);
            if (right > device.width() + slack && !(e.at.x() < slack && oneWord(e.text)))
                fail("text past the right edge", e);
            if (top + metrics.lineSpacing() > device.height() + slack && top > slack)
                fail("text past the bottom", e);
        }
        }
    }
    if (open)
        fail("a document was never ended", {});
    if (withoutBlanks(drawn) != withoutBlanks(printed)) {
        std::fprintf(stderr, "drawn   \"%s\"\nprinted \"%s\"\n", drawn.toUtf8().constData(),
                     printed.toUtf8().constData());
        std::abort();
    }
    return 0;
}

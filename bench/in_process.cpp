#include "in_process.h"

#include "engine/number_text.h"
#include "engine/random_source.h"
#include "layouts/design.h"
#include "program/layout_windows.h"
#include "report/painter_printer.h"
#include "report/printing.h"
#include "toolkit/enter_key.h"
#include "toolkit/platform.h"
#include "toolkit/screen.h"
#include "windows/zorvano.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ortambra::bench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Posted work (layout, the repaint of what the handler changed) is part of the cost.
void settle() { QCoreApplication::processEvents(); }

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "ortambra-bench: %s\n", what);
    std::exit(1);
}

template <typename T> T* element(QWidget& window, const char* array, int k) {
    auto* found = window.findChild<T*>(arrayName(QString::fromUtf8(array), k));
    if (!found)
        fail("a control of the main window is missing");
    return found;
}

class OkBoxes final : public MessageBoxes {
  public:
    Answer show(QWidget*, const QString&, const QString&, Buttons) override { return Answer::Ok; }
};

// The print dialog answered with one copy at once; the printer is the real layer on a PDF file.
class PdfPrinting final : public Printing {
  public:
    explicit PdfPrinting(const QString& file)
        : printer_(QPrinter::HighResolution), layer_(printer_) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(file);
        printer_.setPageSize(QPageSize(QPageSize::A4));
    }
    std::optional<int> choosePrinter(QWidget*) override { return 1; }
    Printer& printer() override { return layer_; }
    int pages() const { return layer_.pages(); }

  private:
    QPrinter printer_;
    PainterPrinter layer_;
};

// A screen with room for the standard set as drawn, whatever screen the benchmark runs on.
class RoomyScreen final : public ScreenSize {
  public:
    QSize primary() const override { return {1920, 1080}; }
    QRect available() const override { return {0, 0, 1920, 1080}; }
    double pixelRatio() const override { return 1.0; }
};

// One run of the game from its main window on, with the real windows of the standard set.
struct Game {
    explicit Game(const QString& pdf, unsigned seed) : random(seed), printing(pdf) {
        shared.Nome = QStringLiteral("Anna");
        shared.Classe = QStringLiteral("3B");
        windows.showMain();
        settle();
        for (int k = 0; k < SeriesLength; ++k) {
            boxes[at(k)] = element<QLineEdit>(window(), "Txt_Numero", k);
            numbers[at(k)] = element<QLabel>(window(), "Lbl_Numero", k);
        }
    }

    Zorvano& window() { return windows.main(); }

    // Via, a wrong answer, then the right one, as the pupil's Enter reaches the handler.
    void playExercise() {
        Zorvano& main = window();
        main.Cmd_Via_Click();
        settle();
        const int k = main.state().Serie.Posizione_Mancante;
        QLineEdit* box = boxes[at(k)];
        const double hidden = readNumber(numbers[at(k)]->text());
        box->setText(generalText(hidden + 1));
        main.Txt_Numero_KeyPress(k, EnterKey);
        settle();
        box->setText(generalText(hidden));
        main.Txt_Numero_KeyPress(k, EnterKey);
        settle();
    }

    MersenneSource random;
    OkBoxes messages;
    PdfPrinting printing;
    RoomyScreen screen;
    Platform platform{random,
                      messages,
                      [] { return QDate(2026, 12, 7); },
                      QLocale(QLocale::Italian, QLocale::Italy),
                      [] {},
                      printing,
                      screen};
    SharedValues shared;
    LayoutWindows windows{LayoutSet::Standard, platform, shared};
    std::array<QLineEdit*, SeriesLength> boxes{};
    std::array<QLabel*, SeriesLength> numbers{};
};

} // namespace

InProcessFigures measureInProcess(int games, int resultRuns, int printRuns) {
    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary directory for the PDF");
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    InProcessFigures figures;

    std::vector<double> exercises;
    for (int g = 0; g < games; ++g) {
        Game game(pdf, static_cast<unsigned>(g + 1));
        for (int n = 1; n <= 100; ++n) {
            const auto start = Clock::now();
            game.playExercise();
            exercises.push_back(millisecondsSince(start));
        }
        if (game.window().state().Indovinati != 100 || game.window().state().Errori != 100)
            fail("the exercises were not played as planned");
    }
    figures.exercise = summarize(exercises);

    Game game(pdf, 1);
    for (int n = 1; n <= 100; ++n)
        game.playExercise();
    std::vector<double> results;
    for (int r = 0; r < resultRuns; ++r) {
        const auto start = Clock::now();
        game.window().Cmd_Risultati_Click();
        settle();
        results.push_back(millisecondsSince(start));
    }
    figures.results = summarize(results);

    std::vector<double> prints;
    for (int r = 0; r < printRuns; ++r) {
        const auto start = Clock::now();
        game.window().Cmd_Stampa_Click();
        prints.push_back(millisecondsSince(start));
    }
    figures.printing = summarize(prints);

    // A finger's tap on the answer box the first time: every window made so far gets its keys and
    // is fitted again; then taps on a digit key and on delete.
    QPointingDevice finger(QStringLiteral("bench finger"), 1, QInputDevice::DeviceType::TouchScreen,
                           QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position,
                           1, 0);
    std::vector<double> keysOut, taps;
    for (int g = 0; g < printRuns; ++g) {
        Game fresh(pdf, static_cast<unsigned>(g + 1));
        fresh.window().Cmd_Via_Click();
        settle();
        QLineEdit* box = fresh.boxes[at(fresh.window().state().Serie.Posizione_Mancante)];
        const QPointF centre = QRectF(box->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, box->mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, {}, &finger);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, box->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, {}, &finger);
        const auto start = Clock::now();
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
        settle();
        keysOut.push_back(millisecondsSince(start));
        auto* digit = fresh.window().findChild<QPushButton*>(QStringLiteral("Tasto_7"));
        auto* erase = fresh.window().findChild<QPushButton*>(QStringLiteral("Tasto_Cancella"));
        if (!digit || !erase || !digit->isVisible())
            fail("no on-screen keys after a finger's press");
        for (int t = 0; t < 10; ++t) {
            const auto tap = Clock::now();
            digit->click();
            settle();
            taps.push_back(millisecondsSince(tap));
            erase->click();
            settle();
        }
    }
    figures.keysOut = summarize(keysOut);
    figures.keyTap = summarize(taps);
    figures.reportPages = game.printing.pages();
    figures.reportBytes = QFileInfo(pdf).size();
    if (figures.reportPages < 2 || figures.reportBytes <= 0)
        fail("the report was not printed");
    return figures;
}

} // namespace ortambra::bench

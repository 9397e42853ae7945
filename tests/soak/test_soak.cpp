// Tens of thousands of random pupil actions on the real windows, with the game's invariants
// checked after every one. A failure names the seed and the actions that led to it.
#include "engine/number_text.h"
#include "forms/caption.h"
#include "forms/calcolatore.h"
#include "forms/frm_istruzioni.h"
#include "program/layout_windows.h"
#include "support/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <deque>
#include <random>

using namespace ortambra;
using namespace ortambra::testing;

Q_DECLARE_METATYPE(ortambra::LayoutSet)

namespace {

const char* const junk[] = {"",      "   ",    "abc",  "1e999", "-1e999", "-0",   "0",
                            "0.0",   "99999",  "-40000", "1e30", "4.5",    "-3",   "7 7",
                            "12abc", ".",      "-",    "e5",   "inf",    "nan",  "0x1A",
                            "3,5",   "1e-999", "2.5",  "+8",   "  9",    "١٢",   "１"};
const char* const mainButtons[] = {"Cmd_Via",       "Cmd_Facile", "Cmd_Help",
                                   "Cmd_Soluzione", "Cmd_Risultati", "Cmd_Stampa",
                                   "Cmd_Calcolatore"};
const char* const menuEntries[] = {"solosomme", "soloprodotti", "sommeprodotti", "due",
                                   "tre",       "quattro",      "cinque",        "sei",
                                   "sette",     "otto",         "nove",          "dieci"};
const char* const operations[] = {"Per", "Meno", "Diviso", "Boh", "", "per"};

class Soak {
  public:
    // A stubborn pupil mostly types wrong numbers and presses Enter, long enough to reach the
    // top of the 16-bit counters.
    Soak(unsigned seed, LayoutSet set, bool stubborn = false)
        : stubborn_(stubborn), seed_(seed), platform_(seed), windows_(set, platform_.platform, shared_), pupil_(seed) {
        windows_.showMain();
        QApplication::setActiveWindow(&main());
    }

    // Runs `actions` random actions; returns an empty text or what went wrong and how.
    QString run(int actions) {
        for (int i = 0; i < actions; ++i) {
            const int before = exercises();
            const int largest = main().state().Massimo;
            act();
            if (exercises() != before && exercises() <= GameState::MaxExercises)
                largestAt_[std::size_t(exercises())] = largest;
            if (QString broken = check(); !broken.isEmpty())
                return QString("seed %1, action %2: %3\nlast actions:\n  %4")
                    .arg(seed_)
                    .arg(i)
                    .arg(broken, QStringList(log_.begin(), log_.end()).join("\n  "));
        }
        return {};
    }

    int exercises() const { return main().state().Num_Esercizio; }
    Int16 errors() const { return main().state().Errori; }

  private:
    Zorvano& main() const { return windows_.main(); }
    template <typename T> T* mainControl(const QString& name) const {
        return control<T>(&main(), name);
    }
    int roll(int below) { return int(pupil_() % unsigned(below)); }
    void note(const QString& what) {
        log_.push_back(what);
        if (log_.size() > 12)
            log_.pop_front();
    }

    QLineEdit* visibleAnswer() const {
        for (int k = 0; k < 6; ++k)
            if (auto* box = mainControl<QLineEdit>(arrayName("Txt_Numero", k)); box->isVisible())
                return box;
        return nullptr;
    }

    void act() {
        const int choice = stubborn_ ? (roll(1000) == 0 ? 50 : 0) : roll(100);
        QLineEdit* box = visibleAnswer();
        if (choice < 35 && box) {
            // Type: the right number, a near miss, or junk; then usually Enter.
            QString text;
            const int kind = stubborn_ ? 4 : roll(4);
            const auto& s = main().state();
            const double hidden = s.Archivio_Numeri[std::size_t(s.Num_Esercizio)]
                                                   [std::size_t(s.Serie.Posizione_Mancante)];
            if (kind == 0)
                text = generalText(hidden);
            else if (kind == 1)
                text = generalText(hidden + roll(5) - 2);
            else if (kind == 4)
                text = generalText(hidden + 1 + roll(9));
            else
                text = QString::fromUtf8(junk[roll(int(std::size(junk)))]);
            note("type \"" + text + "\"");
            box->clear();
            typeText(box, text);
            if (stubborn_ || roll(5) > 0) {
                note("enter");
                expectAnswer(box->text());
                QTest::keyClick(box, Qt::Key_Return);
            }
        } else if (choice < 40 && box) {
            note("click the answer box");
            QTest::mouseClick(box, Qt::LeftButton);
        } else if (choice < 70) {
            const char* name = stubborn_ && choice < 35 ? "Cmd_Via"
                                                        : mainButtons[roll(int(std::size(mainButtons)))];
            if (std::string_view(name) == "Cmd_Stampa") {
                const int copies = roll(4) - 1;
                platform_.printing.copies =
                    copies < 0 ? std::nullopt : std::optional<int>(copies);
                platform_.printing.recorder.statements.clear();
            }
            note(QString("click %1").arg(name));
            QTest::mouseClick(mainControl<QPushButton>(name), Qt::LeftButton);
        } else if (choice < 78) {
            const char* entry = menuEntries[roll(int(std::size(menuEntries)))];
            note(QString("menu %1").arg(entry));
            mainControl<QAction>(entry)->trigger();
        } else if (choice < 95) {
            calculate();
        } else {
            note("instructions, then close them");
            mainControl<QAction>("Mnu_Istruzioni")->trigger();
            QTest::mouseClick(control<QPushButton>(&windows_.instructions(), "Cmd_Conferma"),
                              Qt::LeftButton);
        }
    }

    void calculate() {
        Calcolatore& calc = windows_.calculator();
        if (!calc.isVisible()) {
            note("open the calculator");
            QTest::mouseClick(mainControl<QPushButton>("Cmd_Calcolatore"), Qt::LeftButton);
            return;
        }
        auto* a = control<QLineEdit>(&calc, "Text2");
        auto* b = control<QLineEdit>(&calc, "Text3");
        auto* combo = control<QComboBox>(&calc, "Combo1");
        switch (roll(6)) {
        case 0: {
            const QString word = QString::fromUtf8(operations[roll(int(std::size(operations)))]);
            note("operation \"" + word + "\"");
            combo->lineEdit()->clear();
            QTest::keyClicks(combo->lineEdit(), word);
            break;
        }
        case 1:
            note("next operation");
            QTest::keyClick(combo, roll(2) ? Qt::Key_Down : Qt::Key_Up);
            break;
        case 2: {
            const QString x = operand(), y = operand();
            note("operands \"" + x + "\" and \"" + y + "\", enter");
            a->clear();
            b->clear();
            typeText(a, x);
            QTest::keyClick(a, Qt::Key_Return);
            typeText(b, y);
            QTest::keyClick(b, Qt::Key_Return);
            break;
        }
        case 3:
            note("press =");
            QTest::mouseClick(control<QPushButton>(&calc, "Cmd_Uguale"), Qt::LeftButton);
            break;
        case 4:
            note("Ricalcola");
            QTest::mouseClick(control<QPushButton>(&calc, "Cmd_Ricalcola"), Qt::LeftButton);
            break;
        default:
            note("close the calculator");
            QTest::mouseClick(control<QPushButton>(&calc, "Cmd_Esci"), Qt::LeftButton);
            break;
        }
    }

    QString operand() {
        if (roll(4) == 0)
            return QString::fromUtf8(junk[roll(int(std::size(junk)))]);
        return QString::number(roll(2000) - 1000) + (roll(3) ? "" : "." + QString::number(roll(100)));
    }

    // Junk holds characters beyond what keyClicks can type: those go in as the box's text.
    static void typeText(QLineEdit* box, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClicks(box, QString(c));
            else
                box->insert(QString(c));
        }
    }

    // The tally the soak keeps for itself, from what the pupil typed.
    void expectAnswer(const QString& text) {
        const double typed = readNumber(text);
        const auto& s = main().state();
        if (typed == 0.0 || s.Num_Esercizio < 1)
            return;
        const double hidden =
            s.Archivio_Numeri[std::size_t(s.Num_Esercizio)][std::size_t(s.Serie.Posizione_Mancante)];
        if (typed == hidden) {
            ++right_;
        } else {
            ++wrong_;
            ++wrongPer_[std::size_t(s.Num_Esercizio)];
        }
    }

    QString check() const {
        const GameState& s = main().state();
        const int n = s.Num_Esercizio;
        if (n < 0 || n > GameState::MaxExercises)
            return QString("exercise number %1").arg(n);
        if (s.Indovinati > n || s.Esercizi_Errati > n)
            return QString("%1 right and %2 failed of %3").arg(s.Indovinati).arg(s.Esercizi_Errati).arg(n);
        if (s.Indovinati != std::min(right_, 32767) || s.Errori != std::min(wrong_, 32767))
            return QString("counted %1 right, %2 wrong; the soak saw %3, %4")
                .arg(s.Indovinati).arg(s.Errori).arg(right_).arg(wrong_);
        int sum = 0;
        for (std::size_t e = 0; e <= std::size_t(GameState::MaxExercises); ++e) {
            sum += s.Errori_Esercizio[e];
            if (s.Errori_Esercizio[e] != std::min(wrongPer_[e], 32767))
                return QString("wrong attempts of exercise %1").arg(e);
            if (e > std::size_t(n) && (!s.Nota_Aiuto[e].isEmpty() || !s.Nota_Facilitato[e].isEmpty() ||
                                       !s.Archivio_Inizio[e].isEmpty() || s.Risposte[e] != 0.0))
                return QString("row %1 written before its exercise").arg(e);
        }
        if (sum != s.Errori && s.Errori < 32767)
            return QString("Errori %1, sum per exercise %2").arg(s.Errori).arg(sum);
        const std::array<int, 7> counters{n, s.Indovinati, s.Errori, s.Esercizi_Errati, s.Aiuti,
                                          s.Facilitati, s.Esercizi_Bassa + s.Esercizi_Media};
        for (std::size_t c = 0; c < counters.size(); ++c)
            if (counters[c] < lastCounters_[c])
                return QString("counter %1 went down from %2 to %3")
                    .arg(c).arg(lastCounters_[c]).arg(counters[c]);
        lastCounters_ = counters;
        if (s.Esercizi_Bassa + s.Esercizi_Media + s.Esercizi_Alta != n)
            return "exercises per difficulty do not add up";
        if (n == 0)
            return visibleAnswer() ? "an answer box before the first exercise" : QString();

        // The series on screen is the one in the archive, and follows the series model.
        const auto row = std::size_t(n);
        double previous = s.Archivio_Inizio[row] == "1" ? 1.0 : 0.0;
        for (int k = 0; k < 6; ++k) {
            const auto kk = std::size_t(k);
            const QString number = mainControl<QLabel>(arrayName("Lbl_Numero", k))->text();
            const QString op = mainControl<QLabel>(arrayName("Lbl_Operatore", k))->text();
            const QString step = mainControl<QLabel>(arrayName("Lbl_Suggeri", k))->text();
            if (readNumber(number) != s.Archivio_Numeri[row][kk] || op != s.Archivio_Operatori[row][kk] ||
                readNumber(step) != s.Archivio_Passi[row][kk])
                return QString("position %1 differs from the archive").arg(k);
            const int value = s.Archivio_Passi[row][kk];
            if (value < 1 || value > largestAt_[row])
                return QString("step %1 out of range").arg(value);
            previous = op == "+" ? previous + value : previous * value;
            if (previous != s.Archivio_Numeri[row][kk])
                return QString("position %1 breaks the series").arg(k);
        }
        const int hidden = s.Serie.Posizione_Mancante;
        const bool solved = mainControl<QLabel>(arrayName("Lbl_Numero", hidden))->isVisible();
        int boxes = 0;
        for (int k = 0; k < 6; ++k)
            boxes += mainControl<QLineEdit>(arrayName("Txt_Numero", k))->isVisible() ? 1 : 0;
        if (boxes != (solved ? 0 : 1))
            return QString("%1 answer boxes visible").arg(boxes);
        return {};
    }

    bool stubborn_;
    unsigned seed_;
    TestPlatform platform_;
    SharedValues shared_;
    mutable LayoutWindows windows_;
    std::mt19937 pupil_;
    std::deque<QString> log_;
    int right_ = 0, wrong_ = 0;
    std::array<int, GameState::MaxExercises + 1> wrongPer_{};
    std::array<int, GameState::MaxExercises + 1> largestAt_{}; // N when each exercise began
    mutable std::array<int, 7> lastCounters_{};
};

} // namespace

QtMessageHandler previousHandler = nullptr;

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        // The offscreen platform cannot raise windows and says so on every show.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previousHandler(type, context, message);
            });
    }

    void randomPupils_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<LayoutSet>("set");
        for (unsigned seed = 1; seed <= 6; ++seed)
            QTest::addRow("seed %u", seed)
                << seed << (seed % 2 ? LayoutSet::Standard : LayoutSet::Compact);
    }
    void randomPupils() {
        QFETCH(unsigned, seed);
        QFETCH(LayoutSet, set);
        Soak soak(seed, set);
        const QString broken = soak.run(6000);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        QVERIFY(soak.exercises() > 50); // the pupils did play
    }

    void stubbornPupil() {
        Soak soak(7, LayoutSet::Standard, true);
        const QString broken = soak.run(34000);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        QCOMPARE(soak.errors(), Int16{32767});
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"

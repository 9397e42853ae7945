// Thousands of random pupil actions on the real windows. After every one the soak compares the
// game with its own tally, kept from the game's rules and what the pupil did: every counter, every
// exercise's row, the enabled buttons, and the results and report whenever they are shown. A
// failure names the seed, the action and the actions that led to it.
#include "engine/number_text.h"
#include "program/layout_windows.h"
#include "soak_texts.h"
#include "support/controls.h"
#include "support/main_window.h"
#include "toolkit/caption.h"
#include "windows/calcolatore.h"
#include "windows/frm_istruzioni.h"
#include "windows/frm_nome.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <deque>
#include <functional>
#include <random>

using namespace ortambra;
using namespace ortambra::testing;
using namespace ortambra::soak;

Q_DECLARE_METATYPE(ortambra::LayoutSet)

namespace {

const char* const junk[] = {"",      "   ",    "abc",    "1e999", "-1e999", "-0",  "0",
                            "0.0",   "99999",  "-40000", "1e30",  "4.5",    "-3",  "7 7",
                            "12abc", ".",      "-",      "e5",    "inf",    "nan", "0x1A",
                            "3,5",   "1e-999", "2.5",    "+8",    "  9",    "١٢",  "１"};
const char* const names[] = {"", "Anna", "Zoë Bianchi", "  Luca  ", "4ª B", "O'Brien-Rossi"};
// Names pasted with line breaks and other control characters, shown as blanks in every view.
const char* const pastedNames[] = {"Marco\nBianchi",  "A\tB",      "x\r\ny", "fine\x7f", "\u0085sì",
                                   "riga\u2028nuova", "fine\u2029"};
const char* const menuEntries[] = {"solosomme", "soloprodotti", "sommeprodotti", "due",
                                   "tre",       "quattro",      "cinque",        "sei",
                                   "sette",     "otto",         "nove",          "dieci"};
const char* const operations[] = {"Per", "Meno", "Diviso", "Boh", "", "per"};

enum Button { Via, Facile, Help, Soluzione, Risultati, Stampa, Calculator, Esci, Buttons };
const char* const buttonNames[Buttons] = {"Cmd_Via",         "Cmd_Facile",    "Cmd_Help",
                                          "Cmd_Soluzione",   "Cmd_Risultati", "Cmd_Stampa",
                                          "Cmd_Calcolatore", "Cmd_Esci"};

template <typename T> QString differ(const char* what, const T& got, const T& expected) {
    return QString("%1 is %2, the tally says %3").arg(what).arg(got).arg(expected);
}

// Control characters written out, so that a failure reads on one line.
QString visible(const QString& text) {
    QString shown;
    for (QChar c : text)
        shown += c.category() == QChar::Other_Control
                     ? QString("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                     : QString(c);
    return shown;
}

// The first line where two texts part, both shown.
QString firstDifference(const char* what, const QStringList& got, const QStringList& expected) {
    for (qsizetype i = 0; i < std::max(got.size(), expected.size()); ++i) {
        const QString a = i < got.size() ? got[i] : QString("(none)");
        const QString b = i < expected.size() ? expected[i] : QString("(none)");
        if (a != b)
            return QString("%1, line %2 of %3 (expected %4):\n  got      \"%5\"\n  expected \"%6\"")
                .arg(what)
                .arg(i)
                .arg(got.size())
                .arg(expected.size())
                .arg(visible(a), visible(b));
    }
    return {};
}

class Soak {
  public:
    // `pace` is about how many actions a pupil spends on an exercise before finishing it. A
    // stubborn pupil mostly types wrong numbers and presses Enter, long enough to reach the top
    // of the 16-bit counters.
    Soak(unsigned seed, LayoutSet set, int pace, bool stubborn = false)
        : stubborn_(stubborn), seed_(seed), pace_(pace), platform_(seed),
          windows_(set, platform_.platform, shared_), pupil_(seed) {
        windows_.showMain();
        testing::activate(main());
        for (std::size_t k = 0; k < 6; ++k) {
            const int i = int(k);
            c_.numbers[k] = mainControl<QLabel>(arrayName("Lbl_Numero", i));
            c_.ops[k] = mainControl<QLabel>(arrayName("Lbl_Operatore", i));
            c_.hints[k] = mainControl<QLabel>(arrayName("Lbl_Suggeri", i));
            c_.boxes[k] = mainControl<QLineEdit>(arrayName("Txt_Numero", i));
        }
        for (std::size_t b = 0; b < Buttons; ++b)
            c_.buttons[b] = mainControl<QPushButton>(buttonNames[b]);
        c_.start = mainControl<QLabel>("Lbl_01");
        c_.feedback = mainControl<QLabel>("Lbl_Risultati");
        c_.list = mainControl<QListWidget>("List1");
        expected_ = {true, true, false, false, false, false, true, true};
        budget_ = nextBudget();
    }

    // Runs up to `actions` random actions, stopping `afterEnd` actions after the 100th exercise
    // began; then the pupil looks at the About box, registers, looks at the results, prints and
    // leaves. Returns an empty text or what went wrong and how.
    QString run(int actions, int afterEnd) {
        for (; action_ < actions && afterEnd > 0; ++action_) {
            if (tally_.exercises == 100)
                --afterEnd;
            act();
            if (QString broken = check(); !broken.isEmpty())
                return failure(broken);
        }
        const std::function<void()> finale[] = {
            [this] { about(); },
            [this] { registerPlayer(); },
            [this] { click(Risultati); },
            [this] { click(Stampa); },
        };
        for (const auto& step : finale) {
            step();
            if (QString broken = check(); !broken.isEmpty())
                return failure(broken);
            ++action_;
        }
        if (QString broken = leave(); !broken.isEmpty())
            return failure(broken);
        return {};
    }

    int exercises() const { return main().state().Num_Esercizio; }
    Int16 errors() const { return main().state().Errori; }

  private:
    Zorvano& main() const { return windows_.main(); }
    template <typename T> T* mainControl(const QString& name) const {
        return control<T>(&main(), name);
    }
    QPushButton* button(Button b) const { return c_.buttons[std::size_t(b)]; }
    int roll(int below) { return int(pupil_() % unsigned(below)); }
    int nextBudget() { return 3 + roll(2 * pace_ + 1); }
    void note(const QString& what) {
        log_.push_back(visible(what));
        if (log_.size() > 12)
            log_.pop_front();
    }
    QString failure(const QString& broken) const {
        return QString("seed %1, action %2: %3\nlast actions:\n  %4")
            .arg(seed_)
            .arg(action_)
            .arg(broken, QStringList(log_.begin(), log_.end()).join("\n  "));
    }
    ExpectedExercise& current() { return tally_.rows[std::size_t(tally_.exercises)]; }

    QLineEdit* visibleAnswer() const {
        for (int k = 0; k < 6; ++k)
            if (auto* box = c_.boxes[std::size_t(k)]; box->isVisible())
                return box;
        return nullptr;
    }

    void act() {
        ++spent_;
        QLineEdit* box = visibleAnswer();
        // A pupil spends a while on an exercise, then gets it right or moves on.
        if (!stubborn_ && spent_ > budget_ && tally_.exercises < 100) {
            if (box)
                return type(box, current().numbers[std::size_t(current().hidden)], true);
            if (expected_[Via])
                return click(Via);
        }
        const int choice = stubborn_ ? (roll(1000) == 0 ? 50 : 0) : roll(100);
        if (choice < 35 && box) {
            // The right number, a near miss, junk or a wrong number; then usually Enter.
            const int kind = stubborn_ ? 3 : roll(4);
            const double hidden = readNumber(current().numbers[std::size_t(current().hidden)]);
            QString text;
            if (kind == 0)
                text = generalText(hidden);
            else if (kind == 1)
                text = generalText(hidden + roll(5) - 2);
            else if (kind == 2)
                text = QString::fromUtf8(junk[roll(int(std::size(junk)))]);
            else
                text = generalText(hidden + 1 + roll(9));
            type(box, text, stubborn_ || roll(5) > 0);
        } else if (choice < 40 && box) {
            note("click the answer box");
            QTest::mouseClick(box, Qt::LeftButton);
        } else if (choice < 70) {
            click(stubborn_ ? Via : Button(roll(Esci)));
        } else if (choice < 78) {
            menu(menuEntries[roll(int(std::size(menuEntries)))]);
        } else if (choice < 95) {
            calculate();
        } else if (choice < 97) {
            note("instructions, then close them");
            mainControl<QAction>("Mnu_Istruzioni")->trigger();
            QTest::mouseClick(control<QPushButton>(&windows_.instructions(), "Cmd_Conferma"),
                              Qt::LeftButton);
        } else if (choice < 98) {
            about();
        } else {
            registerPlayer();
        }
    }

    void type(QLineEdit* box, const QString& text, bool enter) {
        note("type \"" + text + "\"" + (enter ? ", enter" : ""));
        box->clear();
        typeText(box, text);
        if (!enter)
            return;
        const double typed = readNumber(box->text());
        QTest::keyClick(box, Qt::Key_Return);
        answered(typed);
    }

    // The rules of an answer: 0 is no answer; a right one closes the exercise; a wrong one
    // counts, and counts the exercise as failed once until a right answer.
    void answered(double typed) {
        if (typed == 0.0)
            return;
        ExpectedExercise& e = current();
        const bool last = tally_.exercises == 100;
        if (typed == readNumber(e.numbers[std::size_t(e.hidden)])) {
            Tally::bump(tally_.right);
            e.answer = typed;
            errorCounted_ = false;
            solved_ = true;
            expected_[Help] = expected_[Soluzione] = false;
            expected_[Risultati] = expected_[Stampa] = expected_[Facile] = true;
        } else {
            Tally::bump(tally_.wrong);
            if (!errorCounted_)
                Tally::bump(tally_.failed);
            Tally::bump(e.wrong);
            errorCounted_ = true;
            if (last) // no exercise follows: the results are open
                expected_[Risultati] = expected_[Stampa] = true;
        }
        expected_[Via] = !last;
    }

    void click(Button b) {
        std::optional<int> copies;
        if (b == Stampa) {
            const int c = roll(4) - 1;
            copies = c < 0 ? std::nullopt : std::optional<int>(c);
            platform_.printing.copies = copies;
            platform_.printing.recorder.statements.clear();
        }
        QString print;
        if (b == Stampa)
            print = copies ? QString(", %1 copies").arg(*copies) : QString(", then cancel");
        note(QString("click %1").arg(buttonNames[b]) + print);
        const int dialogs = platform_.printing.dialogs;
        QTest::mouseClick(button(b), Qt::LeftButton);
        if (!expected_[b]) {
            if (platform_.printing.dialogs != dialogs)
                pending_ = "a disabled Stampa opened the print dialog";
            return;
        }
        switch (b) {
        case Via: return startedExercise();
        case Facile: facilitated_ = !facilitated_; return;
        case Help:
        case Soluzione:
            Tally::bump(tally_.helps);
            current().helped = true;
            expected_[b] = false;
            return;
        case Risultati:
            list_ = List::Results;
            summaryDue_ = true;
            return;
        case Stampa:
            if (platform_.printing.dialogs != dialogs + 1)
                pending_ = "Stampa opened no print dialog";
            else if (QString d =
                         firstDifference("the print", platform_.printing.recorder.transcript(),
                                         describe(expectedPrint(tally_, copies)));
                     !d.isEmpty())
                pending_ = d;
            return;
        default: return;
        }
    }

    // A new exercise as the labels show it right after "Via"; the archive must keep it so.
    void startedExercise() {
        ++tally_.exercises;
        ExpectedExercise& e = current();
        if (facilitated_) {
            Tally::bump(tally_.facilitated);
            e.facilitated = true;
        }
        Tally::bump(tally_.perMode[std::size_t(mode_ - 1)]);
        largestAt_[std::size_t(tally_.exercises)] = largest_;
        e.start = c_.start->text();
        e.hidden = -1;
        for (int k = 0; k < 6; ++k) {
            const auto kk = std::size_t(k);
            e.numbers[kk] = c_.numbers[kk]->text();
            e.steps[kk] = c_.hints[kk]->text();
            e.ops[kk] = c_.ops[kk]->text();
            if (c_.boxes[kk]->isVisible())
                e.hidden = k;
        }
        if (e.hidden < 0 || e.hidden > 4)
            pending_ = QString("the new exercise hides position %1").arg(e.hidden);
        solved_ = false;
        list_ = List::Hidden;
        expected_[Via] = expected_[Risultati] = expected_[Stampa] = expected_[Facile] = false;
        expected_[Help] = expected_[Soluzione] = facilitated_;
        spent_ = 0;
        budget_ = nextBudget();
    }

    void menu(const char* entry) {
        note(QString("menu %1").arg(entry));
        mainControl<QAction>(entry)->trigger();
        const auto index =
            std::find_if(std::begin(menuEntries), std::end(menuEntries),
                         [&](const char* e) { return std::string_view(e) == entry; }) -
            std::begin(menuEntries);
        if (index < 3)
            mode_ = int(index) + 1;
        else
            largest_ = int(index) - 1; // "due" is 2
    }

    void about() {
        note("about box");
        const std::size_t before = platform_.messages.shown.size();
        mainControl<QAction>("Info")->trigger();
        if (platform_.messages.shown.size() != before + 1)
            pending_ = "the About box did not show";
        else if (platform_.messages.shown.back().title != "Ortambra")
            pending_ = "the About box is titled " + platform_.messages.shown.back().title;
    }

    QString pickName() {
        if (roll(2))
            return QString::fromUtf8(pastedNames[roll(int(std::size(pastedNames)))]);
        return QString::fromUtf8(names[roll(int(std::size(names)))]);
    }

    // Name and class typed (or pasted) in the registration window, each confirmed with Enter.
    void registerPlayer() {
        const QString nome = pickName(), classe = pickName();
        note(QString("register \"%1\" \"%2\"").arg(nome, classe));
        windows_.showRegistration();
        Frm_Nome& form = windows_.registration();
        testing::activate(form);
        auto* name = control<QLineEdit>(&form, "Txt_Nome");
        auto* cls = control<QLineEdit>(&form, "Txt_Classe");
        auto* confirm = control<QPushButton>(&form, "Cmd_Conferma");
        name->clear();
        typeText(name, nome);
        QTest::keyClick(name, Qt::Key_Return);
        cls->clear();
        typeText(cls, classe);
        QTest::keyClick(cls, Qt::Key_Return);
        if (QApplication::focusWidget() != confirm)
            pending_ = "Enter in the class box does not lead to the confirmation";
        QTest::keyClick(confirm, Qt::Key_Return);
        testing::activate(main());
        tally_.nome = name->text();
        tally_.classe = cls->text();
        if (!form.isHidden() || main().isHidden())
            pending_ = "confirming did not go back to the game";
        if (shared_.Nome != tally_.nome || shared_.Classe != tally_.classe)
            pending_ = "the registration kept \"" + shared_.Nome + "\" \"" + shared_.Classe + "\"";
    }

    QString leave() {
        const bool viaEsci = seed_ % 2;
        note(viaEsci ? "click Cmd_Esci" : "close the main window");
        if (viaEsci)
            QTest::mouseClick(button(Esci), Qt::LeftButton);
        else
            main().close();
        if (!main().isHidden())
            return "the main window is still shown";
        if (platform_.quits != 1)
            return QString("the program was asked to quit %1 times").arg(platform_.quits);
        return {};
    }

    void calculate() {
        Calcolatore& calc = windows_.calculator();
        if (!calc.isVisible())
            return click(Calculator);
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
        return QString::number(roll(2000) - 1000) +
               (roll(3) ? "" : "." + QString::number(roll(100)));
    }

    // What keyClicks cannot type (beyond ASCII, control characters) is pasted into the box.
    static void typeText(QLineEdit* box, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                QTest::keyClicks(box, QString(c));
            else
                box->insert(QString(c));
        }
    }

    QString check() {
        if (!pending_.isEmpty())
            return std::exchange(pending_, QString());
        const GameState& s = main().state();
        const int n = s.Num_Esercizio;
        if (n < 0 || n > GameState::MaxExercises)
            return QString("exercise number %1").arg(n);
        if (platform_.quits != 0)
            return "the program was asked to quit";

        const std::pair<const char*, std::pair<int, int>> counters[] = {
            {"Num_Esercizio", {n, tally_.exercises}},
            {"Indovinati", {s.Indovinati, tally_.right}},
            {"Errori", {s.Errori, tally_.wrong}},
            {"Esercizi_Errati", {s.Esercizi_Errati, tally_.failed}},
            {"Aiuti", {s.Aiuti, tally_.helps}},
            {"Facilitati", {s.Facilitati, tally_.facilitated}},
            {"Esercizi_Bassa", {s.Esercizi_Bassa, tally_.perMode[0]}},
            {"Esercizi_Media", {s.Esercizi_Media, tally_.perMode[1]}},
            {"Esercizi_Alta", {s.Esercizi_Alta, tally_.perMode[2]}},
        };
        for (std::size_t c = 0; c < std::size(counters); ++c) {
            const auto [got, expected] = counters[c].second;
            if (got != expected)
                return differ(counters[c].first, got, expected);
            if (got < lastCounters_[c])
                return QString("%1 went down from %2 to %3")
                    .arg(counters[c].first)
                    .arg(lastCounters_[c])
                    .arg(got);
            lastCounters_[c] = got;
        }
        if (s.Indovinati > n || s.Esercizi_Errati > n)
            return QString("%1 right and %2 failed of %3")
                .arg(s.Indovinati)
                .arg(s.Esercizi_Errati)
                .arg(n);
        if (s.Esercizi_Bassa + s.Esercizi_Media + s.Esercizi_Alta != n)
            return "exercises per difficulty do not add up";

        int sum = 0;
        for (std::size_t e = 1; e <= std::size_t(GameState::MaxExercises); ++e) {
            sum += s.Errori_Esercizio[e];
            if (QString broken = checkRow(s, e); !broken.isEmpty())
                return QString("exercise %1: %2").arg(e).arg(broken);
        }
        if (sum != s.Errori && s.Errori < Tally::Top)
            return QString("Errori %1, sum per exercise %2").arg(s.Errori).arg(sum);

        for (int b = 0; b < Buttons; ++b)
            if (button(Button(b))->isEnabled() != expected_[std::size_t(b)])
                return QString("%1 is %2")
                    .arg(buttonNames[b], expected_[std::size_t(b)] ? "disabled" : "enabled");
        const QString facile = facilitated_ ? "Clicca per Non Facile" : "Clicca per Facile";
        if (button(Facile)->text() != facile)
            return "Cmd_Facile reads " + button(Facile)->text();

        if (QString broken = checkResults(); !broken.isEmpty())
            return broken;
        return n == 0 ? (visibleAnswer() ? "an answer box before the first exercise" : QString())
                      : checkSeriesOnScreen(s);
    }

    // An exercise's row holds what the tally says; a row after the current one is untouched.
    QString checkRow(const GameState& s, std::size_t e) const {
        const ExpectedExercise& x = tally_.rows[e];
        if (e > std::size_t(tally_.exercises)) {
            if (!s.Nota_Aiuto[e].isEmpty() || !s.Nota_Facilitato[e].isEmpty() ||
                !s.Archivio_Inizio[e].isEmpty() || s.Risposte[e] != 0.0 ||
                s.Errori_Esercizio[e] != 0)
                return "row written before its exercise";
            return {};
        }
        if (s.Risposte[e] != x.answer)
            return differ("Risposte", s.Risposte[e], x.answer);
        if (s.Errori_Esercizio[e] != x.wrong)
            return differ("Errori_Esercizio", int(s.Errori_Esercizio[e]), x.wrong);
        if (s.Nota_Facilitato[e] != (x.facilitated ? "Facilitato" : ""))
            return "Nota_Facilitato is \"" + s.Nota_Facilitato[e] + "\"";
        if (s.Nota_Aiuto[e] != (x.helped ? "Chiesto aiuto" : ""))
            return "Nota_Aiuto is \"" + s.Nota_Aiuto[e] + "\"";
        if (s.Archivio_Inizio[e] != x.start)
            return "Archivio_Inizio is " + s.Archivio_Inizio[e] + ", the labels showed " + x.start;
        for (std::size_t k = 0; k < 6; ++k) {
            if (s.Archivio_Numeri[e][k] != readNumber(x.numbers[k]))
                return QString("Archivio_Numeri(%1) is %2, the label showed %3")
                    .arg(k)
                    .arg(s.Archivio_Numeri[e][k])
                    .arg(x.numbers[k]);
            if (s.Archivio_Passi[e][k] != readNumber(x.steps[k]))
                return QString("Archivio_Passi(%1) is %2, the hint showed %3")
                    .arg(k)
                    .arg(s.Archivio_Passi[e][k])
                    .arg(x.steps[k]);
            if (s.Archivio_Operatori[e][k] != x.ops[k])
                return QString("Archivio_Operatori(%1) is %2, the label showed %3")
                    .arg(k)
                    .arg(s.Archivio_Operatori[e][k], x.ops[k]);
        }
        return {};
    }

    // The results are the game as it is whenever they are on screen.
    QString checkResults() {
        const QListWidget* list = c_.list;
        if (list->isHidden() != (list_ == List::Hidden))
            return list_ == List::Hidden ? "List1 is shown" : "List1 is hidden";
        if (list_ == List::Empty && list->count() != 0)
            return "List1 is filled before the results were asked for";
        if (list_ == List::Results) {
            QStringList rows;
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            if (QString d = firstDifference("List1", rows, expectedRows(tally_)); !d.isEmpty())
                return d;
        }
        if (std::exchange(summaryDue_, false)) {
            const QString got = caption(c_.feedback);
            if (QString d = firstDifference("Lbl_Risultati", got.split(u'\r'),
                                            expectedSummary(tally_).split(u'\r'));
                !d.isEmpty())
                return d;
        }
        return {};
    }

    // The series on screen is the one the labels showed at "Via", and follows the series model.
    QString checkSeriesOnScreen(const GameState& s) const {
        const ExpectedExercise& e = tally_.rows[std::size_t(tally_.exercises)];
        double previous = e.start == "1" ? 1.0 : 0.0;
        if (e.start != "0" && e.start != "1")
            return "start value " + e.start;
        for (int k = 0; k < 6; ++k) {
            const auto kk = std::size_t(k);
            if (c_.numbers[kk]->text() != e.numbers[kk] || c_.ops[kk]->text() != e.ops[kk] ||
                c_.hints[kk]->text() != e.steps[kk])
                return QString("position %1 changed on screen").arg(k);
            const double step = readNumber(e.steps[kk]);
            if (step < 1 || step > largestAt_[std::size_t(tally_.exercises)])
                return QString("step %1 out of range").arg(step);
            previous = e.ops[kk] == "+" ? previous + step : previous * step;
            if (e.ops[kk] != "+" && e.ops[kk] != "x")
                return "operator " + e.ops[kk];
            if (previous != readNumber(e.numbers[kk]))
                return QString("position %1 breaks the series").arg(k);
        }
        if (e.hidden != s.Serie.Posizione_Mancante)
            return QString("the answer box is at %1, the missing number at %2")
                .arg(e.hidden)
                .arg(s.Serie.Posizione_Mancante);
        const auto repeats = [&](std::size_t r) {
            for (std::size_t k = r; k < 6; ++k)
                if (e.steps[k] != e.steps[k % r] || e.ops[k] != e.ops[k % r])
                    return false;
            return true;
        };
        if (!repeats(2) && !repeats(3))
            return "the series follows no rhythm of two or three steps";
        const QLineEdit* box = c_.boxes[std::size_t(e.hidden)];
        int boxes = 0;
        for (int k = 0; k < 6; ++k)
            boxes += c_.boxes[std::size_t(k)]->isVisible() ? 1 : 0;
        if (boxes != (solved_ ? 0 : 1) || box->isVisible() == solved_)
            return QString("%1 answer boxes visible").arg(boxes);
        return {};
    }

    bool stubborn_;
    unsigned seed_;
    int pace_;
    TestPlatform platform_;
    SharedValues shared_;
    mutable LayoutWindows windows_;
    struct { // the main window's controls, looked up once
        std::array<QLabel*, 6> numbers, ops, hints;
        std::array<QLineEdit*, 6> boxes;
        std::array<QPushButton*, Buttons> buttons;
        QLabel *start, *feedback;
        QListWidget* list;
    } c_{};
    std::mt19937 pupil_;
    std::deque<QString> log_;
    int action_ = 0;
    int spent_ = 0, budget_ = 0; // actions on this exercise, and before finishing it

    // The tally and what the window should look like.
    Tally tally_;
    int mode_ = 1, largest_ = 3;
    bool facilitated_ = false, errorCounted_ = false, solved_ = false;
    enum class List { Empty, Hidden, Results }; // empty as drawn, until the first "Via"
    List list_ = List::Empty;
    bool summaryDue_ = false;
    std::array<bool, Buttons> expected_{};
    std::array<int, GameState::MaxExercises + 1> largestAt_{}; // N when each exercise began
    std::array<int, 9> lastCounters_{};
    QString pending_; // what went wrong inside an action
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
        QTest::addColumn<int>("pace");
        QTest::addColumn<int>("actions");
        QTest::addColumn<bool>("finishes"); // reaches the 100th exercise and plays on a little
        const struct {
            int pace, actions;
            bool finishes;
        } pupils[] = {{12, 3000, true}, {30, 1100, false}, {10, 3000, true},
                      {14, 3000, true}, {30, 1000, false}, {40, 1200, false}};
        for (unsigned seed = 1; seed <= std::size(pupils); ++seed) {
            const auto& p = pupils[seed - 1];
            QTest::addRow("seed %u", seed)
                << seed << (seed % 2 ? LayoutSet::Standard : LayoutSet::Compact) << p.pace
                << p.actions << p.finishes;
        }
    }
    void randomPupils() {
        QFETCH(unsigned, seed);
        QFETCH(LayoutSet, set);
        QFETCH(int, pace);
        QFETCH(int, actions);
        QFETCH(bool, finishes);
        Soak soak(seed, set, pace);
        const QString broken = soak.run(actions, 250);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        QVERIFY(soak.exercises() > 40); // the pupils did play
        QCOMPARE(soak.exercises() == GameState::MaxExercises, finishes);
    }

    void stubbornPupil() {
        Soak soak(7, LayoutSet::Standard, 0, true);
        const QString broken = soak.run(34000, 34000);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        QCOMPARE(soak.errors(), Int16{32767});
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"

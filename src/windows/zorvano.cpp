#include "zorvano.h"

#include "engine/number_text.h"
#include "engine/rules.h"
#include "layouts/colours.h"
#include "layouts/main_layout.h"
#include "report/printed_report.h"
#include "report/printing.h"
#include "report/results_view.h"
#include "toolkit/accessibility.h"
#include "toolkit/caption.h"
#include "toolkit/controls.h"
#include "toolkit/enter_key.h"
#include "toolkit/number_fit.h"
#include "toolkit/window_fit.h"
#include "window_set.h"
#include "windows/version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

namespace ortambra {

namespace {

QString facileCaption(bool facilitated) {
    return facilitated ? QStringLiteral("Clicca per Non Facile")
                       : QStringLiteral("Clicca per Facile");
}

void styleFeedback(QLabel* label, double points, Qt::Alignment align, const QColor& colour) {
    setFontSize(label, points);
    label->setAlignment(align | Qt::AlignTop);
    setForeColour(label, colour);
}

} // namespace

Zorvano::Zorvano(LayoutSet set, WindowSet& windows, Platform& platform, SharedValues& shared,
                 const Presets& presets)
    : set_(set), windows_(windows), platform_(platform), shared_(shared) {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    applyWindowSpec(this, client, mainWindowSpec(set));
    const BuiltControls built = buildControls(client, mainWindowControls(), set);
    built.fill(ui.Lbl_Numero, "Lbl_Numero");
    built.fill(ui.Txt_Numero, "Txt_Numero");
    built.fill(ui.Lbl_Operatore, "Lbl_Operatore");
    built.fill(ui.Lbl_Suggeri, "Lbl_Suggeri");
    built.fill(ui.Lbl_01, "Lbl_01");
    built.fill(ui.Lbl_Titolo, "Lbl_Titolo");
    built.fill(ui.Lbl_Esercizio, "Lbl_Esercizio");
    built.fill(ui.Lbl_Risultati, "Lbl_Risultati");
    built.fill(ui.Lbl_Difficoltà, "Lbl_Difficoltà");
    built.fill(ui.Lbl_Complessità, "Lbl_Complessità");
    built.fill(ui.Lbl_Per_Iniziare, "Lbl_Per_Iniziare");
    built.fill(ui.List1, "List1");
    built.fill(ui.Cmd_Via, "Cmd_Via");
    built.fill(ui.Cmd_Facile, "Cmd_Facile");
    built.fill(ui.Cmd_Help, "Cmd_Help");
    built.fill(ui.Cmd_Soluzione, "Cmd_Soluzione");
    built.fill(ui.Cmd_Risultati, "Cmd_Risultati");
    built.fill(ui.Cmd_Stampa, "Cmd_Stampa");
    built.fill(ui.Cmd_Calcolatore, "Cmd_Calcolatore");
    built.fill(ui.Cmd_Esci, "Cmd_Esci");
    for (int i = 0; i < SeriesLength; ++i) {
        ui.Txt_Numero[at(i)]->installEventFilter(this);
        fitNumbers(ui.Lbl_Numero[at(i)]); // a seven-digit number shrinks to fit its box
        // The answer box stands in for a number: the pupil types in the numbers' size.
        setFontSize(ui.Txt_Numero[at(i)], numberFontPoints(set));
        ui.Txt_Numero[at(i)]->setAlignment(Qt::AlignCenter);
    }

    connect(ui.Cmd_Via, &QPushButton::clicked, this, &Zorvano::Cmd_Via_Click);
    connect(ui.Cmd_Facile, &QPushButton::clicked, this, &Zorvano::Cmd_Facile_Click);
    connect(ui.Cmd_Help, &QPushButton::clicked, this, &Zorvano::Cmd_Help_Click);
    connect(ui.Cmd_Soluzione, &QPushButton::clicked, this, &Zorvano::Cmd_Soluzione_Click);
    connect(ui.Cmd_Risultati, &QPushButton::clicked, this, &Zorvano::Cmd_Risultati_Click);
    connect(ui.Cmd_Stampa, &QPushButton::clicked, this, &Zorvano::Cmd_Stampa_Click);
    connect(ui.Cmd_Calcolatore, &QPushButton::clicked, this, &Zorvano::Cmd_Calcolatore_Click);
    connect(ui.Cmd_Esci, &QPushButton::clicked, this, &Zorvano::Cmd_Esci_Click);
    buildMenus();
    Form_Load();
    applyPresets(presets);
}

void Zorvano::buildMenus() {
    QMenu* difficol = settingsMenus_.difficol = menuBar()->addMenu(QStringLiteral("Difficoltà"));
    difficol->setObjectName("difficol");
    for (const auto& entry : modeEntries) {
        QAction* action = difficol->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(entry.name);
        connect(action, &QAction::triggered, this,
                [this, mode = entry.mode] { difficol_Click(mode); });
    }
    QMenu* compless = settingsMenus_.compless = menuBar()->addMenu(QStringLiteral("Complessità"));
    compless->setObjectName("compless");
    for (const auto& entry : largestEntries) {
        QAction* action = compless->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(entry.name);
        connect(action, &QAction::triggered, this,
                [this, largest = entry.largest] { compless_Click(largest); });
    }
    QAction* istruzioni = menuBar()->addAction(QStringLiteral("Istruzioni"));
    istruzioni->setObjectName("Mnu_Istruzioni");
    connect(istruzioni, &QAction::triggered, this, &Zorvano::Mnu_Istruzioni_Click);
    QAction* info = menuBar()->addAction(QStringLiteral("&?"));
    info->setObjectName("Info");
    nameMenuBarEntry(info, QStringLiteral("Informazioni")); // "?" alone says nothing
    connect(info, &QAction::triggered, this, &Zorvano::Info_Click);
    openMenusWithF10(menuBar());
}

void Zorvano::Form_Load() {
    ui.Cmd_Help->setEnabled(false);
    ui.Cmd_Soluzione->setEnabled(false);
    ui.Cmd_Risultati->setEnabled(false);
    ui.Cmd_Stampa->setEnabled(false);
    // The start settings are the state record's own defaults.
    setCaption(ui.Lbl_Difficoltà, difficultyCaption(state_.Operazioni));
    setCaption(ui.Lbl_Complessità, complexityCaption(state_.Massimo));
    ui.Cmd_Facile->setText(facileCaption(state_.Facilitato));
    ui.Lbl_01->hide();
    resetNumberFonts();
}

void Zorvano::applyPresets(const Presets& presets) {
    // The teacher's choices go through the menus' handlers and the toggle's rule, captions and
    // all; the toggle's announcement is left out, the window not being on screen yet.
    if (presets.mode)
        difficol_Click(*presets.mode);
    if (presets.largest)
        compless_Click(*presets.largest);
    if (presets.facilitated)
        ui.Cmd_Facile->setText(facileCaption(rules::toggleFacilitated(state_)));
    settingsLocked_ = presets.locked;
    if (settingsLocked_) {
        // The menus still open, by mouse and by F10, showing every entry unavailable: the way
        // to "Istruzioni" and "?" stays the usual one.
        for (QMenu* menu : {settingsMenus_.difficol, settingsMenus_.compless})
            for (QAction* entry : menu->actions())
                entry->setEnabled(false);
        ui.Cmd_Facile->setEnabled(false);
    }
}

void Zorvano::resetNumberFonts() {
    for (auto* label : ui.Lbl_Numero)
        setFontSize(label, numberFontPoints(set_));
}

void Zorvano::difficol_Click(Mode mode) {
    rules::chooseMode(state_, mode);
    setCaption(ui.Lbl_Difficoltà, difficultyCaption(state_.Operazioni));
}

void Zorvano::compless_Click(int largest) {
    if (!rules::chooseLargest(state_, largest))
        return;
    setCaption(ui.Lbl_Complessità, complexityCaption(largest));
    resetNumberFonts();
}

QLineEdit* Zorvano::answerBox() const { return ui.Txt_Numero[at(state_.Serie.Posizione_Mancante)]; }
QLabel* Zorvano::hiddenLabel() const { return ui.Lbl_Numero[at(state_.Serie.Posizione_Mancante)]; }

void Zorvano::Cmd_Via_Click() {
    if (!rules::startExercise(state_, platform_.random))
        return; // the tables hold 100 exercises; the button stays disabled from then on
    ui.Lbl_Esercizio->setText(QStringLiteral("Esercizio n° ") + strText(state_.Num_Esercizio));
    ui.Cmd_Help->setEnabled(state_.Facilitato);
    ui.Cmd_Soluzione->setEnabled(state_.Facilitato);
    ui.List1->hide();
    for (int i = 0; i < SeriesLength; ++i) {
        ui.Lbl_Suggeri[at(i)]->hide();
        ui.Lbl_Operatore[at(i)]->hide();
        setBackColour(ui.Lbl_Numero[at(i)], colours::lightYellow);
        // An exercise left after a wrong answer keeps its number hidden and its box shown; the
        // new series shows every number but its own missing one.
        ui.Lbl_Numero[at(i)]->show();
        ui.Txt_Numero[at(i)]->hide();
    }
    styleFeedback(ui.Lbl_Risultati, 8, Qt::AlignLeft, colours::blue);
    // The results view may have grown the label.
    ui.Lbl_Risultati->setGeometry(
        drawnRect(this, mainControlGeometry(set_, QStringLiteral("Lbl_Risultati"))));
    ui.Cmd_Via->setEnabled(false);
    ui.Lbl_Per_Iniziare->hide();
    ui.Cmd_Risultati->setEnabled(false);
    ui.Cmd_Stampa->setEnabled(false);
    ui.Cmd_Facile->setEnabled(false);

    hiddenLabel()->hide();
    answerBox()->show();
    setBackColour(answerBox(), colours::lightGrey);
    answerBox()->clear();

    setCaption(ui.Lbl_Risultati, {});
    ui.Lbl_Risultati->hide();
    ui.Lbl_01->hide();
    showSeries(state_.Serie);
    answerBox()->setFocus();
    announce(this, spokenExercise());
}

void Zorvano::showSeries(const Series& series) {
    for (int k = 0; k < SeriesLength; ++k) {
        ui.Lbl_Numero[at(k)]->setText(generalText(series.Numeri[at(k)]));
        ui.Lbl_Suggeri[at(k)]->setText(QString::number(series.stepAt(k)));
        ui.Lbl_Operatore[at(k)]->setText(operatorCaption(series.opAt(k)));
        // Facilitated mode marks the rhythm: Doppio its first cycle, Triplo cycles 1 and 3.
        const bool marked = k < series.Ritmo || (series.Ritmo == 2 && k >= 4);
        if (state_.Facilitato && marked)
            setBackColour(ui.Lbl_Numero[at(k)], colours::lightGreen);
    }
    ui.Lbl_01->setText(QString::number(series.startValue()));
}

void Zorvano::enableNextExercise() {
    if (!state_.exercisesExhausted()) {
        ui.Cmd_Via->setEnabled(true);
        return;
    }
    ui.Cmd_Risultati->setEnabled(true);
    ui.Cmd_Stampa->setEnabled(true);
    // The closing message is longer than the start hint its label was drawn for: widen the
    // label about its centre so that it reads in two lines. No exercise follows to restore it.
    QRect place = ui.Lbl_Per_Iniziare->geometry();
    const int centre = place.center().x();
    place.setWidth(drawnLength(this, toPixels(2100)));
    place.moveLeft(centre - place.width() / 2);
    ui.Lbl_Per_Iniziare->setGeometry(place);
    ui.Lbl_Per_Iniziare->setText(QStringLiteral("Esercizi finiti: guarda i risultati"));
    ui.Lbl_Per_Iniziare->show();
}

void Zorvano::Txt_Numero_KeyPress(int /*index*/, int key) {
    if (key != EnterKey)
        return;
    QLineEdit* box = answerBox();
    const rules::AnswerOutcome outcome =
        rules::giveAnswer(state_, box->text(), hiddenLabel()->text());
    if (outcome.verdict == rules::Verdict::Ignored)
        return; // empty, no number, or 0: never a number of a series
    if (outcome.verdict == rules::Verdict::Right) {
        setBackColour(box, colours::red);
        ui.Lbl_Risultati->show();
        styleFeedback(ui.Lbl_Risultati, 24, Qt::AlignHCenter, colours::red);
        setCaption(ui.Lbl_Risultati, outcome.feedback);
        box->hide();
        hiddenLabel()->show();
        ui.Cmd_Help->setEnabled(false);
        ui.Cmd_Soluzione->setEnabled(false);
        enableNextExercise();
        ui.Cmd_Risultati->setEnabled(true);
        ui.Cmd_Stampa->setEnabled(true);
        ui.Lbl_Per_Iniziare->show();
        ui.Cmd_Facile->setEnabled(!settingsLocked_);
        (state_.exercisesExhausted() ? ui.Cmd_Risultati : ui.Cmd_Via)->setFocus();
    } else {
        ui.Lbl_Risultati->show();
        setCaption(ui.Lbl_Risultati, outcome.feedback);
        box->clear();
        box->setFocus();
        enableNextExercise();
    }
    refreshResultsList();
    announce(this, spokenFeedback());
}

void Zorvano::Txt_Numero_Click(int /*index*/) {
    answerBox()->setText(generalText(shared_.Risultato));
}

void Zorvano::Cmd_Facile_Click() {
    ui.Cmd_Facile->setText(facileCaption(rules::toggleFacilitated(state_)));
    // The focused button's new caption, which Orca does not read by itself.
    notifyScreenReader(this, ui.Cmd_Facile->text());
}

void Zorvano::Cmd_Help_Click() {
    const auto h = at(state_.Serie.Posizione_Mancante);
    ui.Lbl_Suggeri[h]->show();
    ui.Lbl_Operatore[h]->show();
    if (!ui.Lbl_Operatore[0]->isHidden())
        ui.Lbl_01->show(); // the start value the first step applies to
    rules::recordHelp(state_);
    ui.Cmd_Help->setEnabled(false);
    answerBox()->setFocus();
    refreshResultsList();
    announce(this, QStringLiteral("Parziale: ") + spokenSteps());
}

void Zorvano::Cmd_Soluzione_Click() {
    for (int i = 0; i < SeriesLength; ++i) {
        ui.Lbl_Suggeri[at(i)]->show();
        ui.Lbl_Operatore[at(i)]->show();
    }
    ui.Lbl_01->show();
    rules::recordHelp(state_);
    ui.Cmd_Soluzione->setEnabled(false);
    answerBox()->setFocus();
    refreshResultsList();
    announce(this, QStringLiteral("Soluzione: ") + spokenSteps());
}

void Zorvano::Cmd_Risultati_Click() {
    ui.List1->clear();
    for (int i = 0; i < SeriesLength; ++i) {
        ui.Lbl_Suggeri[at(i)]->hide();
        ui.Lbl_Operatore[at(i)]->hide();
    }
    ui.Lbl_01->hide();
    setCaption(ui.Lbl_Risultati, {});
    styleFeedback(ui.Lbl_Risultati, 8, Qt::AlignLeft, colours::blue);
    state_.refreshCleanSuccesses();
    setCaption(ui.Lbl_Risultati,
               resultsSummary(state_, shared_, platform_.today(), platform_.locale));
    growToFitText(ui.Lbl_Risultati); // Cmd_Via_Click gives the label its own box back
    ui.List1->show();
    ui.List1->addItems(resultsRows(state_, shared_, platform_.today(), platform_.locale));
    announce(this, ui.Lbl_Risultati->text().split(u'\n').join(QStringLiteral(". ")) +
                       QStringLiteral(". Segue l'elenco degli esercizi."));
}

// At exercise 100 the results can be opened while the exercise is still open: the list must
// follow every later answer and help request, and a new registration. An empty list (at the
// start) holds no results to follow.
void Zorvano::refreshResultsList() {
    if (ui.List1->isHidden() || ui.List1->count() == 0)
        return;
    ui.List1->clear();
    ui.List1->addItems(resultsRows(state_, shared_, platform_.today(), platform_.locale));
}

void Zorvano::Cmd_Stampa_Click() {
    state_.refreshCleanSuccesses(); // before the dialog, so a cancelled print updates it too
    const std::optional<int> Copie = platform_.printing.choosePrinter(this);
    if (!Copie)
        return;
    printReport(platform_.printing.printer(), state_, shared_, platform_.today(), platform_.locale,
                *Copie);
}

void Zorvano::Cmd_Calcolatore_Click() { windows_.showCalculator(); }

void Zorvano::Mnu_Istruzioni_Click() { windows_.showInstructions(); }

void Zorvano::Info_Click() {
    platform_.messages.show(this, QStringLiteral("Ortambra"),
                            QStringLiteral("        Ortambra, versione ") +
                                QString::fromUtf8(versionText) + QStringLiteral("\r           ") +
                                QString::fromUtf8(releaseDate),
                            MessageBoxes::Buttons::Ok);
}

void Zorvano::Cmd_Esci_Click() {
    hide();
    platform_.quit();
}

void Zorvano::closeEvent(QCloseEvent* event) {
    event->accept();
    platform_.quit();
}

// Back from the registration window with a new name, the list on screen must show it.
void Zorvano::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshResultsList();
    QMainWindow::changeEvent(event);
}

bool Zorvano::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < SeriesLength; ++i) {
        if (watched != ui.Txt_Numero[at(i)])
            continue;
        if (const auto code = keyPressCode(event)) {
            Txt_Numero_KeyPress(i, *code);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                ui.Txt_Numero[at(i)]->rect().contains(mouse->position().toPoint()))
                Txt_Numero_Click(i);
        }
    }
    return QMainWindow::eventFilter(watched, event); // no key is swallowed
}

} // namespace ortambra

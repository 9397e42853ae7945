#include "calcolatore.h"

#include "engine/calculation.h"
#include "engine/number_text.h"
#include "layouts/calculator_layout.h"
#include "toolkit/accessibility.h"
#include "toolkit/controls.h"
#include "toolkit/enter_key.h"
#include "toolkit/number_fit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ortambra {

Calcolatore::Calcolatore(LayoutSet set, Platform& platform, SharedValues& shared)
    : platform_(platform), shared_(shared) {
    applyWindowSpec(this, this, calculatorWindowSpec(set));
    exposeWindow(this, WindowRole::Dialog);
    const BuiltControls built = buildControls(this, calculatorControls(), set);

    built.fill(ui.Text2, "Text2");
    built.fill(ui.Text3, "Text3");
    built.fill(ui.Combo1, "Combo1");
    built.fill(ui.Cmd_Uguale, "Cmd_Uguale");
    built.fill(ui.Cmd_Ricalcola, "Cmd_Ricalcola");
    built.fill(ui.Cmd_Esci, "Cmd_Esci");
    built.fill(ui.Label8, "Label8");
    built.fill(ui.Lbl_Calcolatrice, "Lbl_Calcolatrice");
    labelForScreenReader(ui.Combo1);
    // A third has 15 digits and the box holds four at full size: the figure shrinks as far as
    // it stays readable, then takes a second line, so no digit is ever cut off.
    ui.Label8->setWordWrap(false);
    fitNumbers(ui.Label8, {.minimumPoints = ResultMinimumPoints, .maxLines = 2});

    ui.Text2->installEventFilter(this);
    ui.Text3->installEventFilter(this);
    connect(ui.Combo1, &QComboBox::activated, this, &Calcolatore::Combo1_Click);
    connect(ui.Combo1, &QComboBox::editTextChanged, this, &Calcolatore::Combo1_Change);
    connect(ui.Cmd_Uguale, &QPushButton::clicked, this, &Calcolatore::Cmd_Uguale_Click);
    connect(ui.Cmd_Ricalcola, &QPushButton::clicked, this, &Calcolatore::Cmd_Ricalcola_Click);
    connect(ui.Cmd_Esci, &QPushButton::clicked, this, &Calcolatore::Cmd_Esci_Click);
    Form_Load();
}

void Calcolatore::Form_Load() { ui.Lbl_Calcolatrice->clear(); }

int Calcolatore::listIndex() const {
    return ui.Combo1->findText(ui.Combo1->currentText(), Qt::MatchFixedString);
}

void Calcolatore::Combo1_Click() { Operazione = calculatorOperation(listIndex()); }

void Calcolatore::Combo1_Change() { Operazione = calculatorOperation(listIndex()); }

void Calcolatore::Text2_KeyPress(int key) {
    if (key == EnterKey)
        ui.Text3->setFocus();
}

void Calcolatore::Text3_KeyPress(int key) {
    if (key == EnterKey)
        Cmd_Uguale_Click();
}

void Calcolatore::Cmd_Uguale_Click() {
    if (Operazione) {
        const double a = readNumber(ui.Text2->text(), Blanks::Leading);
        const double b = readNumber(ui.Text3->text(), Blanks::Leading);
        const auto result = calculate(*Operazione, a, b);
        if (!result) {
            // The last result stays for the answer box; the pupil can correct and try again.
            ui.Lbl_Calcolatrice->setText(QStringLiteral("Operazione impossibile"));
            announce(this, ui.Lbl_Calcolatrice->text());
            return;
        }
        showResult(*result);
    }
    shared_.Risultato = shownValue_;
    ui.Lbl_Calcolatrice->setText(
        QStringLiteral("Clicca sulla casella vuota per trasferire il risultato"));
    announce(this, QStringLiteral("Risultato ") + ui.Label8->text() + QStringLiteral(". ") +
                       ui.Lbl_Calcolatrice->text());
}

void Calcolatore::showResult(double value) {
    // The answer box gets the number the label shows, read with the locale that wrote it. Qt
    // cannot read its own exponent form in some scripts; then the result at the 15 digits shown
    // stands in.
    const QString text = calculatorText(value, platform_.locale);
    bool readable = false;
    shownValue_ = platform_.locale.toDouble(text, &readable);
    if (!readable)
        shownValue_ = readNumber(generalText(value));
    ui.Label8->setText(text);
}

void Calcolatore::clearForNewCalculation() {
    // The focus moves before the box is emptied: a screen reader that learns of the emptied box
    // while the box already has the focus takes the focus as known and never reads it.
    ui.Text2->setFocus();
    ui.Text2->clear();
    ui.Text3->clear();
    ui.Label8->clear();
    shownValue_ = 0.0;
    ui.Lbl_Calcolatrice->clear();
}

void Calcolatore::Cmd_Ricalcola_Click() { clearForNewCalculation(); }

void Calcolatore::Cmd_Esci_Click() {
    clearForNewCalculation();
    hide();
}

void Calcolatore::closeEvent(QCloseEvent* event) {
    // The title bar's close button leaves the window as "Esci" does: hidden, the operation kept.
    clearForNewCalculation();
    event->accept();
}

bool Calcolatore::eventFilter(QObject* watched, QEvent* event) {
    if (const auto code = keyPressCode(event)) {
        if (watched == ui.Text2)
            Text2_KeyPress(*code);
        else if (watched == ui.Text3)
            Text3_KeyPress(*code);
    }
    return QWidget::eventFilter(watched, event); // no key is swallowed
}

} // namespace ortambra

#include "frm_nome.h"

#include "accessibility.h"
#include "engine/int16.h"
#include "enter_key.h"
#include "instructions_layout.h"
#include "registration_layout.h"
#include "window_set.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ortambra {

Frm_Nome::Frm_Nome(LayoutSet set, WindowSet& windows, SharedValues& shared)
    : set_(set), windows_(windows), shared_(shared) {
    applyWindowSpec(this, this, registrationWindowSpec(set));
    exposeWindow(this, WindowRole::Dialog);
    buildControls(this, registrationWindowControls(), set);
    Lbl_Nome = control<QLabel>(this, "Lbl_Nome");
    Lbl_Classe = control<QLabel>(this, "Lbl_Classe");
    Txt_Nome = control<QLineEdit>(this, "Txt_Nome");
    Txt_Classe = control<QLineEdit>(this, "Txt_Classe");
    Cmd_Conferma = control<QPushButton>(this, "Cmd_Conferma");
    Cmd_Istruzioni = control<QPushButton>(this, "Cmd_Istruzioni");
    for (int i = 0; i < InstructionLineCount; ++i)
        Lbl_Istruzioni[at(i)] = control<QLabel>(this, arrayName("Lbl_Istruzioni", i));

    Txt_Nome->installEventFilter(this);
    Txt_Classe->installEventFilter(this);
    connect(Cmd_Conferma, &QPushButton::clicked, this, &Frm_Nome::Cmd_Conferma_Click);
    connect(Cmd_Istruzioni, &QPushButton::clicked, this, &Frm_Nome::Cmd_Istruzioni_Click);
}

void Frm_Nome::Txt_Nome_KeyPress(int key) {
    if (key == EnterKey)
        Txt_Classe->setFocus();
}

void Frm_Nome::Txt_Classe_KeyPress(int key) {
    if (key == EnterKey)
        Cmd_Conferma->setFocus();
}

void Frm_Nome::Cmd_Conferma_Click() {
    shared_.Nome = Txt_Nome->text();
    shared_.Classe = Txt_Classe->text();
    windows_.showMain();
    hide();
}

void Frm_Nome::Cmd_Istruzioni_Click() {
    Istruzioni_Visibili = !Istruzioni_Visibili;
    const bool names = !Istruzioni_Visibili;
    Cmd_Istruzioni->setText(names ? QStringLiteral("&Come si gioca") : QStringLiteral("&Chiudi"));
    const std::array<QWidget*, 5> fields{Lbl_Nome, Lbl_Classe, Txt_Nome, Txt_Classe, Cmd_Conferma};
    for (QWidget* field : fields)
        field->setVisible(names); // hiding the confirmation too: no confirming unseen fields
    for (QLabel* line : Lbl_Istruzioni)
        line->setVisible(!names);
}

void Frm_Nome::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Back after a confirmation the focus would still be on "Conferma": a stray Enter would
    // confirm again. The name box is where the window starts.
    if (!Istruzioni_Visibili)
        Txt_Nome->setFocus();
}

void Frm_Nome::closeEvent(QCloseEvent* event) {
    // Before the game there is nothing to lose, and nothing else to do: the pupil leaves.
    // Once it exists the window only hides; the game goes on in the main window.
    event->accept();
    if (!windows_.gameStarted())
        windows_.endProgram();
}

bool Frm_Nome::eventFilter(QObject* watched, QEvent* event) {
    if (const auto code = keyPressCode(event)) {
        if (watched == Txt_Nome)
            Txt_Nome_KeyPress(*code);
        else if (watched == Txt_Classe)
            Txt_Classe_KeyPress(*code);
    }
    return QWidget::eventFilter(watched, event); // no key is swallowed
}

} // namespace ortambra

#include "frm_nome.h"

#include "layouts/instructions_layout.h"
#include "layouts/registration_layout.h"
#include "toolkit/accessibility.h"
#include "toolkit/controls.h"
#include "toolkit/enter_key.h"
#include "toolkit/hand_over.h"
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
    const BuiltControls built = buildControls(this, registrationWindowControls(), set);
    built.fill(ui.Lbl_Nome, "Lbl_Nome");
    built.fill(ui.Lbl_Classe, "Lbl_Classe");
    built.fill(ui.Txt_Nome, "Txt_Nome");
    built.fill(ui.Txt_Classe, "Txt_Classe");
    built.fill(ui.Cmd_Conferma, "Cmd_Conferma");
    built.fill(ui.Cmd_Istruzioni, "Cmd_Istruzioni");
    built.fill(ui.Lbl_Istruzioni, "Lbl_Istruzioni");

    ui.Txt_Nome->installEventFilter(this);
    ui.Txt_Classe->installEventFilter(this);
    connect(ui.Cmd_Conferma, &QPushButton::clicked, this, &Frm_Nome::Cmd_Conferma_Click);
    connect(ui.Cmd_Istruzioni, &QPushButton::clicked, this, &Frm_Nome::Cmd_Istruzioni_Click);
}

void Frm_Nome::Txt_Nome_KeyPress(int key) {
    if (key == EnterKey)
        ui.Txt_Classe->setFocus();
}

void Frm_Nome::Txt_Classe_KeyPress(int key) {
    if (key == EnterKey)
        ui.Cmd_Conferma->setFocus();
}

void Frm_Nome::Cmd_Conferma_Click() {
    shared_.Nome = ui.Txt_Nome->text();
    shared_.Classe = ui.Txt_Classe->text();
    windows_.showMain();
    hideWhenReplaced(this);
}

void Frm_Nome::Cmd_Istruzioni_Click() {
    Istruzioni_Visibili = !Istruzioni_Visibili;
    const bool names = !Istruzioni_Visibili;
    ui.Cmd_Istruzioni->setText(names ? QStringLiteral("&Come si gioca")
                                     : QStringLiteral("&Chiudi"));
    const std::array<QWidget*, 5> fields{ui.Lbl_Nome, ui.Lbl_Classe, ui.Txt_Nome, ui.Txt_Classe,
                                         ui.Cmd_Conferma};
    for (QWidget* field : fields)
        field->setVisible(names); // hiding the confirmation too: no confirming unseen fields
    for (QLabel* line : ui.Lbl_Istruzioni)
        line->setVisible(!names);
}

void Frm_Nome::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Back after a confirmation the focus would still be on "Conferma": a stray Enter would
    // confirm again. The name box is where the window starts.
    if (!Istruzioni_Visibili)
        ui.Txt_Nome->setFocus();
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
        if (watched == ui.Txt_Nome)
            Txt_Nome_KeyPress(*code);
        else if (watched == ui.Txt_Classe)
            Txt_Classe_KeyPress(*code);
    }
    return QWidget::eventFilter(watched, event); // no key is swallowed
}

} // namespace ortambra

#include "frm_istruzioni.h"

#include "layouts/instructions_layout.h"
#include "toolkit/accessibility.h"
#include "toolkit/controls.h"
#include "toolkit/hand_over.h"
#include "window_set.h"

#include <QPushButton>

namespace ortambra {

Frm_Istruzioni::Frm_Istruzioni(LayoutSet set, WindowSet& windows) : set_(set), windows_(windows) {
    applyWindowSpec(this, this, instructionsWindowSpec(set));
    exposeWindow(this, WindowRole::Dialog);
    const BuiltControls built = buildControls(this, instructionsWindowControls(), set);
    built.fill(ui.Cmd_Conferma, "Cmd_Conferma");
    connect(ui.Cmd_Conferma, &QPushButton::clicked, this, &Frm_Istruzioni::Cmd_Conferma_Click);
}

void Frm_Istruzioni::Cmd_Conferma_Click() {
    windows_.showMain();
    hideWhenReplaced(this);
}

} // namespace ortambra

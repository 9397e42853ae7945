#include "registration_layout.h"

#include "colours.h"
#include "instructions_layout.h"

#include <array>

namespace ortambra {

const WindowSpec& registrationWindowSpec(LayoutSet set) {
    static const WindowSpec standard{"Frm_Nome", "Form_Dati", {11880, 8490}, {1845, 1110}};
    static const WindowSpec compact{"Frm_Nome_m", "Form_Dati", {11070, 7740}, {810, 795}};
    return set == LayoutSet::Compact ? compact : standard;
}

namespace {

// Every control of the window is centred in its box and has its place in the tab order.
ControlSpec& add(std::vector<ControlSpec>& specs, QString name, Kind kind, QString caption,
                 Twips standard, Twips compact, int tabIndex) {
    ControlSpec& drawn = specs.emplace_back();
    drawn.name = std::move(name);
    drawn.kind = kind;
    drawn.caption = std::move(caption);
    drawn.standard = standard;
    drawn.compact = compact;
    drawn.align = kind == Kind::TextBox ? Qt::AlignHCenter : Qt::AlignHCenter | Qt::AlignTop;
    drawn.tabIndex = tabIndex;
    return drawn;
}

std::vector<ControlSpec> makeControls() {
    const FontSpec sans18{Face::Sans, 18};
    std::vector<ControlSpec> c;
    c.reserve(16); // each reference below is used before the next control is added
    ControlSpec& heading = add(c, "Lbl_Intestazione", Kind::Label, "Benvenuto nel gioco dei numeri",
                               {1920, 120, 8415, 735}, {1320, 120, 8415, 735}, 5);
    heading.font = {Face::Serif, 27.75};
    heading.fore = colours::red;
    ControlSpec& rules = add(c, "Cmd_Istruzioni", Kind::Button, "&Come si gioca",
                             {4440, 960, 3615, 615}, {3840, 960, 3615, 615}, 6);
    rules.font = sans18;
    add(c, "Lbl_Nome", Kind::Label, "Scrivi il tuo nome:", {5400, 3240, 1695, 255},
        {4920, 3240, 1695, 255}, 0);
    ControlSpec& name =
        add(c, "Txt_Nome", Kind::TextBox, "", {4320, 3720, 4095, 495}, {3720, 3720, 4095, 495}, 1);
    name.font = sans18;
    name.fore = colours::blue;
    name.accessible = "Scrivi il tuo nome";
    add(c, "Lbl_Classe", Kind::Label, "e  la tua classe", {5520, 4560, 1335, 255},
        {5160, 4560, 1335, 255}, 2);
    ControlSpec& classe = add(c, "Txt_Classe", Kind::TextBox, "", {5640, 4800, 1335, 495},
                              {5160, 4800, 1335, 495}, 3);
    classe.font = sans18;
    classe.fore = colours::blue;
    classe.accessible = "Scrivi la tua classe";
    ControlSpec& confirm = add(c, "Cmd_Conferma", Kind::Button, "&Conferma",
                               {8400, 5760, 1335, 735}, {8400, 5760, 1335, 735}, 4);
    confirm.font = {Face::Sans, 12, true};

    const std::array<int, InstructionLineCount> tops{1800, 2280, 2760, 3600, 4200,
                                                     5040, 5880, 6480, 7320};
    const std::array<int, InstructionLineCount> compactWidths{11295, 11295, 11295, 11415, 11415,
                                                              11415, 11535, 11655, 11895};
    for (int i = 0; i < InstructionLineCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int width = i == 2 || i == 8 ? 12735 : 12615;
        const int compactTop = i == 8 ? 7200 : tops[k];
        // Tab indexes 7 to 15 run from the bottom line up.
        ControlSpec& line =
            add(c, arrayName("Lbl_Istruzioni", i), Kind::Label,
                instructionLine(LinesFor::Registration, i), {120, tops[k], width, 495},
                {120, compactTop, compactWidths[k], 495}, 15 - i);
        line.font = {Face::Sans, 13.5};
        line.fore = instructionColour(i);
        line.visible = false;
    }
    return c;
}

} // namespace

const std::vector<ControlSpec>& registrationWindowControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

} // namespace ortambra

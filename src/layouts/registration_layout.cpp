#include "registration_layout.h"

#include "colours.h"
#include "engine/int16.h"
#include "instructions_layout.h"

#include <array>

namespace ortambra {

const WindowSpec& registrationWindowSpec(LayoutSet set) {
    static const WindowSpec standard{.name = "Frm_Nome",
                                     .caption = "Form_Dati",
                                     .clientTwips = {11880, 8490},
                                     .positionTwips = {1845, 1110}};
    static const WindowSpec compact{.name = "Frm_Nome_m",
                                    .caption = "Form_Dati",
                                    .clientTwips = {11070, 7740},
                                    .positionTwips = {810, 795}};
    return set == LayoutSet::Compact ? compact : standard;
}

namespace {

std::vector<ControlSpec> makeControls() {
    // Every control of the window is centred in its box and has its place in the tab order.
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const FontSpec sans18{Face::Sans, 18};
    std::vector<ControlSpec> c{
        {.name = "Lbl_Intestazione",
         .kind = Kind::Label,
         .caption = "Benvenuto nel gioco dei numeri",
         .standard = {1920, 120, 8415, 735},
         .compact = Twips{1320, 120, 8415, 735},
         .font = {Face::Serif, 27.75},
         .fore = colours::red,
         .align = centred,
         .tabIndex = 5},
        {.name = "Cmd_Istruzioni",
         .kind = Kind::Button,
         .caption = "&Come si gioca",
         .standard = {4440, 960, 3615, 615},
         .compact = Twips{3840, 960, 3615, 615},
         .font = sans18,
         .align = centred,
         .tabIndex = 6},
        {.name = "Lbl_Nome",
         .kind = Kind::Label,
         .caption = "Scrivi il tuo nome:",
         .standard = {5400, 3240, 1695, 255},
         .compact = Twips{4920, 3240, 1695, 255},
         .align = centred,
         .tabIndex = 0},
        {.name = "Txt_Nome",
         .kind = Kind::TextBox,
         .standard = {4320, 3720, 4095, 495},
         .compact = Twips{3720, 3720, 4095, 495},
         .font = sans18,
         .fore = colours::blue,
         .align = Qt::AlignHCenter,
         .tabIndex = 1,
         .accessible = "Scrivi il tuo nome"},
        {.name = "Lbl_Classe",
         .kind = Kind::Label,
         .caption = "e  la tua classe",
         .standard = {5520, 4560, 1335, 255},
         .compact = Twips{5160, 4560, 1335, 255},
         .align = centred,
         .tabIndex = 2},
        {.name = "Txt_Classe",
         .kind = Kind::TextBox,
         .standard = {5640, 4800, 1335, 495},
         .compact = Twips{5160, 4800, 1335, 495},
         .font = sans18,
         .fore = colours::blue,
         .align = Qt::AlignHCenter,
         .tabIndex = 3,
         .accessible = "Scrivi la tua classe"},
        {.name = "Cmd_Conferma",
         .kind = Kind::Button,
         .caption = "&Conferma",
         .standard = {8400, 5760, 1335, 735},
         .compact = Twips{8400, 5760, 1335, 735},
         .font = {Face::Sans, 12, true},
         .align = centred,
         .tabIndex = 4},
    };

    const std::array<int, InstructionLineCount> tops{1800, 2280, 2760, 3600, 4200,
                                                     5040, 5880, 6480, 7320};
    const std::array<int, InstructionLineCount> compactWidths{11295, 11295, 11295, 11415, 11415,
                                                              11415, 11535, 11655, 11895};
    for (int i = 0; i < InstructionLineCount; ++i) {
        const int width = i == 2 || i == 8 ? 12735 : 12615;
        const int compactTop = i == 8 ? 7200 : tops[at(i)];
        // Tab indexes 7 to 15 run from the bottom line up.
        c.push_back({.name = arrayName("Lbl_Istruzioni", i),
                     .kind = Kind::Label,
                     .caption = instructionLine(LinesFor::Registration, i),
                     .standard = {120, tops[at(i)], width, 495},
                     .compact = Twips{120, compactTop, compactWidths[at(i)], 495},
                     .font = {Face::Sans, 13.5},
                     .fore = instructionColour(i),
                     .align = centred,
                     .visible = false,
                     .tabIndex = 15 - i});
    }
    return c;
}

} // namespace

const std::vector<ControlSpec>& registrationWindowControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

} // namespace ortambra

#include "calculator_layout.h"

#include "colours.h"

namespace ortambra {

const WindowSpec& calculatorWindowSpec(LayoutSet set) {
    static const WindowSpec standard{"Calcolatore", "Calcolatrice", {5415, 1995}, {7965, 9285}};
    static const WindowSpec compact{"Calcolatore_m", "Calcolatrice", {5415, 1995}, {5730, 5340}};
    return set == LayoutSet::Compact ? compact : standard;
}

namespace {

std::vector<ControlSpec> makeControls() {
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const FontSpec operand{Face::Sans, 18};
    return {
        {.name = "Cmd_Ricalcola",
         .kind = Kind::Button,
         .caption = "&Ricalcola",
         .standard = {120, 120, 975, 495},
         .tabIndex = 7},
        {.name = "Label1",
         .kind = Kind::Label,
         .caption = "Calcolatrice",
         .standard = {1200, 120, 2895, 495},
         .font = {Face::Sans, 24},
         .fore = colours::blue,
         .align = centred,
         .tabIndex = 4},
        {.name = "Cmd_Esci",
         .kind = Kind::Button,
         .caption = "&Esci",
         .standard = {4320, 120, 975, 495},
         .tabIndex = 5},
        {.name = "Text2",
         .kind = Kind::TextBox,
         .standard = {120, 840, 1095, 525},
         .font = operand,
         .fore = colours::blue,
         .tabIndex = 0,
         .accessible = "Primo numero"},
        {.name = "Combo1",
         .kind = Kind::Combo,
         .caption = "Per",
         .standard = {1440, 1080, 975, 315},
         .font = {Face::Sans, 8.25, true},
         .tabIndex = 6,
         .accessible = "Operazione",
         .items = {"Per", "Più", "Meno", "Diviso"},
         .toolTip = "Scegli"},
        {.name = "Text3",
         .kind = Kind::TextBox,
         .standard = {2520, 840, 1095, 525},
         .font = operand,
         .fore = colours::blue,
         .tabIndex = 2,
         .accessible = "Secondo numero"},
        {.name = "Cmd_Uguale",
         .kind = Kind::Button,
         .caption = "=",
         .standard = {3720, 960, 375, 255},
         .tabIndex = 1},
        {.name = "Label8",
         .kind = Kind::Label,
         .standard = {4320, 840, 975, 495},
         .font = operand,
         .fore = colours::red,
         .align = Qt::AlignCenter,
         .tabIndex = 3,
         .accessible = "Risultato"},
        {.name = "Lbl_Calcolatrice",
         .kind = Kind::Label,
         .standard = {840, 1560, 4455, 255},
         .align = Qt::AlignRight | Qt::AlignTop,
         .tabIndex = 8,
         .accessible = "Suggerimento"},
    };
}

} // namespace

const std::vector<ControlSpec>& calculatorControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

} // namespace ortambra

#include "instructions_layout.h"

#include "colours.h"

#include <array>

namespace ortambra {

namespace {

std::size_t lineIndex(int index) {
    Q_ASSERT(index >= 0 && index < InstructionLineCount);
    return static_cast<std::size_t>(index);
}

} // namespace

QString instructionLine(LinesFor window, int index) {
    static const std::array<const char*, InstructionLineCount> lines{
        "In ogni esercizio manca un numero che dovrai inserire.",
        "La serie di Sei numeri può avere un ritmo Doppio (+A+B+C ; +A+B+C ),",
        "oppure Triplo (+A+B ; +A+B ; +A+B).",
        "Puoi scegliere solo Somme; solo Prodotti; Somme e/o Prodotti.",
        "Il numero più alto che verrà utilizzato lo scegli tu; inizialmente è 3.",
        "Il gioco può essere facilitato evidenziando il ritmo con i colori.",
        "Se \"Facilitato\" puoi chiedere \"Aiuto\" o  \"Soluzione\",",
        "la risposta in questo caso non verrà conteggiata come valida.",
        "L'uso della calcolatrice non condiziona la valutazione.",
    };
    QString text = QString::fromUtf8(lines[lineIndex(index)]);
    if (window == LinesFor::Instructions && index == 5)
        text.replace(QStringLiteral("facilitato"), QStringLiteral("Facilitato"));
    return text;
}

QColor instructionColour(int index) {
    static const std::array<QColor, InstructionLineCount> colours{
        colours::blue, colours::blue, colours::blue, colours::darkBlue, colours::magenta,
        colours::teal, colours::teal, colours::teal, colours::purple,
    };
    return colours[lineIndex(index)];
}

const WindowSpec& instructionsWindowSpec(LayoutSet set) {
    static const WindowSpec standard{
        "Frm_Istruzioni", "Form_Istruzioni", {9375, 7260}, {2595, 945}};
    static const WindowSpec compact{
        "Frm_Istruzioni_m", "Form_Istruzioni", {9375, 7260}, {1335, 765}};
    return set == LayoutSet::Compact ? compact : standard;
}

namespace {

std::vector<ControlSpec> makeControls() {
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    std::vector<ControlSpec> c;
    ControlSpec& heading = c.emplace_back();
    heading.name = "Lbl_Intestazione";
    heading.caption = "Istruzioni";
    heading.standard = {480, 120, 8415, 735};
    heading.font = {Face::Serif, 27.75};
    heading.fore = colours::red;
    heading.align = centred;

    const std::array<Twips, InstructionLineCount> places{{
        {360, 1080, 8415, 495},
        {120, 1680, 9135, 495},
        {360, 2280, 8415, 495},
        {240, 3120, 8415, 495},
        {360, 3720, 8415, 495},
        {120, 4560, 9135, 495},
        {360, 5160, 8415, 495},
        {360, 5760, 8415, 495},
        {960, 6480, 7215, 495},
    }};
    for (int i = 0; i < InstructionLineCount; ++i) {
        ControlSpec& line = c.emplace_back();
        line.name = arrayName("Lbl_Istruzioni", i);
        line.caption = instructionLine(LinesFor::Instructions, i);
        line.standard = places[lineIndex(i)];
        line.font = {Face::Sans, 13.5};
        line.fore = instructionColour(i);
        line.align = centred;
    }

    ControlSpec& close = c.emplace_back();
    close.name = "Cmd_Conferma";
    close.kind = Kind::Button;
    close.caption = "&Chiudi";
    close.standard = {8280, 6600, 855, 375};
    close.tabIndex = 0; // holds the focus when the window opens
    return c;
}

} // namespace

const std::vector<ControlSpec>& instructionsWindowControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

} // namespace ortambra

#include "instructions_layout.h"

#include "colours.h"
#include "engine/int16.h"

#include <array>

namespace ortambra {

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
    Q_ASSERT(index < InstructionLineCount);
    QString text = QString::fromUtf8(lines[at(index)]);
    if (window == LinesFor::Instructions && index == 5)
        text.replace(QStringLiteral("facilitato"), QStringLiteral("Facilitato"));
    return text;
}

QColor instructionColour(int index) {
    static const std::array<QColor, InstructionLineCount> colours{
        colours::blue, colours::blue, colours::blue, colours::darkBlue, colours::magenta,
        colours::teal, colours::teal, colours::teal, colours::purple,
    };
    Q_ASSERT(index < InstructionLineCount);
    return colours[at(index)];
}

const WindowSpec& instructionsWindowSpec(LayoutSet set) {
    static const WindowSpec standard{.name = "Frm_Istruzioni",
                                     .caption = "Form_Istruzioni",
                                     .clientTwips = {9375, 7260},
                                     .positionTwips = {2595, 945}};
    static const WindowSpec compact{.name = "Frm_Istruzioni_m",
                                    .caption = "Form_Istruzioni",
                                    .clientTwips = {9375, 7260},
                                    .positionTwips = {1335, 765}};
    return set == LayoutSet::Compact ? compact : standard;
}

namespace {

std::vector<ControlSpec> makeControls() {
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    std::vector<ControlSpec> c;
    c.push_back({.name = "Lbl_Intestazione",
                 .kind = Kind::Label,
                 .caption = "Istruzioni",
                 .standard = {480, 120, 8415, 735},
                 .font = {Face::Serif, 27.75},
                 .fore = colours::red,
                 .align = centred});

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
    for (int i = 0; i < InstructionLineCount; ++i)
        c.push_back({.name = arrayName("Lbl_Istruzioni", i),
                     .kind = Kind::Label,
                     .caption = instructionLine(LinesFor::Instructions, i),
                     .standard = places[at(i)],
                     .font = {Face::Sans, 13.5},
                     .fore = instructionColour(i),
                     .align = centred});

    // Holds the focus when the window opens.
    c.push_back({.name = "Cmd_Conferma",
                 .kind = Kind::Button,
                 .caption = "&Chiudi",
                 .standard = {8280, 6600, 855, 375},
                 .tabIndex = 0});
    return c;
}

} // namespace

const std::vector<ControlSpec>& instructionsWindowControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

} // namespace ortambra

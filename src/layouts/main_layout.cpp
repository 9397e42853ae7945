#include "main_layout.h"

#include "colours.h"

#include <array>

namespace ortambra {

const WindowSpec& mainWindowSpec(LayoutSet set) {
    static const WindowSpec standard{.name = "Zorvano",
                                     .caption = "Zorvano",
                                     .clientTwips = {13200, 8205},
                                     .positionTwips = {1695, 1230},
                                     .background = colours::paleYellow};
    static const WindowSpec compact{.name = "Zorvano_m",
                                    .caption = "Zorvano",
                                    .clientTwips = {11130, 7455},
                                    .positionTwips = {510, 1230},
                                    .background = colours::paleYellow};
    return set == LayoutSet::Compact ? compact : standard;
}

QRect mainControlGeometry(LayoutSet set, const QString& name) {
    for (const auto& drawn : mainWindowControls()) {
        if (drawn.name == name)
            return drawn.geometry(set).pixels();
    }
    qFatal("the main window's table has no control named %s", qUtf8Printable(name));
}

double numberFontPoints(LayoutSet set) { return set == LayoutSet::Compact ? 14.0 : 24.0; }

namespace {

using Lefts = std::array<int, SeriesLength>;

// The model's accessible text may hold %1, the position counted from 1 as a pupil counts.
void addArray(std::vector<ControlSpec>& specs, const ControlSpec& model, const Lefts& standard,
              const Lefts& compact) {
    for (std::size_t i = 0; i < at(SeriesLength); ++i) {
        ControlSpec drawn = model;
        drawn.name = arrayName(model.name, static_cast<int>(i));
        if (drawn.accessible.contains(QStringLiteral("%1")))
            drawn.accessible = drawn.accessible.arg(i + 1);
        drawn.standard.left = standard[i];
        drawn.compact->left = compact[i];
        specs.push_back(drawn);
    }
}

ControlSpec button(const char* name, const char* caption, Twips standard, int compactLeft) {
    return {.name = name,
            .kind = Kind::Button,
            .caption = caption,
            .standard = standard,
            .compact = Twips{compactLeft, standard.top, standard.width, standard.height}};
}

std::vector<ControlSpec> makeControls() {
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const FontSpec sans135{Face::Sans, 13.5};
    std::vector<ControlSpec> c;
    c.push_back({.name = "Lbl_Titolo",
                 .kind = Kind::Label,
                 .caption = "Ortambra",
                 .standard = {4320, 120, 4335, 615},
                 .compact = Twips{3360, 120, 4335, 615},
                 .font = {Face::Sans, 24},
                 .fore = colours::blue,
                 .align = centred});

    // Answer boxes: only the one at the hidden position is shown during an exercise.
    addArray(c,
             {.name = "Txt_Numero",
              .kind = Kind::TextBox,
              .standard = {0, 1320, 1000, 800},
              .compact = Twips{0, 1320, 800, 600},
              .fore = colours::blue,
              .back = colours::cyan,
              .align = Qt::AlignLeft,
              .visible = false,
              .accessible = "Scrivi il numero mancante"},
             {1200, 3240, 5280, 7320, 9360, 11400}, {1200, 3000, 4800, 6600, 8280, 10080});
    {
        const auto first = c.size();
        addArray(c,
                 {.name = "Lbl_Numero",
                  .kind = Kind::Label,
                  .caption = "?",
                  .standard = {0, 1320, 1005, 795},
                  .compact = Twips{0, 1320, 795, 600},
                  .font = {Face::Sans, 24},
                  .fore = colours::red,
                  .back = colours::cyan,
                  .align = Qt::AlignHCenter | Qt::AlignVCenter,
                  .border = true,
                  .accessible = "Numero %1 della serie"},
                 {1200, 3240, 5280, 7320, 9360, 11380}, {1200, 3000, 4800, 6600, 8280, 10080});
        // The two outer labels are drawn a few twips larger in the standard set.
        c[first].standard.width = c[first + 5].standard.width = 1000;
        c[first].standard.height = c[first + 5].standard.height = 800;
    }
    addArray(c,
             {.name = "Lbl_Operatore",
              .kind = Kind::Label,
              .standard = {0, 1560, 255, 255},
              .compact = Twips{0, 1560, 255, 255},
              .font = sans135,
              .fore = colours::red,
              .align = centred,
              .visible = false,
              .accessible = "Operazione del passo %1"},
             {480, 2400, 4440, 6480, 8520, 10560}, {480, 2160, 3960, 5760, 7560, 9240});
    addArray(c,
             {.name = "Lbl_Suggeri",
              .kind = Kind::Label,
              .standard = {0, 1560, 255, 255},
              .compact = Twips{0, 1560, 255, 255},
              .align = centred,
              .visible = false,
              .accessible = "Valore del passo %1"},
             {840, 2760, 4800, 6840, 8880, 10920}, {840, 2520, 4320, 6120, 7920, 9600});

    c.insert(c.end(), {
                          {.name = "Lbl_01",
                           .kind = Kind::Label,
                           .standard = {120, 1560, 255, 255},
                           .align = centred,
                           .accessible = "Valore di partenza"},
                          {.name = "Lbl_Esercizio",
                           .kind = Kind::Label,
                           .standard = {1800, 2640, 2295, 615},
                           .font = sans135,
                           .fore = colours::red,
                           .accessible = "Numero dell'esercizio"},
                          {.name = "Lbl_Risultati",
                           .kind = Kind::Label,
                           .standard = {5040, 2520, 5445, 1395},
                           .fore = colours::blue,
                           .accessible = "Esito della risposta e riepilogo del gioco"},
                          {.name = "Lbl_Difficoltà",
                           .kind = Kind::Label,
                           .standard = {1800, 3360, 2415, 495},
                           .fore = colours::blue,
                           .accessible = "Difficoltà scelta"},
                          {.name = "Lbl_Complessità",
                           .kind = Kind::Label,
                           .standard = {1800, 3840, 2415, 255},
                           .fore = colours::blue,
                           .accessible = "Complessità scelta"},
                          {.name = "Lbl_Per_Iniziare",
                           .kind = Kind::Label,
                           .caption = "Clicca Via per iniziare",
                           .standard = {9720, 3960, 1335, 615},
                           .compact = Twips{9240, 3960, 1335, 495},
                           .font = {Face::Sans, 9.75, true},
                           .fore = colours::red,
                           .align = centred,
                           .accessible = "Suggerimento"},

                          button("Cmd_Soluzione", "&Soluzione", {1800, 4680, 1095, 495}, 1440),
                          button("Cmd_Help", "&Parziale", {3120, 4680, 1095, 495}, 2760),
                          {.name = "Cmd_Facile",
                           .kind = Kind::Button,
                           .caption = "Facilitato",
                           .standard = {8520, 4680, 1095, 495},
                           .compact = Twips{8040, 4680, 1095, 495},
                           .accessible = "Gioco facilitato: evidenzia il ritmo con i colori"},
                          button("Cmd_Via", "&Via", {9840, 4680, 1095, 495}, 9360),
                          {.name = "List1",
                           .kind = Kind::List,
                           .standard = {1800, 5280, 9255, 1035},
                           .compact = Twips{1320, 5280, 9255, 1035},
                           .accessible = "Risultati degli esercizi"},
                          button("Cmd_Stampa", "S&tampa", {1800, 6600, 1095, 495}, 1440),
                          button("Cmd_Risultati", "&Risultati", {3120, 6600, 1095, 495}, 2760),
                          button("Cmd_Calcolatore", "&Calcolatore", {8520, 6720, 1095, 495}, 8040),
                          button("Cmd_Esci", "&Esci", {9840, 6720, 1095, 495}, 9360),
                      });
    return c;
}

} // namespace

const std::vector<ControlSpec>& mainWindowControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

const std::array<ModeEntry, 3> modeEntries{{
    {"solosomme", "Solo Somme", Mode::OnlySums, "Difficoltà Bassa", "(solo somme)"},
    {"soloprodotti", "Solo Prodotti", Mode::OnlyProducts, "Difficoltà Media", "(solo prodotti)"},
    {"sommeprodotti", "Somme e Prodotti", Mode::SumsAndProducts, "Difficoltà Alta",
     "(somme e/o prodotti)"},
}};

const std::array<LargestEntry, HighestLargestStep - LowestLargestStep + 1> largestEntries{{
    {"due", "fino a Due", 2},
    {"tre", "Fino a Tre", 3},
    {"quattro", "Fino a Quattro", 4},
    {"cinque", "Fino a Cinque", 5},
    {"sei", "Fino a Sei", 6},
    {"sette", "Fino a Sette", 7},
    {"otto", "Fino a Otto", 8},
    {"nove", "Fino a Nove", 9},
    {"dieci", "Fino a Dieci", 10},
}};

QString difficultyCaption(Mode mode) {
    for (const auto& entry : modeEntries) {
        if (entry.mode == mode)
            return QString::fromUtf8(entry.firstLine) + u'\r' + QString::fromUtf8(entry.secondLine);
    }
    return {};
}

QString complexityCaption(int largest) {
    return largest == LowestLargestStep
               ? QStringLiteral("Complessità Bassa: fino a 2")
               : QStringLiteral("Complessità: fino a ") + QString::number(largest);
}

} // namespace ortambra

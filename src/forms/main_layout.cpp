#include "main_layout.h"

#include "colours.h"

namespace ortambra {

const WindowSpec& mainWindowSpec(LayoutSet set) {
    static const WindowSpec standard{"Zorvano", "Zorvano", {13200, 8205}, {1695, 1230},
                                     colours::paleYellow};
    static const WindowSpec compact{"Zorvano_m", "Zorvano", {11130, 7455}, {510, 1230},
                                    colours::paleYellow};
    return set == LayoutSet::Compact ? compact : standard;
}

double numberFontPoints(LayoutSet set) { return set == LayoutSet::Compact ? 14.0 : 24.0; }

namespace {

using Lefts = std::array<int, 6>;

// The model's accessible text may hold %1, the position counted from 1 as a pupil counts.
void addArray(std::vector<ControlSpec>& specs, const ControlSpec& model, const Lefts& standard,
              const Lefts& compact) {
    for (std::size_t i = 0; i < 6; ++i) {
        ControlSpec drawn = model;
        drawn.name = arrayName(model.name, static_cast<int>(i));
        if (drawn.accessible.contains(QStringLiteral("%1")))
            drawn.accessible = drawn.accessible.arg(i + 1);
        drawn.standard.left = standard[i];
        drawn.compact->left = compact[i];
        specs.push_back(drawn);
    }
}

std::vector<ControlSpec> makeControls() {
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const FontSpec sans135{Face::Sans, 13.5};
    std::vector<ControlSpec> c;
    c.push_back({"Lbl_Titolo", Kind::Label, "Ortambra", {4320, 120, 4335, 615},
                 Twips{3360, 120, 4335, 615}, {Face::Sans, 24}, colours::blue, {}, centred});

    // Answer boxes: only the one at the hidden position is shown during an exercise.
    addArray(c,
             {"Txt_Numero", Kind::TextBox, "", {0, 1320, 1000, 800}, Twips{0, 1320, 800, 600},
              {}, colours::blue, colours::cyan, Qt::AlignLeft, false, false, -1,
              "Scrivi il numero mancante"},
             {1200, 3240, 5280, 7320, 9360, 11400}, {1200, 3000, 4800, 6600, 8280, 10080});
    {
        ControlSpec number{"Lbl_Numero", Kind::Label, "?", {0, 1320, 1005, 795},
                           Twips{0, 1320, 795, 600}, {Face::Sans, 24}, colours::red,
                           colours::cyan, Qt::AlignHCenter | Qt::AlignVCenter, true, true, -1,
                           "Numero %1 della serie"};
        const auto first = c.size();
        addArray(c, number, {1200, 3240, 5280, 7320, 9360, 11380},
                 {1200, 3000, 4800, 6600, 8280, 10080});
        // The two outer labels are drawn a few twips larger in the standard set.
        c[first].standard.width = c[first + 5].standard.width = 1000;
        c[first].standard.height = c[first + 5].standard.height = 800;
    }
    addArray(c,
             {"Lbl_Operatore", Kind::Label, "", {0, 1560, 255, 255}, Twips{0, 1560, 255, 255},
              sans135, colours::red, {}, centred, false, false, -1, "Operazione del passo %1"},
             {480, 2400, 4440, 6480, 8520, 10560}, {480, 2160, 3960, 5760, 7560, 9240});
    addArray(c,
             {"Lbl_Suggeri", Kind::Label, "", {0, 1560, 255, 255}, Twips{0, 1560, 255, 255}, {},
              {}, {}, centred, false, false, -1, "Valore del passo %1"},
             {840, 2760, 4800, 6840, 8880, 10920}, {840, 2520, 4320, 6120, 7920, 9600});
    c.push_back({"Lbl_01", Kind::Label, "", {120, 1560, 255, 255}, {}, {}, {}, {}, centred});
    c.back().accessible = "Valore di partenza";
    c.push_back({"Lbl_Esercizio", Kind::Label, "", {1800, 2640, 2295, 615}, {}, sans135,
                 colours::red});
    c.back().accessible = "Numero dell'esercizio";
    c.push_back({"Lbl_Risultati", Kind::Label, "", {5040, 2520, 5445, 1395}, {}, {},
                 colours::blue});
    c.back().accessible = "Esito della risposta e riepilogo del gioco";
    c.push_back({"Lbl_Difficoltà", Kind::Label, "", {1800, 3360, 2415, 495}, {}, {},
                 colours::blue});
    c.back().accessible = "Difficoltà scelta";
    c.push_back({"Lbl_Complessità", Kind::Label, "", {1800, 3840, 2415, 255}, {}, {},
                 colours::blue});
    c.back().accessible = "Complessità scelta";
    c.push_back({"Lbl_Per_Iniziare", Kind::Label, "Clicca Via per iniziare",
                 {9720, 3960, 1335, 615}, Twips{9240, 3960, 1335, 495},
                 {Face::Sans, 9.75, true}, colours::red, {}, centred});
    c.back().accessible = "Suggerimento";

    const auto button = [&c](const char* name, const char* caption, Twips standard, int left) {
        c.push_back({name, Kind::Button, caption, standard,
                     Twips{left, standard.top, standard.width, standard.height}});
    };
    button("Cmd_Soluzione", "&Soluzione", {1800, 4680, 1095, 495}, 1440);
    button("Cmd_Help", "&Parziale", {3120, 4680, 1095, 495}, 2760);
    button("Cmd_Facile", "Facilitato", {8520, 4680, 1095, 495}, 8040);
    c.back().accessible = "Gioco facilitato: evidenzia il ritmo con i colori";
    button("Cmd_Via", "&Via", {9840, 4680, 1095, 495}, 9360);
    c.push_back({"List1", Kind::List, "", {1800, 5280, 9255, 1035}, Twips{1320, 5280, 9255, 1035}});
    c.back().accessible = "Risultati degli esercizi";
    button("Cmd_Stampa", "S&tampa", {1800, 6600, 1095, 495}, 1440);
    button("Cmd_Risultati", "&Risultati", {3120, 6600, 1095, 495}, 2760);
    button("Cmd_Calcolatore", "&Calcolatore", {8520, 6720, 1095, 495}, 8040);
    button("Cmd_Esci", "&Esci", {9840, 6720, 1095, 495}, 9360);
    return c;
}

} // namespace

const std::vector<ControlSpec>& mainWindowControls() {
    static const std::vector<ControlSpec> controls = makeControls();
    return controls;
}

const std::array<ModeEntry, 3> modeEntries{{
    {"solosomme", "Solo Somme", OnlySums, "Difficoltà Bassa", "(solo somme)"},
    {"soloprodotti", "Solo Prodotti", OnlyProducts, "Difficoltà Media", "(solo prodotti)"},
    {"sommeprodotti", "Somme e Prodotti", SumsAndProducts, "Difficoltà Alta",
     "(somme e/o prodotti)"},
}};

const std::array<LargestEntry, 9> largestEntries{{
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
    return largest == 2 ? QStringLiteral("Complessità Bassa: fino a 2")
                        : QStringLiteral("Complessità: fino a ") + QString::number(largest);
}

} // namespace ortambra

#pragma once

#include "design.h"
#include "engine/series.h"

#include <array>

namespace ortambra {

const WindowSpec& mainWindowSpec(LayoutSet set);
const std::vector<ControlSpec>& mainWindowControls();
// The number labels' size at load and after every complexity change.
double numberFontPoints(LayoutSet set);
// A control's drawn geometry in pixels, to give back a box that a view has grown. A name the
// table lacks stops the program.
QRect mainControlGeometry(LayoutSet set, const QString& name);

// The settings menus' entries, in menu order, with the captions each one gives the main window.
struct ModeEntry {
    const char* name;
    const char* caption;
    Mode mode;
    const char* firstLine; // the two lines of Lbl_Difficoltà
    const char* secondLine;
};
struct LargestEntry {
    const char* name;
    const char* caption;
    int largest;
};
extern const std::array<ModeEntry, 3> modeEntries;
extern const std::array<LargestEntry, HighestLargestStep - LowestLargestStep + 1> largestEntries;

// Lbl_Difficoltà's two lines, joined by the game's carriage return.
QString difficultyCaption(Mode mode);
QString complexityCaption(int largest);

} // namespace ortambra

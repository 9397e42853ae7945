#include "background_layout.h"

#include "colours.h"

namespace ortambra {

const WindowSpec& backgroundWindowSpec() {
    static const WindowSpec spec{"Sfondo", "Puzzle", {4680, 3090}, {750, 765}, colours::paleYellow};
    return spec;
}

} // namespace ortambra

#include "background_layout.h"

#include "colours.h"

namespace ortambra {

const WindowSpec& backgroundWindowSpec() {
    static const WindowSpec drawn{"Sfondo", "Puzzle", {4680, 3090}, {750, 765}, colours::paleYellow};
    return drawn;
}

} // namespace ortambra

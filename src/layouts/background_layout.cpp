#include "background_layout.h"

#include "colours.h"

namespace ortambra {

const WindowSpec& backgroundWindowSpec() {
    static const WindowSpec drawn{.name = "Sfondo",
                                  .caption = "Puzzle",
                                  .clientTwips = {4680, 3090},
                                  .positionTwips = {750, 765},
                                  .background = colours::paleYellow};
    return drawn;
}

} // namespace ortambra

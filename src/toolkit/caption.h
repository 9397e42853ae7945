#pragma once

#include <QLabel>
#include <QString>

namespace ortambra {

// The game's multi-line texts separate lines with a bare carriage return; labels show one line
// per part. caption() gives back exactly the game's text.
void setCaption(QLabel* label, const QString& caption);
QString caption(const QLabel* label);
QString displayText(const QString& caption); // "\r" becomes a line break

// Text with more lines than the label's box was drawn for (the results summary): widens the box
// until each line fits on a line of its own, within the parent, and grows it upwards, into the
// free band above, so it stays clear of what is drawn below it.
void growToFitText(QLabel* label);

} // namespace ortambra

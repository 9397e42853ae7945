#pragma once

#include <QLabel>
#include <QString>

namespace ortambra {

// The game's multi-line texts separate lines with a bare carriage return; labels show one line
// per part. caption() gives back exactly the game's text.
void setCaption(QLabel* label, const QString& caption);
QString caption(const QLabel* label);
QString displayText(const QString& caption); // "\r" becomes a line break

} // namespace ortambra

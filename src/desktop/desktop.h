#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace ortambra {

// The name under which the desktop entry, the AppStream data and the icon are installed.
inline constexpr auto desktopId = "org.ortambra.Ortambra";

// Where the system keeps Qt's own translations (Debian: qt6-translations-l10n).
QString qtTranslationsDirectory();

// Makes Qt's standard buttons and dialogs speak Italian like the game, whatever the system's
// language. Returns the installed translator (owned by app), or nullptr when the catalogue is
// not in directory: the game then runs with Qt's English texts.
QTranslator* installQtItalian(QCoreApplication& app,
                              const QString& directory = qtTranslationsDirectory());

// The program icon in every size the desktop uses, built into the executable.
QIcon programIcon();

} // namespace ortambra

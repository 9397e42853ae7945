#include "desktop.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

namespace ortambra {

QString qtTranslationsDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QTranslator* installQtItalian(QCoreApplication& app, const QString& directory) {
    // Loaded by file name, not by QLocale::system(): the game is Italian on any system.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_it"), directory))
        return nullptr;
    translator->setParent(&app);
    QTranslator* installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return installed;
}

QIcon programIcon() {
    static constexpr std::array sizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(
            QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(desktopId)),
            QSize(size, size));
    return icon;
}

} // namespace ortambra

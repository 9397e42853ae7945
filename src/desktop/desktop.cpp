#include "desktop.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>
#include <array>
#include <memory>
#include <optional>

namespace ortambra {

QString qtTranslationsDirectory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

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

namespace {

QIcon decodedIcon() {
    static constexpr std::array sizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(
            QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(desktopId)),
            "png");
        // They are PNGs: left to guess, Qt loads every image plugin (and libjpeg) to ask it.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Decodes the PNGs the first time the icon is drawn or handed to the window system, not at
// start-up: where the desktop finds the icon through the desktop entry (Wayland), or there is no
// desktop, nothing ever asks for it.
class ProgramIconEngine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return decoded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return decoded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return decoded().pixmap(size, scale, mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
        decoded().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
        decoded().addFile(fileName, size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return decoded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    // The interface hands the copy over as a raw pointer; the QIcon that asked owns it.
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

  private:
    QIcon& decoded() {
        if (!icon_)
            icon_ = decodedIcon();
        return *icon_;
    }

    std::optional<QIcon> icon_;
};

} // namespace

QIcon programIcon() {
    return QIcon(std::make_unique<ProgramIconEngine>().release()); // the icon owns its engine
}

} // namespace ortambra

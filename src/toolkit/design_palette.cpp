#include "design_palette.h"

#include "layouts/colours.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ortambra::colours {

namespace {

constexpr const char* DesignProperty = "ortambraDesignPalette";

// Popups are windows of their own, which Qt gives the application's palette, not their
// parent's: each gets the design's as it is polished, before it first shows, and again if the
// desktop hands it another (as it does to a tooltip on screen when its theme changes).
class PopupPalette final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::Polish || event->type() == QEvent::PaletteChange) &&
            watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const QWidget* parent = widget->parentWidget();
            if (widget->isWindow() && parent &&
                parent->window()->property(DesignProperty).toBool()) {
                if (const QPalette design = designPalette(); widget->palette() != design)
                    widget->setPalette(design);
            }
        }
        return false;
    }
};

} // namespace

void keepDesignPalette(QWidget* window) {
    window->setPalette(designPalette());
    window->setProperty(DesignProperty, true);
    static const bool watching = [] {
        qApp->installEventFilter(new PopupPalette(qApp)); // owned by the application
        return true;
    }();
    (void)watching;
}

} // namespace ortambra::colours

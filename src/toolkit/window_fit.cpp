#include "window_fit.h"

#include "screen.h"
#include "window_placement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace ortambra {

namespace {

constexpr const char* ScaleProperty = "ortambraDrawScale";

int scaled(int length, double factor) { return static_cast<int>(std::lround(length * factor)); }

// Edges are scaled, not sizes, so that controls drawn side by side stay side by side.
QRect scaledRect(QRect design, double factor) {
    const int left = scaled(design.left(), factor);
    const int top = scaled(design.top(), factor);
    return {left, top, scaled(design.left() + design.width(), factor) - left,
            scaled(design.top() + design.height(), factor) - top};
}

} // namespace

QWidget* clientArea(QWidget* window) {
    auto* main = qobject_cast<QMainWindow*>(window);
    return main && main->centralWidget() ? main->centralWidget() : window;
}

double readableFactor(double pixelRatio) {
    return std::min(1.0, SmallestDeviceFactor / std::max(pixelRatio, 1.0));
}

double fitFactor(QSize window, QSize client, QMargins frame, QSize available, double pixelRatio,
                 double ceiling) {
    if (client.isEmpty() || available.isEmpty())
        return 1.0; // nothing to fit, or no screen to fit it to
    const QSize fixed = window - client;
    const double across = (available.width() - frame.left() - frame.right() - fixed.width()) /
                          static_cast<double>(client.width());
    const double down = (available.height() - frame.top() - frame.bottom() - fixed.height()) /
                        static_cast<double>(client.height());
    const double fitting = std::min({ceiling, across, down});
    // Thousandths, rounded down, so that the window fits for certain.
    return std::max(readableFactor(pixelRatio), std::floor(fitting * 1000.0) / 1000.0);
}

void drawAtFactor(QWidget* window, double factor) {
    if (factor == 1.0)
        return;
    window->setProperty(ScaleProperty, drawScale(window) * factor);
    // Drawn larger, a window keeps its place in the design's picture of the screen; drawn smaller
    // it keeps its design place, as far as the screen allows.
    if (const auto design = designPosition(window); design && factor > 1.0)
        setDesignPosition(window, {scaled(design->x(), factor), scaled(design->y(), factor)});
    // Every size first, then the changes: a font set on a parent must not change twice in the
    // children that inherit it.
    std::vector<std::pair<QWidget*, double>> fonts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets)
        if (widget->testAttribute(Qt::WA_SetFont) && widget->font().pointSizeF() > 0)
            fonts.emplace_back(widget, widget->font().pointSizeF() * factor);
    // At the board the menu bar and its menus grow too, to be read and touched from afar; below
    // 1 they keep the desktop's size.
    if (auto* main = qobject_cast<QMainWindow*>(window); main && factor > 1.0) {
        QList<QWidget*> menus{main->menuBar()};
        for (const QAction* entry : main->menuBar()->actions())
            if (auto* menu = entry->menu<QMenu*>())
                menus.append(menu);
        for (QWidget* menu : menus)
            if (menu->font().pointSizeF() > 0) // a theme's font in pixels stays as it is
                fonts.emplace_back(menu, menu->font().pointSizeF() * factor);
    }
    QWidget* client = clientArea(window);
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow())
            control->setGeometry(scaledRect(control->geometry(), factor));
    client->setFixedSize(scaled(client->width(), factor), scaled(client->height(), factor));
    for (const auto& [widget, points] : fonts) {
        QFont font = widget->font();
        font.setPointSizeF(points);
        widget->setFont(font);
    }
}

void fitToScreen(QWidget* window, const ScreenSize& screen) {
    QWidget* client = clientArea(window);
    const QSize hint = window->sizeHint();
    const QSize whole = hint.isValid() ? hint.expandedTo(client->size()) : window->size();
    const QMargins frame = expectedFrameOn(expectedFrame(), QGuiApplication::platformName());
    const QRect room = devicePixelSafe(screen.available(), screen.pixelRatio());
    const double now = drawScale(window);
    // Fitted again after growing, the window is already drawn at `now`: the readable limit holds
    // for the whole factor.
    const double factor =
        std::max(fitFactor(whole, client->size(), frame, room.size(), screen.pixelRatio()),
                 readableFactor(screen.pixelRatio()) / now);
    drawAtFactor(window, std::min(1.0, factor));
    if (window->isVisible()) {
        // A main window takes its central widget's new size only when its layout runs.
        if (QLayout* layout = window->layout())
            layout->activate();
        placeAgain(window);
    }
}

void fillScreen(QWidget* window, const ScreenSize& screen) {
    const QMargins frame = expectedFrameOn(expectedFrame(), QGuiApplication::platformName());
    const QRect inside =
        devicePixelSafe(screen.available(), screen.pixelRatio()).marginsRemoved(frame);
    if (inside.isEmpty())
        return;
    clientArea(window)->setFixedSize(inside.size());
    setDesignPosition(window, inside.topLeft());
}

double drawScale(const QWidget* widget) {
    const QVariant factor = widget->window()->property(ScaleProperty);
    return factor.isValid() ? factor.toDouble() : 1.0;
}

QRect drawnRect(const QWidget* widget, QRect design) {
    return scaledRect(design, drawScale(widget));
}

int drawnLength(const QWidget* widget, int design) { return scaled(design, drawScale(widget)); }

} // namespace ortambra

#include "startup_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace ortambra::bench {

namespace {

QWidget* widgetOf(const QWindow* window) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window)
            return widget;
    return nullptr;
}

} // namespace

StartupProbe::StartupProbe(QStringList targets, Clock::time_point mainEntered, QObject* parent)
    : QObject(parent), targets_(std::move(targets)) {
    moments_.reserve(8);
    moments_.emplace_back("main", mainEntered);
    mark("application");
}

void StartupProbe::mark(const char* moment) { moments_.emplace_back(moment, Clock::now()); }

void StartupProbe::end() {
    mark("end");
    for (const auto& [moment, at] : moments_)
        std::printf("%s %lld\n", moment,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch())
                            .count()));
    // Whatever else the start-up built is there to see: windows nobody needed yet cost time.
    for (const QWidget* window : QApplication::topLevelWidgets())
        std::printf("top-level %s\n", window->objectName().isEmpty()
                                          ? window->metaObject()->className()
                                          : qPrintable(window->objectName()));
    std::fflush(stdout);
    std::_Exit(0); // no tear-down: what is measured ends with the window on screen
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose) {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window && window->isExposed())
            exposed(window);
    }
    return false; // the window still gets its expose and paints itself
}

void StartupProbe::exposed(QWindow* window) {
    QWidget* widget = widgetOf(window);
    if (!widget)
        return;
    // Queued, so that the window has painted itself when the answer or the end comes.
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
        if (answered_.contains(box))
            return;
        answered_.insert(box);
        mark("box");
        QMetaObject::invokeMethod(
            box,
            [this, box] {
                mark("answered");
                if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                    ok->click();
            },
            Qt::QueuedConnection);
    } else if (!ending_ && targets_.contains(widget->objectName())) {
        ending_ = true;
        mark("window");
        QMetaObject::invokeMethod(this, &StartupProbe::end, Qt::QueuedConnection);
    }
}

} // namespace ortambra::bench

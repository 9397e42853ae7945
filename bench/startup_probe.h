#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>
#include <chrono>
#include <utility>
#include <vector>

class QWindow;

namespace ortambra::bench {

using Clock = std::chrono::steady_clock;

// Watches every window of the application from an application-level event filter. Each message
// box is answered with OK as soon as it is on screen, as a pupil who clicks at once would, and
// the process ends as soon as a window named in `targets` has been exposed and painted: its
// exit is the end of the start-up being measured. Just before it, the moments the start-up went
// through are written to standard output, one "name nanoseconds" line each, on the monotonic
// clock the bench also reads.
class StartupProbe final : public QObject {
  public:
    StartupProbe(QStringList targets, Clock::time_point mainEntered, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void exposed(QWindow* window);
    void mark(const char* moment);
    [[noreturn]] void end();

    QStringList targets_;
    QSet<const QObject*> answered_;
    bool ending_ = false;
    std::vector<std::pair<const char*, Clock::time_point>> moments_;
};

} // namespace ortambra::bench

#pragma once

#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstdint>

namespace ortambra {

class MessageBoxes;
class ScreenSize;
class WindowSet;

// The background window the program starts with. It measures the screen once and opens the
// registration window of the set that fits it; clicking it later brings that window back.
class Sfondo : public QWidget {
    Q_OBJECT

  public:
    // `fill`: at the board, the backdrop covers the screen.
    Sfondo(const ScreenSize& screen, MessageBoxes& messages, WindowSet& standard,
           WindowSet& compact, bool fill = false);

    void Form_Load();

    std::int32_t Larghezza = 0;
    std::int32_t Altezza = 0;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void Form_GotFocus();
    void focusChanged(QWindow* now);
    WindowSet& chosenSet() const;

    const ScreenSize& screen_;
    MessageBoxes& messages_;
    WindowSet& standard_;
    WindowSet& compact_;
    bool fill_;
    bool loaded_ = false;
    QPointer<QWindow> lastFocus_; // the window that had the focus before the current one
};

} // namespace ortambra

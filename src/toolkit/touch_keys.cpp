#include "touch_keys.h"

#include "window_fit.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <utility>
#include <vector>

namespace ortambra {

namespace {

constexpr int KeyWidth = 50;
constexpr int KeyHeight = 54;
constexpr int Margin = 6;

struct Key {
    QString label; // as drawn; a letter's also what it types
    int code;
    QString name; // what a screen reader says, and the button's object name
    int span = 1;
};

Key typing(const QString& label, int code) { return {label, code, label}; }

const Key erase{QStringLiteral("←"), Qt::Key_Backspace, QStringLiteral("Cancella")};
const Key enter{QStringLiteral("Invio"), Qt::Key_Return, QStringLiteral("Invio")};

std::vector<std::vector<Key>> numberRows() {
    std::vector<std::vector<Key>> rows;
    for (int first : {7, 4, 1}) {
        std::vector<Key> row;
        for (int d = first; d < first + 3; ++d)
            row.push_back(typing(QString::number(d), Qt::Key_0 + d));
        rows.push_back(row);
    }
    Key zero = typing(QStringLiteral("0"), Qt::Key_0);
    zero.span = 2;
    Key wideEnter = enter;
    wideEnter.span = 3;
    rows.push_back({zero, erase});
    rows.push_back({wideEnter});
    return rows;
}

// Capitals first, as primary school writes; five across, in alphabetical order, which a pupil
// who has not met a keyboard yet knows.
std::vector<std::vector<Key>> letterRows() {
    std::vector<Key> keys;
    for (char c = 'A'; c <= 'Z'; ++c)
        keys.push_back(typing(QString(QChar(c)), Qt::Key_A + (c - 'A')));
    const std::vector<std::pair<QChar, int>> accented{
        {u'À', Qt::Key_Agrave}, {u'È', Qt::Key_Egrave}, {u'É', Qt::Key_Eacute},
        {u'Ì', Qt::Key_Igrave}, {u'Ò', Qt::Key_Ograve}, {u'Ù', Qt::Key_Ugrave}};
    for (const auto& [letter, code] : accented)
        keys.push_back(typing(QString(letter), code));
    keys.push_back({QStringLiteral("'"), Qt::Key_Apostrophe, QStringLiteral("Apostrofo")});
    keys.push_back({QStringLiteral("spazio"), Qt::Key_Space, QStringLiteral("Spazio"), 2});
    for (int d : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        keys.push_back(typing(QString::number(d), Qt::Key_0 + d));
    keys.push_back({QStringLiteral("abc"), 0, QStringLiteral("Minuscole")});
    keys.push_back(erase);
    Key wideEnter = enter;
    wideEnter.span = 3;
    keys.push_back(wideEnter);

    std::vector<std::vector<Key>> rows(1);
    int used = 0;
    for (const Key& key : keys) {
        if (used + key.span > 5) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(key);
        used += key.span;
    }
    return rows;
}

int columns(KeySet keys) { return keys == KeySet::Numbers ? 3 : 5; }

class TouchKeys final : public QWidget {
  public:
    TouchKeys(QWidget* parent, KeySet keys) : QWidget(parent) {
        setObjectName(QStringLiteral("TouchKeys"));
        setAccessibleName(QStringLiteral("Tasti sullo schermo"));
        QFont large = font();
        large.setPointSizeF(14);
        large.setBold(true);
        setFont(large);
        auto* grid = new QGridLayout(this);
        grid->setContentsMargins(Margin, Margin, Margin, Margin);
        grid->setSpacing(4);
        const auto rows = keys == KeySet::Numbers ? numberRows() : letterRows();
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            int column = 0;
            for (const Key& key : rows[static_cast<std::size_t>(r)]) {
                auto* button = new QPushButton(key.label, this);
                button->setObjectName(QStringLiteral("Tasto_") + key.name);
                button->setAccessibleName(key.name);
                // A tap must leave the focus in the box being typed into.
                button->setFocusPolicy(Qt::NoFocus);
                button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
                grid->addWidget(button, r, column, 1, key.span);
                column += key.span;
                if (key.code == 0)
                    connect(button, &QPushButton::clicked, this,
                            [this, button] { switchCase(button); });
                else
                    connect(button, &QPushButton::clicked, this, [this, key, button] {
                        press(key.code, key.code == Qt::Key_Backspace ? QString()
                                        : key.code == Qt::Key_Return  ? QStringLiteral("\r")
                                        : key.code == Qt::Key_Space   ? QStringLiteral(" ")
                                                                      : button->text());
                    });
                if (key.span == 1 && key.label.size() == 1 && key.label.at(0).isLetter())
                    letters_.push_back(button);
            }
        }
    }

  private:
    void press(int code, const QString& text) {
        auto* box = qobject_cast<QLineEdit*>(window()->focusWidget());
        if (!box || !box->isVisible() || !box->isEnabled() || box->isReadOnly())
            return;
        // Sent to the box itself, so the window's own filter on it sees the key first.
        QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box, &down);
        QKeyEvent up(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box, &up);
    }

    void switchCase(QPushButton* toggle) {
        lower_ = !lower_;
        for (QPushButton* letter : letters_)
            letter->setText(lower_ ? letter->text().toLower() : letter->text().toUpper());
        toggle->setText(lower_ ? QStringLiteral("ABC") : QStringLiteral("abc"));
        toggle->setAccessibleName(lower_ ? QStringLiteral("Maiuscole")
                                         : QStringLiteral("Minuscole"));
    }

    std::vector<QPushButton*> letters_;
    bool lower_ = false;
};

} // namespace

QSize touchKeysSize(KeySet keys) {
    const auto rows = (keys == KeySet::Numbers ? numberRows() : letterRows()).size();
    return {columns(keys) * KeyWidth + 2 * Margin, static_cast<int>(rows) * KeyHeight + 2 * Margin};
}

QRect controlsArea(const QWidget* client) {
    QRect area = client->rect();
    if (const auto* keys =
            client->findChild<QWidget*>(QStringLiteral("TouchKeys"), Qt::FindDirectChildrenOnly))
        area.setRight(keys->x() - 1);
    return area;
}

QWidget* addTouchKeys(QWidget* window, KeySet keys) {
    QWidget* client = clientArea(window);
    const QSize before = client->size();
    auto* strip = new TouchKeys(client, keys); // owned by the client area
    // At the window's present factor, as if they had been there when it was drawn. A window
    // lower than the keys (the calculator) grows down to them: keys must stay finger-sized.
    const QSize size(drawnLength(window, touchKeysSize(keys).width()),
                     drawnLength(window, touchKeysSize(keys).height()));
    strip->setGeometry(QRect(QPoint(before.width(), 0), size));
    QFont font = strip->font();
    font.setPointSizeF(font.pointSizeF() * drawScale(window));
    strip->setFont(font);
    client->setFixedSize(before.width() + size.width(), std::max(before.height(), size.height()));
    strip->show();
    return strip;
}

namespace {

// A finger, not a mouse, pressing on a text box: the pupil wants to type by touch. The windows
// change size, so only once the tap is over: the box takes it as a click first.
class TouchTypingWatch final : public QObject {
  public:
    explicit TouchTypingWatch(std::function<bool(QWidget*)> asked) : asked_(std::move(asked)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            const QInputDevice* device = static_cast<QMouseEvent*>(event)->device();
            const bool finger = device && device->type() == QInputDevice::DeviceType::TouchScreen;
            tapped_ = finger ? qobject_cast<QLineEdit*>(watched) : nullptr;
        } else if (event->type() == QEvent::MouseButtonRelease && tapped_ == watched) {
            QMetaObject::invokeMethod(
                this, [this, box = tapped_] { done_ = done_ || (box && asked_(box)); },
                Qt::QueuedConnection);
            tapped_ = nullptr;
        }
        return false;
    }

  private:
    std::function<bool(QWidget*)> asked_;
    QPointer<QWidget> tapped_;
    bool done_ = false;
};

} // namespace

std::unique_ptr<QObject> onFirstTouchTyping(std::function<bool(QWidget*)> asked) {
    return std::make_unique<TouchTypingWatch>(std::move(asked));
}

} // namespace ortambra

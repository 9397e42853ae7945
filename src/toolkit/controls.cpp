#include "controls.h"

#include "caption.h"
#include "caption_button.h"
#include "design_palette.h"
#include "window_fit.h"
#include "window_placement.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace ortambra {

void setBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QListWidget*>(widget)) {
        palette.setColor(QPalette::Base, colour);
    } else if (qobject_cast<QPushButton*>(widget)) {
        palette.setColor(QPalette::Button, colour);
    } else {
        palette.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void setForeColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setFontSize(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(points * drawScale(widget));
    widget->setFont(font);
}

namespace {

QWidget* createControl(const ControlSpec& drawn, QWidget* client) {
    switch (drawn.kind) {
    case Kind::Label: {
        auto* label = new QLabel(client);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true); // form labels wrap inside their box
        label->setAlignment(drawn.align);
        setCaption(label, drawn.caption);
        if (drawn.border) {
            label->setFrameShape(QFrame::Box);
            label->setLineWidth(1);
        }
        return label;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(client);
        box->setAlignment(drawn.align & Qt::AlignHorizontal_Mask);
        box->setText(drawn.caption);
        return box;
    }
    case Kind::Button: {
        auto* button = new CaptionButton(drawn.caption, client);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        return button;
    }
    case Kind::List: return new QListWidget(client);
    case Kind::Combo: {
        auto* combo = new QComboBox(client);
        combo->setEditable(true);
        // Typing only chooses among the entries: the list never grows and nothing is completed.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->addItems(drawn.items);
        combo->setEditText(drawn.caption);
        return combo;
    }
    }
    return nullptr;
}

} // namespace

void BuiltControls::add(QWidget* control) {
    if (byName_.contains(control->objectName()))
        qFatal("the window's table names two controls %s", qUtf8Printable(control->objectName()));
    byName_.insert(control->objectName(), control);
}

void BuiltControls::missing(const QString& name, const char* kind) {
    qFatal("the window's table has no %s named %s", kind, qUtf8Printable(name));
}

BuiltControls buildControls(QWidget* client, const std::vector<ControlSpec>& specs, LayoutSet set) {
    BuiltControls built;
    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const auto& drawn : specs) {
        QWidget* widget = createControl(drawn, client);
        widget->setObjectName(drawn.name);
        built.add(widget);
        widget->setGeometry(drawn.geometry(set).pixels());
        if (drawn.font.face != Face::Default || drawn.font.points != 8.0 || drawn.font.bold)
            widget->setFont(makeFont(drawn.font));
        if (drawn.fore)
            setForeColour(widget, *drawn.fore);
        if (drawn.back)
            setBackColour(widget, *drawn.back);
        if (!drawn.toolTip.isEmpty())
            widget->setToolTip(drawn.toolTip);
        widget->setVisible(drawn.visible);
        if (!drawn.accessible.isEmpty()) {
            if (drawn.kind == Kind::Label || drawn.kind == Kind::Button)
                widget->setAccessibleDescription(drawn.accessible);
            else
                widget->setAccessibleName(drawn.accessible);
            // A screen reader meets a combo box's text field and drop-down list on their own.
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                if (combo->lineEdit())
                    combo->lineEdit()->setAccessibleName(drawn.accessible);
                combo->view()->setAccessibleName(drawn.accessible);
            }
        }
        // Labels have a tab index too but never take the focus; Qt leaves them out of the chain.
        if (drawn.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabbed.emplace_back(drawn.tabIndex, widget);
    }
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);
    const auto first = std::find_if(tabbed.begin(), tabbed.end(),
                                    [](const auto& entry) { return !entry.second->isHidden(); });
    if (first != tabbed.end())
        first->second->setFocus();
    return built;
}

void applyWindowSpec(QWidget* window, QWidget* client, const WindowSpec& drawn) {
    window->setObjectName(drawn.name);
    window->setWindowTitle(drawn.caption);
    colours::keepDesignPalette(window);
    client->setFont(makeFont({}));
    client->setFixedSize(drawn.clientPixels());
    // A window around its client area (the main window, with its menu bar) is as fixed as the
    // client: no window manager offers to resize it, and each frames it as the others.
    if (window != client && window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (drawn.background)
        setBackColour(client, *drawn.background);
    keepOnScreen(window,
                 QPoint(toPixels(drawn.positionTwips.x()), toPixels(drawn.positionTwips.y())));
}

} // namespace ortambra

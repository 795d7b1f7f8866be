#include "FormView.h"

#include "BackColorBinder.h"
#include "ButtonBinder.h"
#include "CheckBoxBinder.h"
#include "ComboBoxBinder.h"
#include "FocusGuard.h"
#include "FormBinder.h"
#include "FrameBinder.h"
#include "LabelBinder.h"
#include "MenuItemBinder.h"
#include "ProgressBarBinder.h"
#include "QtText.h"
#include "ScrollBarBinder.h"
#include "StatusBarBinder.h"
#include "TextBoxBinder.h"
#include "TimerBinder.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/MenuItem.h"
#include "controls/ProgressBar.h"
#include "controls/ScrollBar.h"
#include "controls/StatusBar.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include <set>

namespace ortavel {

FormView::FormView(Form &form, QWidget *window, QWidget *container, QMenuBar *menuBar, const ParentOf &parentOf)
    : QObject(window), m_form(form), m_window(window), m_guard(new FocusGuard(form, this))
{
    new FormBinder(form, window, container);
    for (Control *control : form.controls()) {
        if (control != nullptr && dynamic_cast<MenuItem *>(control) == nullptr)
            makeControl(*control, container);
    }
    makeMenus(menuBar, parentOf);
}

FormView::~FormView() = default;

void FormView::makeControl(Control &control, QWidget *container)
{
    const std::string &name = control.name();
    WidgetBinder *binder = nullptr;
    // Derived kinds first: a check box or a button is also a label.
    if (auto *checkBox = dynamic_cast<CheckBox *>(&control)) {
        binder = new CheckBoxBinder(*checkBox, new QCheckBox(container), m_guard);
    } else if (auto *button = dynamic_cast<Button *>(&control)) {
        binder = new ButtonBinder(*button, new QPushButton(container), m_guard);
    } else if (auto *frame = dynamic_cast<Frame *>(&control)) {
        binder = new FrameBinder(*frame, new QGroupBox(container));
    } else if (auto *label = dynamic_cast<Label *>(&control)) {
        binder = new LabelBinder(*label, new QLabel(container));
    } else if (auto *box = dynamic_cast<TextBox *>(&control)) {
        if (box->multiLine())
            binder = new TextBoxBinder(*box, new QPlainTextEdit(container), m_guard);
        else
            binder = new TextBoxBinder(*box, new QLineEdit(container), m_guard);
        new BackColorBinder(*box, binder->widget());
    } else if (auto *combo = dynamic_cast<ComboBox *>(&control)) {
        binder = new ComboBoxBinder(*combo, new QComboBox(container), m_guard);
    } else if (auto *bar = dynamic_cast<ScrollBar *>(&control)) {
        binder = new ScrollBarBinder(*bar, new QScrollBar(Qt::Vertical, container), m_guard);
    } else if (auto *progress = dynamic_cast<ProgressBar *>(&control)) {
        binder = new ProgressBarBinder(*progress, new QProgressBar(container));
    } else if (auto *status = dynamic_cast<StatusBar *>(&control)) {
        binder = new StatusBarBinder(*status, new QStatusBar(container));
    } else if (auto *timer = dynamic_cast<Timer *>(&control)) {
        auto *qtimer = new QTimer(this);
        new TimerBinder(*timer, qtimer);
        m_timers[name] = qtimer;
        return;
    }
    if (binder == nullptr)
        return;
    m_binders[name] = binder;
    m_widgets[name] = binder->widget();
}

void FormView::makeMenus(QMenuBar *menuBar, const ParentOf &parentOf)
{
    std::set<const Control *> hasItems;
    std::vector<MenuItem *> items;
    for (Control *control : m_form.controls()) {
        auto *item = dynamic_cast<MenuItem *>(control);
        if (item == nullptr)
            continue;
        items.push_back(item);
        if (parentOf)
            hasItems.insert(parentOf(*item));
    }
    // Items come in order, each after the menu that holds it.
    std::map<const Control *, QMenu *> menus;
    for (MenuItem *item : items) {
        const Control *parent = parentOf ? parentOf(*item) : nullptr;
        const auto holder = menus.find(parent);
        QAction *action = nullptr;
        if (hasItems.count(item) != 0) {
            QMenu *menu = holder != menus.end() ? holder->second->addMenu(QString())
                          : menuBar != nullptr  ? menuBar->addMenu(QString())
                                                : new QMenu(m_window);
            menu->setObjectName(toQt(item->name()) + QStringLiteral("_Menu"));
            // An entry that needs a word of warning carries it as its tool tip.
            menu->setToolTipsVisible(true);
            menus[item] = menu;
            action = menu->menuAction();
        } else {
            action = new QAction(m_window);
            if (holder != menus.end())
                holder->second->addAction(action);
            else if (menuBar != nullptr)
                menuBar->addAction(action);
            else
                m_window->addAction(action);
        }
        new MenuItemBinder(*item, action);
        m_actions[item->name()] = action;
    }
}

QWidget *FormView::widget(const std::string &name) const
{
    const auto it = m_widgets.find(name);
    return it == m_widgets.end() ? nullptr : it->second;
}

QAction *FormView::action(const std::string &name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QTimer *FormView::timer(const std::string &name) const
{
    const auto it = m_timers.find(name);
    return it == m_timers.end() ? nullptr : it->second;
}

WidgetBinder *FormView::binder(const std::string &name) const
{
    const auto it = m_binders.find(name);
    return it == m_binders.end() ? nullptr : it->second;
}

void FormView::nameBy(const std::string &field, Label &label) const
{
    if (WidgetBinder *fieldBinder = binder(field)) {
        fieldBinder->setNamingLabel(&label);
        if (auto *labelWidget = widgetAs<QLabel>(label.name()))
            labelWidget->setBuddy(fieldBinder->widget());
    }
}

} // namespace ortavel

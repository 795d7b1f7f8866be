#include "QtWindowHost.h"

#include "controls/Form.h"

namespace ortavel {

void QtWindowHost::addWindow(const std::string &formName, QWidget *window, bool endsTool)
{
    window->setAttribute(Qt::WA_QuitOnClose, endsTool);
    m_windows[formName] = window;
}

QtWindowHost::~QtWindowHost()
{
    for (const QPointer<QWidget> &window : m_made)
        delete window.data();
}

void QtWindowHost::addWindowMaker(const std::string &formName, WindowMaker maker)
{
    m_makers[formName] = std::move(maker);
}

QWidget *QtWindowHost::window(const std::string &formName) const
{
    const auto it = m_windows.find(formName);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void QtWindowHost::closeOtherWindows(const Form &keep)
{
    for (const auto &[name, window] : m_windows) {
        if (name != keep.name() && window != nullptr && window->isVisible())
            window->close();
    }
}

void QtWindowHost::showWindow(const std::string &formName)
{
    // A made window that was closed may wait for its deletion; the new
    // opening gets a window of its own.
    const auto maker = m_makers.find(formName);
    if (QWidget *open = window(formName); maker != m_makers.end() && (open == nullptr || !open->isVisible())) {
        QWidget *made = maker->second();
        if (made == nullptr)
            return;
        made->setAttribute(Qt::WA_DeleteOnClose);
        made->setAttribute(Qt::WA_QuitOnClose, false);
        m_windows[formName] = made;
        std::erase_if(m_made, [](const QPointer<QWidget> &gone) { return gone == nullptr; });
        m_made.emplace_back(made);
    }
    const auto it = m_windows.find(formName);
    if (it == m_windows.end() || it->second == nullptr)
        return;
    QWidget *window = it->second;
    // Modeless unless it asks otherwise: either way the caller goes on at once.
    window->setWindowModality(window->property(kModalProperty).toBool() ? Qt::ApplicationModal : Qt::NonModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtWindowHost::requestClose(Form &form)
{
    const auto it = m_windows.find(form.name());
    if (it != m_windows.end() && it->second != nullptr)
        it->second->close();
}

} // namespace ortavel

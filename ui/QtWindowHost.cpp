#include "QtWindowHost.h"

#include "controls/Form.h"

namespace ortavel {

void QtWindowHost::addWindow(const std::string &formName, QWidget *window, bool endsTool)
{
    window->setAttribute(Qt::WA_QuitOnClose, endsTool);
    m_windows[formName] = window;
}

void QtWindowHost::showWindow(const std::string &formName)
{
    const auto it = m_windows.find(formName);
    if (it == m_windows.end() || it->second == nullptr)
        return;
    QWidget *window = it->second;
    // Modeless: the caller goes on at once.
    window->setWindowModality(Qt::NonModal);
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

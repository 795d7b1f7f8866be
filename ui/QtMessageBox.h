#pragma once

#include "controls/MessageBox.h"

#include <QPointer>

class QWidget;

namespace ortavel {

// A modal QMessageBox with a single OK button; returns once it is closed.
class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void show(const std::string &text, const std::string &title, bool exclamation) override;
    std::optional<std::string> ask(const std::string &prompt, const std::string &title,
                                   const std::string &value) override;
    bool confirm(const std::string &text, const std::string &title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace ortavel

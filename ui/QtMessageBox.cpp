#include "QtMessageBox.h"

#include "QtText.h"

#include <QInputDialog>
#include <QMessageBox>

namespace ortavel {

void QtMessageBox::show(const std::string &text, const std::string &title, bool exclamation)
{
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, shown(title), shown(text),
                    QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> QtMessageBox::ask(const std::string &prompt, const std::string &title,
                                             const std::string &value)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, shown(title), shown(prompt), QLineEdit::Normal, toQt(value), &ok);
    if (!ok)
        return std::nullopt;
    return text.toStdString();
}

bool QtMessageBox::confirm(const std::string &text, const std::string &title)
{
    return QMessageBox::question(m_parent, shown(title), shown(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace ortavel

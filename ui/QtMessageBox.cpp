#include "QtMessageBox.h"

#include "QtText.h"

#include <QMessageBox>

namespace ortavel {

void QtMessageBox::show(const std::string &text, const std::string &title, bool exclamation)
{
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, toQt(title), toQt(text), QMessageBox::Ok,
                    m_parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace ortavel

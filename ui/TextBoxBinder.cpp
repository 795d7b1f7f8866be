#include "TextBoxBinder.h"

#include "QtText.h"
#include "controls/TextBox.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace ortavel {

namespace {

const QColor kFailureColour(0xC0, 0x00, 0x00);
const QColor kNotReadColour(0x80, 0x80, 0x80);

// Multi-line boxes keep CR LF line ends in the model.
QString toDisplayLines(const std::string &text)
{
    QString lines = toQt(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(u'\r', u'\n');
    return lines;
}

std::string fromDisplayLines(QString lines)
{
    lines.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return fromQt(lines);
}

} // namespace

TextBoxBinder::TextBoxBinder(TextBox &box, QLineEdit *widget, FocusGuard *guard)
    : WidgetBinder(box, widget, guard), m_box(box), m_line(widget),
      m_normalText(widget->palette().color(QPalette::Text))
{
    connect(widget, &QLineEdit::textEdited, this, [this](const QString &text) { typed(fromQt(text)); });
    start();
}

TextBoxBinder::TextBoxBinder(TextBox &box, QPlainTextEdit *widget, FocusGuard *guard)
    : WidgetBinder(box, widget, guard), m_box(box), m_plain(widget),
      m_normalText(widget->palette().color(QPalette::Text))
{
    // Model updates block the widget's signals, so this is the operator.
    connect(widget, &QPlainTextEdit::textChanged, this, [this] { typed(fromDisplayLines(m_plain->toPlainText())); });
    start();
}

void TextBoxBinder::typed(const std::string &text)
{
    if (admit())
        m_box.type(text);
    // The handler may have rewritten the text, or the guard refused it.
    refresh();
}

void TextBoxBinder::showKind(QWidget *widget)
{
    // A failed answer stands out from the values around it; a value of a
    // transmitter no longer selected is greyed.
    const auto content = m_box.content();
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, content == TextBox::Content::Failure   ? kFailureColour
                                     : content == TextBox::Content::NotRead ? kNotReadColour
                                                                            : m_normalText);
    widget->setPalette(palette);
}

void TextBoxBinder::updateWidget()
{
    if (m_line != nullptr) {
        const QSignalBlocker blocker(m_line);
        showKind(m_line);
        m_line->setReadOnly(m_box.readOnly());
        const QString text = toQt(m_box.text());
        if (m_line->text() != text) {
            const int cursor = m_line->cursorPosition();
            m_line->setText(text);
            if (m_line->hasFocus())
                m_line->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
        }
        return;
    }
    const QSignalBlocker blocker(m_plain);
    showKind(m_plain);
    m_plain->setReadOnly(m_box.readOnly());
    const QString text = toDisplayLines(m_box.text());
    if (m_plain->toPlainText() != text)
        m_plain->setPlainText(text);
}

} // namespace ortavel

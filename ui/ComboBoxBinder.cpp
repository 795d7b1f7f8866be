#include "ComboBoxBinder.h"

#include "FocusGuard.h"
#include "QtText.h"
#include "controls/ComboBox.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ortavel {

ComboBoxBinder::ComboBoxBinder(ComboBox &combo, QComboBox *widget, FocusGuard *guard)
    : WidgetBinder(combo, widget, guard), m_combo(combo), m_widget(widget), m_guard(guard)
{
    // Typed text never becomes an entry of its own; entries are the model's.
    widget->setInsertPolicy(QComboBox::NoInsert);
    // activated comes from the operator only.
    connect(widget, &QComboBox::activated, this, [this](int index) {
        if (admit())
            m_combo.choose(index);
        refresh();
    });
    start();
}

void ComboBoxBinder::connectLineEdit()
{
    QLineEdit *edit = m_widget->lineEdit();
    if (edit == nullptr || edit->property("ortavelBound").toBool())
        return;
    edit->setProperty("ortavelBound", true);
    // The text is what the operator types, not a guess from the entries.
    m_widget->setCompleter(nullptr);
    // Qt selects the entry matching the typed text on Enter or on leaving
    // and reports it as activated; only a pick from the list is a choice.
    QObject::disconnect(edit, &QLineEdit::returnPressed, m_widget, nullptr);
    QObject::disconnect(edit, &QLineEdit::editingFinished, m_widget, nullptr);
    connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (admit())
            m_combo.setText(fromQt(text));
        refresh();
    });
    if (m_guard != nullptr)
        m_guard->watch(m_combo, m_widget);
}

void ComboBoxBinder::updateEntries()
{
    const auto &entries = m_combo.entries();
    bool same = m_widget->count() == m_combo.count();
    for (int i = 0; same && i < m_combo.count(); ++i) {
        const auto &entry = entries[static_cast<std::size_t>(i)];
        same = m_widget->itemText(i) == shown(entry.text) && m_widget->itemData(i).toInt() == entry.itemData &&
               m_widget->itemData(i, Qt::ToolTipRole).toString() == shown(entry.toolTip);
    }
    if (same)
        return;
    m_widget->clear();
    for (const auto &entry : entries) {
        m_widget->addItem(shown(entry.text), entry.itemData);
        if (!entry.toolTip.empty())
            m_widget->setItemData(m_widget->count() - 1, shown(entry.toolTip), Qt::ToolTipRole);
    }
}

void ComboBoxBinder::updateWidget()
{
    const QSignalBlocker blocker(m_widget);
    if (m_widget->isEditable() != m_combo.editable()) {
        m_widget->setEditable(m_combo.editable());
        connectLineEdit();
    }
    updateEntries();
    if (m_widget->currentIndex() != m_combo.selectedIndex())
        m_widget->setCurrentIndex(m_combo.selectedIndex());
    const QString text = toQt(m_combo.text());
    if (QLineEdit *edit = m_widget->lineEdit(); edit != nullptr) {
        const QSignalBlocker editBlocker(edit);
        if (edit->text() != text)
            edit->setText(text);
    } else {
        // A list with nothing selected still shows its text, or its prompt.
        // Not the operator's: the list's own caption, or a failed reply (shown as it came).
        m_widget->setPlaceholderText(text.isEmpty() ? shown(m_combo.prompt()) : shown(m_combo.text()));
    }
}

} // namespace ortavel

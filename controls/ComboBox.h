#pragma once

#include "Control.h"

#include <vector>

namespace ortavel {

// A drop-down list. Selecting another entry, by the operator or by a
// handler, runs onClick at once; selecting the entry already selected runs
// nothing, unless the list lets the operator's pick of it run onClick again.
// An editable combo also takes typed text, which runs onChange.
class ComboBox : public Control {
public:
    struct Entry {
        std::string text;
        int itemData = 0;
        std::string toolTip;
    };

    ComboBox(std::string name, std::string text = {}) : Control(std::move(name)), m_text(std::move(text)) {}

    bool editable() const { return m_editable; }
    void setEditable(bool editable);

    const std::vector<Entry> &entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    void addItem(const std::string &text, int itemData);
    void setItemText(int index, const std::string &text);
    int itemData(int index) const;
    void setItemToolTip(int index, const std::string &toolTip);
    void clear();

    int selectedIndex() const { return m_selected; }
    // -1 clears the selection. An index outside the entries is refused.
    // The selected entry shows its own text again, over any typed one.
    bool setSelectedIndex(int index);
    // The operator picks an entry from the list.
    bool choose(int index);
    // For a list whose handler does more than follow the selection (a port
    // to open again, a transmitter to read again).
    void setRepickRunsClick(bool runs) { m_repickRunsClick = runs; }

    // The selected entry's text; the typed or initial text otherwise.
    std::string text() const;
    void setText(const std::string &text);
    // Shown, never taken as text, while nothing is selected and the text is
    // empty (a list emptied by a search that found nothing).
    const std::string &prompt() const { return m_prompt; }
    void setPrompt(const std::string &prompt) { assign(m_prompt, prompt); }

    std::function<void()> onClick;
    std::function<void()> onChange;

private:
    std::vector<Entry> m_entries;
    int m_selected = -1;
    std::string m_text;
    std::string m_prompt;
    bool m_editable = false;
    bool m_repickRunsClick = false;
    bool m_choosing = false;
};

} // namespace ortavel

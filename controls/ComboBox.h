#pragma once

#include "Control.h"

#include <vector>

namespace ortavel {

// A drop-down list. Selecting another entry, by the operator or by a
// handler, runs onClick at once; a handler selecting the entry already
// selected runs nothing, while the operator picking it runs onClick all the
// same. An editable combo also takes typed text, which runs onChange.
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
    bool setSelectedIndex(int index);
    // The operator picks an entry from the list.
    bool choose(int index);

    // The selected entry's text; the typed or initial text otherwise.
    std::string text() const;
    void setText(const std::string &text);

    std::function<void()> onClick;
    std::function<void()> onChange;

private:
    std::vector<Entry> m_entries;
    int m_selected = -1;
    std::string m_text;
    bool m_editable = false;
};

} // namespace ortavel

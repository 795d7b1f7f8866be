#include "OperatorText.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace ortavel {

namespace {

// Built texts live as long as they may be on show. Each pattern keeps its
// latest ones, so that a count refreshed ten times a second never pushes out
// the texts of other patterns built once, at the start.
constexpr std::size_t kRememberedPerPattern = 256;

class Recipes {
public:
    void remember(const std::string &text, TextRecipe recipe)
    {
        const std::lock_guard lock(m_mutex);
        const std::string key = (recipe.joined ? "\n" : "") + recipe.pattern;
        auto &latest = m_byPattern[key];
        const auto known = m_byText.find(text);
        if (known != m_byText.end() && known->second.pattern == recipe.pattern &&
            known->second.joined == recipe.joined) {
            // Built again: among the latest once more.
            if (const auto place = std::find(latest.begin(), latest.end(), text); place != latest.end())
                latest.erase(place);
        }
        m_byText.insert_or_assign(text, std::move(recipe));
        latest.push_back(text);
        if (latest.size() > kRememberedPerPattern) {
            const auto oldest = m_byText.find(latest.front());
            // The same text may since have been built from another pattern.
            if (oldest != m_byText.end() && (oldest->second.joined ? "\n" : "") + oldest->second.pattern == key)
                m_byText.erase(oldest);
            latest.pop_front();
        }
    }

    std::optional<TextRecipe> find(const std::string &text)
    {
        const std::lock_guard lock(m_mutex);
        const auto place = m_byText.find(text);
        if (place == m_byText.end())
            return std::nullopt;
        return place->second;
    }

private:
    std::mutex m_mutex;
    std::unordered_map<std::string, TextRecipe> m_byText;
    std::unordered_map<std::string, std::deque<std::string>> m_byPattern;
};

Recipes &recipes()
{
    static Recipes kept;
    return kept;
}

} // namespace

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> parts)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < parts.size()) {
            text += *(parts.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    // A pattern without parts to fill is a fixed text, translated as it stands.
    if (parts.size() != 0)
        recipes().remember(text, TextRecipe{std::string(pattern), {parts.begin(), parts.end()}, false});
    return text;
}

std::string joinTexts(const std::vector<std::string> &parts, std::string_view separator)
{
    std::string text;
    for (const auto &part : parts) {
        if (!text.empty() || &part != &parts.front())
            text += separator;
        text += part;
    }
    if (parts.size() > 1)
        recipes().remember(text, TextRecipe{std::string(separator), parts, true});
    return text;
}

std::optional<TextRecipe> recipeOf(const std::string &text)
{
    return recipes().find(text);
}

} // namespace ortavel

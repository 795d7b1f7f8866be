#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Marks a fixed text the operator reads, for Qt Linguist: lupdate takes
// OT_TR as QT_TRANSLATE_NOOP. The text itself stays as written; windows
// hold their texts in the specified language and the view translates them
// when it shows them, so a change of language reaches every text on show.
#define OT_TR(context, text) (text)

namespace ortavel {

// The one translation context of the window's texts.
inline constexpr const char *kTextContext = "Ortavel";

// "Writing to %1 (%2 of %3)" with %n replaced by the n-th part (%1 to %9).
// The text is remembered with its pattern and parts, so that a view can show
// it translated: the pattern through its translation, each part that is a
// marked or built text through its own, any other part (a value, an address)
// as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> parts);

// Parts joined by a separator ("; ", ", "), remembered as such: the view
// translates the separator and each part.
std::string joinTexts(const std::vector<std::string> &parts, std::string_view separator);

// How a text was built by fill() or joinTexts(), if it was, lately.
struct TextRecipe {
    // The pattern of fill(), or the separator of joinTexts().
    std::string pattern;
    std::vector<std::string> parts;
    bool joined = false;
};
std::optional<TextRecipe> recipeOf(const std::string &text);

} // namespace ortavel

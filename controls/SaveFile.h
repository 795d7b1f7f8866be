#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace ortavel {

class MessageBox;

// Asks the operator for a path, suggesting a name; nothing when cancelled.
using ChooseSaveFile = std::function<std::optional<std::string>(const std::string &suggested)>;

// Writes the whole file through `write`; false when it cannot be opened or
// written to the end.
bool writeFile(const std::string &path, const std::function<void(std::ostream &)> &write);

// A Save button: asks for a path and says so when `save` cannot write it.
void saveToChosenFile(const ChooseSaveFile &choose, const std::string &suggested, const std::string &title,
                      MessageBox &messages, const std::function<bool(const std::string &)> &save);

} // namespace ortavel

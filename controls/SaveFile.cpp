#include "SaveFile.h"

#include "MessageBox.h"
#include "text/OperatorText.h"

#include <fstream>

namespace ortavel {

bool writeFile(const std::string &path, const std::function<void(std::ostream &)> &write)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    write(out);
    out.flush();
    return static_cast<bool>(out);
}

void saveToChosenFile(const ChooseSaveFile &choose, const std::string &suggested, const std::string &title,
                      MessageBox &messages, const std::function<bool(const std::string &)> &save)
{
    if (!choose || !save)
        return;
    const auto path = choose(suggested);
    if (path && !save(*path))
        messages.show(fill(OT_TR("Ortavel", "Cannot write %1"), {*path}), title, true);
}

} // namespace ortavel

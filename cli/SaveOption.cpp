#include "SaveOption.h"

#include "SearchOptions.h"

namespace ortavel::cli {

bool parseSaveArea(const std::string &text, SaveArea &area)
{
    if (text == "user")
        area = SaveArea::User;
    else if (text == "factory")
        area = SaveArea::Factory;
    else
        return false;
    return true;
}

bool takeSaveOption(std::vector<std::string> &args, SaveArea &area, std::string &error)
{
    std::string value;
    bool present = false;
    area = SaveArea::None;
    if (!takeOption(args, "--save", value, present, error))
        return false;
    if (present && !parseSaveArea(value, area)) {
        error = "--save takes user or factory";
        return false;
    }
    return true;
}

} // namespace ortavel::cli

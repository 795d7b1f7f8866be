#include "SearchOptions.h"

#include "AddressText.h"

#include <algorithm>

namespace ortavel::cli {

bool takeOption(std::vector<std::string> &args, const std::string &name, std::string &value, bool &present,
                std::string &error)
{
    present = false;
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return true;
    if (it + 1 == args.end()) {
        error = name + " needs a value";
        return false;
    }
    value = *(it + 1);
    present = true;
    args.erase(it, it + 2);
    if (std::find(args.begin(), args.end(), name) != args.end()) {
        error = name + " given twice";
        return false;
    }
    return true;
}

bool takeFlag(std::vector<std::string> &args, const std::string &name)
{
    const auto it = std::remove(args.begin(), args.end(), name);
    const bool present = it != args.end();
    args.erase(it, args.end());
    return present;
}

bool takeSearchOptions(std::vector<std::string> &args, std::vector<int> &addresses, std::vector<int> &bauds,
                       std::string &error)
{
    std::string value;
    bool present = false;
    addresses = *parseAddressList("1-99");
    bauds = searchOrderBauds();
    if (!takeOption(args, "--addresses", value, present, error))
        return false;
    if (present) {
        const auto list = parseAddressList(value);
        if (!list) {
            error = "--addresses takes addresses 1-99 as a list such as 1-10,12";
            return false;
        }
        addresses = *list;
    }
    if (!takeOption(args, "--bauds", value, present, error))
        return false;
    if (present) {
        const auto list = parseBaudList(value);
        if (!list) {
            error = "--bauds takes rates of 1200, 2400, 4800, 9600 separated by commas";
            return false;
        }
        bauds = *list;
    }
    return true;
}

} // namespace ortavel::cli

#include "Registry.h"

namespace ortavel {

std::string registryValueText(const Registry::Value &value, const std::string &previous)
{
    auto length = value.data.size();
    if (length > 0 && value.data[length - 1] == 0)
        --length;
    if (value.type == Registry::kString)
        return {value.data.begin(), value.data.begin() + static_cast<std::ptrdiff_t>(length)};
    if (value.type != Registry::kDoubleWord)
        return previous;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto i = length; i > 0; --i) {
        const unsigned byte = value.data[i - 1];
        if (byte >= 16)
            text += kDigits[byte / 16];
        text += kDigits[byte % 16];
    }
    return text;
}

} // namespace ortavel

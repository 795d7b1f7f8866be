#pragma once

#include "about/SystemTools.h"

namespace ortavel {

// Programs through QStandardPaths and QProcess, addresses through
// QDesktopServices.
class QtSystemTools final : public SystemTools {
public:
    std::string findProgram(const std::string &name) const override;
    bool fileExists(const std::string &path) const override;
    bool startProgram(const std::string &path) override;
    bool openUrl(const std::string &url) override;
};

} // namespace ortavel

#include "SendSubcommand.h"

#include "CommonOptions.h"
#include "SendCommand.h"

namespace ortavel::cli {

bool SendSubcommand::parse(const std::vector<std::string> &args, const CommonOptions &options, std::string &error)
{
    error = checkSendArguments(args);
    if (error.empty() && options.autoBaud)
        error = "send needs a fixed --baud";
    m_args = args;
    return error.empty();
}

int SendSubcommand::run(Bus &bus, const CommonOptions &)
{
    return runSend(bus, m_args);
}

} // namespace ortavel::cli

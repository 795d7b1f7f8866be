#include "Subcommand.h"

#include "ApplyCommand.h"
#include "BackupCommand.h"
#if ORTAVEL_HISTORY
#include "DueCommand.h"
#include "HistoryCommand.h"
#endif
#include "OneRequestCommand.h"
#include "PollCommand.h"
#include "PortsCommand.h"
#include "ReadCommand.h"
#include "SearchCommand.h"
#include "SendSubcommand.h"
#include "SetCommand.h"
#include "VerifyCommand.h"

namespace ortavel::cli {

std::unique_ptr<Subcommand> makeSubcommand(const std::string &name)
{
    using Kind = OneRequestCommand::Kind;
    if (name == "send")
        return std::make_unique<SendSubcommand>();
    if (name == "ports")
        return std::make_unique<PortsCommand>();
    if (name == "search")
        return std::make_unique<SearchCommand>();
    if (name == "read")
        return std::make_unique<ReadCommand>();
    if (name == "set")
        return std::make_unique<SetCommand>();
    if (name == "backup")
        return std::make_unique<BackupCommand>();
    if (name == "apply")
        return std::make_unique<ApplyCommand>();
    if (name == "verify")
        return std::make_unique<VerifyCommand>();
    if (name == "poll")
        return std::make_unique<PollCommand>();
    if (name == "zero")
        return std::make_unique<OneRequestCommand>(Kind::Zero);
    if (name == "save")
        return std::make_unique<OneRequestCommand>(Kind::Save);
    if (name == "restore-factory")
        return std::make_unique<OneRequestCommand>(Kind::Restore);
#if ORTAVEL_HISTORY
    if (name == "history")
        return std::make_unique<HistoryCommand>();
    if (name == "due")
        return std::make_unique<DueCommand>();
#endif
    return nullptr;
}

} // namespace ortavel::cli

#pragma once

#include <string>
#include <vector>

namespace ortavel::cli {

class Bus;

// `send [--repeat N] ADDR COMMAND`: prints each result text with its CR as a
// line feed. Exit status 0 when the last result is a good reply, 1 when it is
// an error text, 2 on a usage error.
int runSend(Bus &session, const std::vector<std::string> &args);

// Checks the arguments before the port is opened; empty when they are fine.
std::string checkSendArguments(const std::vector<std::string> &args);

} // namespace ortavel::cli

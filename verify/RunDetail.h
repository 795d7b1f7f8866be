#pragma once

#include "Verification.h"

#include <string>
#include <vector>

namespace ortavel::verify {

// A file written for a run, with its SHA-256 in hex.
struct FileDigest {
    std::string path;
    std::string sha256;
};

// A finished run as the history keeps it: the plan and range, every point
// with nominal, reference, mean, error, verdict ("pass", "fail" or
// "skipped": no reading) and samples, and the files written.
std::string runDetailJson(const Run &run, const std::vector<FileDigest> &files);

// "pass" only for a run whose every point passed; a point without a
// reading leaves the run unproven, "fail".
std::string runVerdictText(const Run &run);

} // namespace ortavel::verify

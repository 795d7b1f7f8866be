#pragma once

#include "verify/Certificate.h"

#include <string>

namespace ortavel {

class TextTranslator;

// The certificate on A4 pages through Qt's PDF writer: title, the
// transmitter and reference instrument, operator, date, tolerance, each
// run's table with its verdict and hysteresis, a legend, signature lines,
// then "End of report". Every page's footer has the report number and
// "page x of y". Every text a reader reads is in the translator's language
// (as written without one); values, units, dates and the digest are not
// translated. Needs a QGuiApplication (fonts). False when the file cannot be
// written.
bool writeCertificatePdf(const std::string &path, const verify::Certificate &certificate,
                         const TextTranslator *translator = nullptr);

} // namespace ortavel

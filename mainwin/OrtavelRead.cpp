#include "Ortavel.h"

namespace ortavel {

void Ortavel::ReadTransmitterInfo() {}
void Ortavel::cmdReFresh_Click() {}

} // namespace ortavel

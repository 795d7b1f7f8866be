#include "Ortavel.h"

namespace ortavel {

void Ortavel::cmdSEARCH_Click() {}
void Ortavel::CMB_ADDR_Click() {}

} // namespace ortavel

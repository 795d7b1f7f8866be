#include "Ortavel.h"

namespace ortavel {

void Ortavel::Form_Load() {}
bool Ortavel::Form_QueryUnload()
{
    return true;
}
void Ortavel::COM_QUIT_Click() {}
void Ortavel::Exit_Click() {}
void Ortavel::About_Click() {}
void Ortavel::UserCal_Click() {}
void Ortavel::cmbCommPort_Click() {}

} // namespace ortavel

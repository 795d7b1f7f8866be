#include "QtEventPump.h"

#include <QCoreApplication>

namespace ortavel {

void QtEventPump::processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace ortavel

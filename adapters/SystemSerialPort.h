#pragma once

// The serial port of the system built for: Win32's own on Windows, where Qt
// has no serial port module here, QSerialPort elsewhere.
#ifdef _WIN32
#include "SerialPortWin.h"
namespace ortavel {
using SystemSerialPort = SerialPortWin;
}
#else
#include "SerialPortQt.h"
namespace ortavel {
using SystemSerialPort = SerialPortQt;
}
#endif

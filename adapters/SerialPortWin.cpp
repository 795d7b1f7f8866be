#include "SerialPortWin.h"

#include "LineSettingsParse.h"
#include "link/PortMap.h"
#include "text/OperatorText.h"

#include <windows.h>

#include <array>
#include <chrono>

namespace ortavel {

namespace {
constexpr DWORD kWriteTimeoutMs = 1000;
constexpr int kFirstPort = 1;
constexpr int kLastPort = 6;
// The poll of the input queue while waiting: short against a character
// time at 9600 baud (1 ms), with the timer resolution raised while open.
constexpr DWORD kPollMs = 1;
constexpr std::size_t kReadChunk = 4096;

HANDLE asHandle(void *handle)
{
    return static_cast<HANDLE>(handle);
}

BYTE winParity(LineParity parity)
{
    switch (parity) {
    case LineParity::Even:
        return EVENPARITY;
    case LineParity::Odd:
        return ODDPARITY;
    case LineParity::Mark:
        return MARKPARITY;
    case LineParity::Space:
        return SPACEPARITY;
    case LineParity::None:
        break;
    }
    return NOPARITY;
}

BYTE winStopBits(LineStopBits stopBits)
{
    switch (stopBits) {
    case LineStopBits::OneAndHalf:
        return ONE5STOPBITS;
    case LineStopBits::Two:
        return TWOSTOPBITS;
    case LineStopBits::One:
        break;
    }
    return ONESTOPBIT;
}

std::string systemMessage(DWORD code)
{
    std::array<char, 512> text{};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text.data(), static_cast<DWORD>(text.size()), nullptr);
    std::string message(text.data(), length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? fill(OT_TR("Ortavel", "error %1"), {std::to_string(code)}) : message;
}

// COM10 and above can be opened only through the device namespace.
std::string devicePathOf(const std::string &name)
{
    return name.rfind("\\\\", 0) == 0 ? name : "\\\\.\\" + name;
}
} // namespace

SerialPortWin::SerialPortWin(const PortMap &portMap) : m_portMap(portMap) {}

SerialPortWin::~SerialPortWin()
{
    closeHandle();
}

void SerialPortWin::closeHandle()
{
    if (m_handle == nullptr)
        return;
    CloseHandle(asHandle(m_handle));
    m_handle = nullptr;
    timeEndPeriod(1);
}

bool SerialPortWin::fail(const std::string &description)
{
    m_error = description;
    return false;
}

bool SerialPortWin::failFromSystem(const std::string &what, bool dropLine)
{
    m_error = what + ": " + systemMessage(GetLastError());
    if (dropLine)
        closeHandle();
    return false;
}

bool SerialPortWin::isOpen() const
{
    return m_handle != nullptr;
}

bool SerialPortWin::openDevice(const std::string &path)
{
    if (isOpen())
        return fail(OT_TR("Ortavel", "Port already open"));
    const std::string device = devicePathOf(path);
    HANDLE handle = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failFromSystem(path, false);
    m_handle = handle;
    timeBeginPeriod(1);
    // Reads return at once with what has arrived; a write gives up after a
    // second rather than hang on a line held by flow control.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    if (!SetCommTimeouts(handle, &timeouts))
        return failFromSystem(path, true);
    if (!applySettings()) {
        const std::string description = m_error;
        closeHandle();
        return fail(description);
    }
    PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    return true;
}

bool SerialPortWin::open()
{
    return openDevice(m_portMap.devicePath(m_number));
}

bool SerialPortWin::close()
{
    if (!isOpen())
        return fail(OT_TR("Ortavel", "Port already closed"));
    closeHandle();
    return true;
}

int SerialPortWin::portNumber() const
{
    return m_number;
}

bool SerialPortWin::setPortNumber(int number)
{
    if (isOpen())
        return fail(OT_TR("Ortavel", "Operation valid only when the port is closed"));
    if (number < kFirstPort || number > kLastPort)
        return fail(OT_TR("Ortavel", "Invalid port number"));
    m_number = number;
    return true;
}

std::string SerialPortWin::settings() const
{
    return m_settings;
}

bool SerialPortWin::setSettings(const std::string &settings)
{
    if (!parseLineSettings(settings))
        return fail(OT_TR("Ortavel", "Invalid property value"));
    m_settings = settings;
    return !isOpen() || applySettings();
}

bool SerialPortWin::applySettings()
{
    const auto config = parseLineSettings(m_settings);
    if (!config)
        return fail(OT_TR("Ortavel", "Invalid property value"));
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(asHandle(m_handle), &dcb))
        return failFromSystem("GetCommState", false);
    dcb.BaudRate = static_cast<DWORD>(config->baud);
    dcb.ByteSize = static_cast<BYTE>(config->dataBits);
    dcb.Parity = winParity(config->parity);
    dcb.StopBits = winStopBits(config->stopBits);
    dcb.fBinary = TRUE;
    dcb.fParity = config->parity == LineParity::None ? FALSE : TRUE;
    // A two-wire RS-485 adapter turns the line itself: no handshake.
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(asHandle(m_handle), &dcb))
        return failFromSystem("SetCommState " + m_settings, false);
    return true;
}

bool SerialPortWin::discardInput()
{
    if (!isOpen())
        return fail(OT_TR("Ortavel", "Port is closed"));
    return PurgeComm(asHandle(m_handle), PURGE_RXCLEAR | PURGE_RXABORT) || failFromSystem("PurgeComm", false);
}

bool SerialPortWin::discardOutput()
{
    if (!isOpen())
        return fail(OT_TR("Ortavel", "Port is closed"));
    return PurgeComm(asHandle(m_handle), PURGE_TXCLEAR | PURGE_TXABORT) || failFromSystem("PurgeComm", false);
}

bool SerialPortWin::write(const std::string &bytes)
{
    if (!isOpen())
        return fail(OT_TR("Ortavel", "Port is closed"));
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(asHandle(m_handle), bytes.data() + sent, static_cast<DWORD>(bytes.size() - sent), &written,
                       nullptr))
            return failFromSystem("WriteFile", true);
        if (written == 0)
            return fail(OT_TR("Ortavel", "Write timed out"));
        sent += written;
    }
    return true;
}

std::string SerialPortWin::readAvailable()
{
    std::string data;
    if (!isOpen())
        return data;
    std::array<char, kReadChunk> chunk{};
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(asHandle(m_handle), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
            failFromSystem("ReadFile", true);
            return data;
        }
        data.append(chunk.data(), got);
        if (got < chunk.size())
            return data;
    }
}

bool SerialPortWin::setTextInputMode()
{
    return true;
}

bool SerialPortWin::setReadLength(int length)
{
    return length >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

bool SerialPortWin::setReceiveThreshold(int threshold)
{
    return threshold >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

bool SerialPortWin::setSendThreshold(int threshold)
{
    return threshold >= 0 || fail(OT_TR("Ortavel", "Invalid property value"));
}

// Polls the driver's input count: one synchronous handle serves reads,
// writes and waits alike, without overlapped I/O.
WaitResult SerialPortWin::waitForInput(int timeoutMs)
{
    if (!isOpen()) {
        fail(OT_TR("Ortavel", "Port is closed"));
        return WaitResult::Failed;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        COMSTAT status{};
        DWORD errors = 0;
        if (!ClearCommError(asHandle(m_handle), &errors, &status)) {
            failFromSystem("ClearCommError", true);
            return WaitResult::Failed;
        }
        if (status.cbInQue > 0)
            return WaitResult::Ready;
        if (std::chrono::steady_clock::now() >= deadline)
            return WaitResult::Timeout;
        Sleep(kPollMs);
    }
}

std::string SerialPortWin::errorString() const
{
    return m_error;
}

std::string SerialPortWin::deviceName(int number) const
{
    return m_portMap.devicePath(number);
}

} // namespace ortavel

#pragma once

#include "link/SerialPort.h"

#include <cstdint>

namespace ortavel {

class PortMap;

// The serial port over the Win32 communications functions. Port numbers
// name "COMn" through the port map; the line settings text is "BAUD,P,D,S".
class SerialPortWin final : public SerialPort {
public:
    explicit SerialPortWin(const PortMap &portMap);
    ~SerialPortWin() override;
    SerialPortWin(const SerialPortWin &) = delete;
    SerialPortWin &operator=(const SerialPortWin &) = delete;

    bool isOpen() const override;
    bool open() override;
    bool close() override;
    int portNumber() const override;
    bool setPortNumber(int number) override;
    std::string settings() const override;
    bool setSettings(const std::string &settings) override;
    bool discardInput() override;
    bool discardOutput() override;
    bool write(const std::string &bytes) override;
    std::string readAvailable() override;
    bool setTextInputMode() override;
    bool setReadLength(int length) override;
    bool setReceiveThreshold(int threshold) override;
    bool setSendThreshold(int threshold) override;
    WaitResult waitForInput(int timeoutMs) override;
    std::string errorString() const override;
    std::string deviceName(int number) const override;

    // Opens a device ("COM3", "\\.\COM12") directly, bypassing the port
    // number (command line).
    bool openDevice(const std::string &path);

private:
    bool fail(const std::string &description);
    // The last Win32 error as text; a line that failed is closed.
    bool failFromSystem(const std::string &what, bool dropLine);
    bool applySettings();
    void closeHandle();

    const PortMap &m_portMap;
    void *m_handle = nullptr; // HANDLE; no <windows.h> for the users of this header
    int m_number = 1;
    std::string m_settings = "9600,N,8,1";
    std::string m_error;
};

} // namespace ortavel

#pragma once

#include "link/SerialPort.h"

#include <QSerialPort>

namespace ortavel {

class PortMap;

// The serial port over QSerialPort. Port numbers name devices through the
// port map; the line settings text is "BAUD,P,D,S".
class SerialPortQt final : public SerialPort {
public:
    explicit SerialPortQt(const PortMap &portMap);
    ~SerialPortQt() override;
    SerialPortQt(const SerialPortQt &) = delete;
    SerialPortQt &operator=(const SerialPortQt &) = delete;

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
    // The adapter's latency timer where it is above what the quick search
    // allows for, as read when the port opened.
    int latencyMs() const override;

    // Opens a device path directly, bypassing the port number (command line).
    bool openDevice(const std::string &path);

private:
    bool fail(const std::string &description);
    bool failFromPort();
    bool applySettings();
    void dropOnFatalError(unsigned opening);
    void askForLowLatency();

    const PortMap &m_portMap;
    QSerialPort m_port;
    int m_number = 1;
    std::string m_settings = "9600,N,8,1";
    std::string m_error;
    unsigned m_openings = 0; // successful opens so far
    int m_latencyMs = 0;
};

} // namespace ortavel

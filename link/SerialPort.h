#pragma once

#include <optional>
#include <string>

namespace ortavel {

// What a blocking wait for input ended with.
enum class WaitResult { Ready, Timeout, Failed };

// The one serial port of the tool. Port numbers are 1 to 6; line settings
// are texts such as "9600,N,8,1". Operations that can fail return false and
// leave a description in errorString().
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual bool isOpen() const = 0;
    virtual bool open() = 0;
    virtual bool close() = 0;

    virtual int portNumber() const = 0;
    virtual bool setPortNumber(int number) = 0;

    virtual std::string settings() const = 0;
    virtual bool setSettings(const std::string &settings) = 0;

    virtual bool discardInput() = 0;
    virtual bool discardOutput() = 0;
    virtual bool write(const std::string &bytes) = 0;
    // Takes and removes everything received so far; never waits.
    virtual std::string readAvailable() = 0;

    virtual bool setTextInputMode() = 0;
    virtual bool setReadLength(int length) = 0;
    virtual bool setReceiveThreshold(int threshold) = 0;
    virtual bool setSendThreshold(int threshold) = 0;

    // Blocks until input is waiting, the time is up or the port fails.
    virtual WaitResult waitForInput(int timeoutMs) = 0;

    virtual std::string errorString() const = 0;

    // Milliseconds a link adds to every reply wait (a network's delay).
    virtual int allowanceMs() const { return 0; }
    // Milliseconds an adapter may hold received bytes back beyond what the
    // quick search allows for already.
    virtual int latencyMs() const { return 0; }
    // The one rate of a line whose rate is set elsewhere (a raw TCP device
    // server); nothing where setSettings changes it.
    virtual std::optional<int> fixedBaud() const { return std::nullopt; }

    // The device behind a port number, for the operator to see; empty when
    // the port has no such name.
    virtual std::string deviceName(int /*number*/) const { return {}; }
    // How that device is reached, for the operator to see; empty when
    // nothing needs saying.
    virtual std::string linkDetails(int /*number*/) const { return {}; }
};

} // namespace ortavel

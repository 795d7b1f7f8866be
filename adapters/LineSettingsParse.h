#pragma once

#include <QSerialPort>

#include <optional>
#include <string_view>

namespace ortavel {

struct SerialLineConfig {
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// "9600,N,8,1" and its kin; nullopt for a malformed text.
std::optional<SerialLineConfig> parseLineSettings(std::string_view text);

} // namespace ortavel

#include "PtyLink.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace ortavel::sim {

namespace {
struct SpeedCode {
    speed_t code;
    int baud;
};

constexpr std::array<SpeedCode, 12> kSpeeds = {{
    {B110, 110},
    {B300, 300},
    {B600, 600},
    {B1200, 1200},
    {B2400, 2400},
    {B4800, 4800},
    {B9600, 9600},
    {B19200, 19200},
    {B38400, 38400},
    {B57600, 57600},
    {B115200, 115200},
    {B230400, 230400},
}};

std::string describe(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}
} // namespace

PtyLink::PtyLink(std::string linkPath) : m_linkPath(std::move(linkPath)) {}

PtyLink::~PtyLink()
{
    close();
}

bool PtyLink::open(std::string &error)
{
    close();
    int master = -1;
    int serial = -1;
    std::array<char, 256> name{};
    if (::openpty(&master, &serial, name.data(), nullptr, nullptr) != 0) {
        error = describe("openpty");
        return false;
    }
    // Raw at 9600 from the start: until the tool sets its own, nothing it
    // sends may be changed by line discipline (a CR turned into a LF).
    termios tio{};
    ::tcgetattr(serial, &tio);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(serial, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(serial, F_SETFD, FD_CLOEXEC);
    m_master = master;
    m_serial = serial;
    m_serialPath = name.data();
    if (!makeLink(error)) {
        close();
        return false;
    }
    return true;
}

bool PtyLink::makeLink(std::string &error)
{
    if (m_linkPath.empty())
        return true;
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto status = fs::symlink_status(m_linkPath, ec);
    if (fs::exists(status) && !fs::is_symlink(status)) {
        error = m_linkPath + ": exists and is not a symbolic link";
        return false;
    }
    // Made aside and renamed over the old one, so the path never dangles.
    const std::string temporary = m_linkPath + ".new" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(m_serialPath.c_str(), temporary.c_str()) != 0) {
        error = describe(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), m_linkPath.c_str()) != 0) {
        error = describe(m_linkPath.c_str());
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void PtyLink::close()
{
    if (!m_linkPath.empty() && !m_serialPath.empty()) {
        std::error_code ec;
        if (std::filesystem::read_symlink(m_linkPath, ec) == m_serialPath)
            std::filesystem::remove(m_linkPath, ec);
    }
    if (m_master >= 0)
        ::close(m_master);
    if (m_serial >= 0)
        ::close(m_serial);
    m_master = -1;
    m_serial = -1;
    m_serialPath.clear();
    m_pending.clear();
}

int PtyLink::lineBaud() const
{
    termios tio{};
    if (m_master < 0 || ::tcgetattr(m_master, &tio) != 0)
        return 0;
    // A second stop bit does not stop a receiver from reading the frame;
    // other data bits or a parity bit do.
    if ((tio.c_cflag & CSIZE) != CS8 || (tio.c_cflag & PARENB) != 0)
        return 0;
    const speed_t speed = ::cfgetospeed(&tio);
    for (const auto &known : kSpeeds) {
        if (known.code == speed)
            return known.baud;
    }
    return 0;
}

std::string PtyLink::readAvailable(bool &failed) const
{
    failed = false;
    std::string data;
    std::array<char, 512> buffer{};
    while (m_master >= 0) {
        const ssize_t n = ::read(m_master, buffer.data(), buffer.size());
        if (n > 0) {
            data.append(buffer.data(), static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            failed = true;
        break;
    }
    return data;
}

void PtyLink::write(std::string_view bytes)
{
    m_pending.append(bytes);
    flush();
}

void PtyLink::flush()
{
    while (m_master >= 0 && !m_pending.empty()) {
        const ssize_t n = ::write(m_master, m_pending.data(), m_pending.size());
        if (n > 0) {
            m_pending.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            m_pending.clear(); // nobody to take them
        break;
    }
}

} // namespace ortavel::sim

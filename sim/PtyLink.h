#pragma once

#include <string>
#include <string_view>

namespace ortavel::sim {

// The simulator's end of a pseudo-terminal and a symbolic link to the
// serial end, where the tool opens it. One descriptor of the serial end
// stays open here, so the master does not fail whenever the tool closes
// its port.
class PtyLink {
public:
    explicit PtyLink(std::string linkPath);
    ~PtyLink();
    PtyLink(const PtyLink &) = delete;
    PtyLink &operator=(const PtyLink &) = delete;

    // Creates the pair and the link; false with a description on failure.
    bool open(std::string &error);
    // Closes both ends and removes the link if it still points here.
    void close();
    bool isOpen() const { return m_master >= 0; }

    int masterFd() const { return m_master; }
    const std::string &linkPath() const { return m_linkPath; }
    const std::string &serialPath() const { return m_serialPath; }

    // The rate the tool has set on the serial end; 0 unless the line is at
    // a standard rate with 8 data bits and no parity.
    int lineBaud() const;

    // Everything waiting from the tool; never blocks. `failed` is set when
    // the master reports an error.
    std::string readAvailable(bool &failed) const;
    // Writes without blocking; what the pty cannot take now is kept and
    // sent by flush() when the master is writable again.
    void write(std::string_view bytes);
    bool hasPendingOutput() const { return !m_pending.empty(); }
    void flush();

private:
    bool makeLink(std::string &error);

    std::string m_linkPath;
    std::string m_serialPath;
    std::string m_pending;
    int m_master = -1;
    int m_serial = -1;
};

} // namespace ortavel::sim

#include "Programs.h"

#include <QElapsedTimer>
#include <QJsonDocument>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ortavel::test {

CliChild::~CliChild()
{
    if (m_pipes[0] >= 0 || m_pipes[1] >= 0) {
        ::kill(m_pid, SIGKILL);
        finish();
    }
}

// QProcess passes arguments as text; bytes that are no UTF-8 need the plain system call.
bool CliChild::start(const std::vector<std::string> &arguments)
{
    std::vector<std::string> all = {ORTAVEL_CLI_PROGRAM, "--settings-dir", m_settings.path().toStdString()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (auto &a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    // The history's default place and spool go below the settings folder too, never the user's own.
    std::vector<std::string> variables = {"XDG_DATA_HOME=" + m_settings.path().toStdString()};
    for (char **variable = environ; *variable != nullptr; ++variable) {
        if (!std::string_view(*variable).starts_with("XDG_DATA_HOME="))
            variables.emplace_back(*variable);
    }
    std::vector<char *> envp;
    envp.reserve(variables.size() + 1);
    for (auto &v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    std::array<int, 2> out{};
    std::array<int, 2> err{};
    if (::pipe2(out.data(), O_CLOEXEC) != 0 || ::pipe2(err.data(), O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    const int spawned = ::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    m_pipes = {out[0], err[0]};
    if (spawned == 0)
        return true;
    m_pid = -1;
    finish();
    return false;
}

bool CliChild::finish(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::array<pollfd, 2> fds = {pollfd{m_pipes[0], POLLIN, 0}, pollfd{m_pipes[1], POLLIN, 0}};
    std::array<std::string *, 2> sinks = {&m_result.out, &m_result.err};
    bool finished = m_pid > 0;
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ::kill(m_pid, SIGKILL);
            finished = false;
            break;
        }
        if (::poll(fds.data(), fds.size(), static_cast<int>(left.count())) < 0 && errno != EINTR)
            break;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            std::array<char, 4096> buffer{};
            const ssize_t n = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (n > 0) {
                sinks[i]->append(buffer.data(), static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
            }
        }
    }
    for (const auto &fd : fds) {
        if (fd.fd >= 0)
            ::close(fd.fd);
    }
    m_pipes = {-1, -1};
    int status = 0;
    if (m_pid > 0)
        ::waitpid(m_pid, &status, 0);
    m_result.exitCode = finished && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return finished;
}

QJsonArray jsonArrayOf(const std::string &text)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).array();
}

CliResult runCli(const std::vector<std::string> &arguments, int timeoutMs)
{
    CliChild child;
    if (child.start(arguments))
        child.finish(timeoutMs);
    return child.result();
}

bool SimProgram::start(const QStringList &arguments)
{
    m_process.start(ORTAVEL_SIM_PROGRAM, arguments);
    if (!m_process.waitForStarted())
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!m_process.canReadLine() && timer.elapsed() < 10000 && m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(100);
    m_linkPath = m_process.readLine().trimmed().toStdString();
    return !m_linkPath.empty();
}

void SimProgram::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished();
}

bool SimProgram::waitForLog(const std::string &text, int times, int timeoutMs)
{
    const auto count = [&] {
        m_log += m_process.readAllStandardError().toStdString();
        int n = 0;
        for (auto at = m_log.find(text); at != std::string::npos; at = m_log.find(text, at + 1))
            ++n;
        return n;
    };
    QElapsedTimer timer;
    timer.start();
    while (count() < times) {
        if (timer.elapsed() > timeoutMs || m_process.state() != QProcess::Running)
            return false;
        m_process.waitForReadyRead(10);
    }
    return true;
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
}

double processCpuMs(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(file, stat))
        return -1;
    // The command name may hold blanks; the fields after it are plain.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long ticks = 0;
    for (int n = 3; n <= 15 && fields >> field; ++n) {
        if (n == 14 || n == 15) // user and system time
            ticks += std::stoll(field);
    }
    return static_cast<double>(ticks) * 1e3 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

std::vector<ExchangeRecord> traceLines(const std::string &err)
{
    std::vector<ExchangeRecord> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) {
        if (auto record = parseTrafficLine(line))
            lines.push_back(*record);
    }
    return lines;
}

} // namespace ortavel::test

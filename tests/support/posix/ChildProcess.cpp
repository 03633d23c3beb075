#include "ChildProcess.h"

#include <climits>
#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

/// The folder of the running test program, with the closing separator.
std::string ownFolder()
{
    char path[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string own(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    return own.substr(0, own.rfind('/') + 1);
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    const std::string path = ownFolder() + program;
    std::vector<char*> argv {const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    m_handle = child;
}

ChildProcess::~ChildProcess()
{
    if (m_handle > 0)
        kill();
}

bool ChildProcess::started() const
{
    return m_handle > 0;
}

void ChildProcess::kill()
{
    if (m_handle > 0)
        ::kill(static_cast<pid_t>(m_handle), SIGKILL);
    wait();
}

int ChildProcess::wait()
{
    int status = 0;
    if (m_handle > 0 && waitpid(static_cast<pid_t>(m_handle), &status, 0) < 0)
        status = -1;
    m_handle = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

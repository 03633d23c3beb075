#include "ChildProcess.h"

#include <windows.h>

namespace {

/// The folder of the running test program, with the closing separator.
std::string ownFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string own(path, length);
    return own.substr(0, own.find_last_of("\\/") + 1);
}

HANDLE handleOf(long long value)
{
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(value));
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    const std::string path = ownFolder() + program + ".exe";
    // Each argument quoted: the tests' paths hold no quotes.
    std::string commandLine = "\"" + path + "\"";
    for (const std::string& argument : arguments)
        commandLine += " \"" + argument + "\"";
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        m_handle = reinterpret_cast<intptr_t>(process.hProcess);
    }
}

ChildProcess::~ChildProcess()
{
    if (started())
        kill();
}

bool ChildProcess::started() const
{
    return m_handle != -1;
}

void ChildProcess::kill()
{
    if (started())
        TerminateProcess(handleOf(m_handle), 9);
    wait();
}

int ChildProcess::wait()
{
    DWORD code = static_cast<DWORD>(-1);
    if (started()) {
        WaitForSingleObject(handleOf(m_handle), INFINITE);
        GetExitCodeProcess(handleOf(m_handle), &code);
        CloseHandle(handleOf(m_handle));
    }
    m_handle = -1;
    return static_cast<int>(code);
}

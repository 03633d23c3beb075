#pragma once

#include <string>
#include <vector>

/// A helper program of the tests (built beside the test programs), run as a process of its
/// own so that a test can end it at any moment, as a crash or a power cut would.
class ChildProcess {
public:
    /// Starts `program` (its name without folder or extension) with `arguments`.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const;
    /// Ends the process at once, wherever it is, and waits until it is gone.
    void kill();
    /// Waits for the process to end; its exit code.
    int wait();

private:
    long long m_handle = -1;
};

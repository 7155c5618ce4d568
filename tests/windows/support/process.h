#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tarvok::test {

// Folder of the running test program, where the build puts the launcher and the tools.
std::string binFolder();

// A child process started for a test, in a job that kills it (and what it started) when the
// object goes, so nothing outlives the test even when it fails half-way.
class ChildProcess {
  public:
    ChildProcess(const std::string& commandLine, const std::string& workingFolder = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD id() const { return id_; }
    HANDLE handle() const { return process_; }
    // How many processes have run in its job so far: itself and every program it started,
    // counted from the moment each was created.
    int processesStarted() const;
    // Waits for the process to end by itself; returns whether it did in time.
    bool waitForExit(DWORD ms);
    DWORD exitCode() const;

  private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The visible top-level windows of a process with the given class name (any when empty).
std::vector<HWND> topWindowsOf(DWORD processId, const wchar_t* className = nullptr);

// Polls until the predicate holds, without pumping this thread's messages: for what other
// processes show (windows, files), which no handle of ours signals.
template <typename Fn> bool waitFor(Fn&& done, DWORD timeoutMs = 5000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20); // between two looks, not a wait for an outcome
    }
    return true;
}

// How many starts the marker program has recorded in its log; 0 while there is no log.
int markerStarts(const std::string& logPath);

// While the object lives, documents with the given extension (one without an association, as
// in a fresh prefix) open with the marker program; afterwards the extension has none again.
class OpensWithMarker {
  public:
    explicit OpensWithMarker(const wchar_t* extension);
    ~OpensWithMarker();
    OpensWithMarker(const OpensWithMarker&) = delete;
    OpensWithMarker& operator=(const OpensWithMarker&) = delete;

  private:
    const wchar_t* extension_;
};

// The browser stand-in, serving the given DDE services until the object goes.
class FakeBrowser {
  public:
    FakeBrowser(const std::string& logPath, const std::vector<std::string>& services,
                const std::string& extraArguments = {});
    std::vector<std::string> log() const;

  private:
    std::string logPath_;
    ChildProcess process_;
};

} // namespace tarvok::test

#include "tests/windows/support/process.h"

#include "platform/text.h"
#include "tests/windows/support/temp_dir.h"

#include <sstream>
#include <stdexcept>

namespace tarvok::test {

std::string binFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return narrow(p.substr(0, p.find_last_of(L'\\')));
}

ChildProcess::ChildProcess(const std::string& commandLine, const std::string& workingFolder) {
    job_ = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    std::wstring line = widen(commandLine);
    const std::wstring folder = widen(workingFolder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        CloseHandle(job_);
        throw std::runtime_error("cannot start " + commandLine);
    }
    AssignProcessToJobObject(job_, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    CloseHandle(job_);
}

bool ChildProcess::waitForExit(DWORD ms) {
    return WaitForSingleObject(process_, ms) == WAIT_OBJECT_0;
}

int ChildProcess::processesStarted() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting,
                              sizeof accounting, nullptr);
    return static_cast<int>(accounting.TotalProcesses);
}

DWORD ChildProcess::exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

int markerStarts(const std::string& logPath) {
    if (!fileExists(logPath)) {
        return 0;
    }
    const auto text = readFileBytes(logPath);
    int n = 0;
    for (auto at = text.find("started|"); at != std::string::npos;
         at = text.find("started|", at + 1)) {
        ++n;
    }
    return n;
}

std::vector<HWND> topWindowsOf(DWORD processId, const wchar_t* className) {
    struct Search {
        DWORD pid;
        const wchar_t* cls;
        std::vector<HWND> found;
    } search{processId, className, {}};
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            wchar_t cls[64] = {};
            GetClassNameW(h, cls, 64);
            if (pid == s->pid && IsWindowVisible(h) &&
                (s->cls == nullptr || lstrcmpW(cls, s->cls) == 0)) {
                s->found.push_back(h);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

constexpr wchar_t kMarkerDocumentType[] = L"tarvok.test.document";

void setClassesValue(const std::wstring& key, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

OpensWithMarker::OpensWithMarker(const wchar_t* extension) : extension_(extension) {
    setClassesValue(std::wstring(kMarkerDocumentType) + L"\\shell\\open\\command",
                    L"\"" + widen(binFolder()) + L"\\marker.exe\" \"%1\"");
    setClassesValue(extension, kMarkerDocumentType);
}

OpensWithMarker::~OpensWithMarker() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kMarkerDocumentType);
}

FakeBrowser::FakeBrowser(const std::string& logPath, const std::vector<std::string>& services,
                         const std::string& extraArguments)
    : logPath_(logPath), process_([&] {
          std::string line = "\"" + binFolder() + "\\fake_browser.exe\" --log \"" + logPath + "\"";
          for (const auto& s : services) {
              line += " --service " + s;
          }
          return line + " " + extraArguments;
      }()) {
    if (!waitFor([&] {
            return fileExists(logPath_) &&
                   readFileBytes(logPath_).find("ready") != std::string::npos;
        })) {
        throw std::runtime_error("the browser stand-in did not start");
    }
}

std::vector<std::string> FakeBrowser::log() const {
    std::vector<std::string> lines;
    std::istringstream in(readFileBytes(logPath_));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line != "ready") {
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace tarvok::test

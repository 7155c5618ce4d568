#include "platform/dde.h"

#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "platform/win_handles.h"

#include <vector>

namespace tarvok {

namespace {

HDDEDATA CALLBACK clientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr; // a client only: no advise loops, nothing to serve
}

// WinExec's behaviour without the 16-bit-era API: start the command line with the given show
// state, searching the path, and wait until the program is ready for input (30 s at most).
bool startMinimised(const std::string& commandLine) {
    std::wstring line = widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    UniqueKernelHandle processHandle(process.hProcess);
    UniqueKernelHandle threadHandle(process.hThread);
    WaitForInputIdle(process.hProcess, 30000);
    return true;
}

} // namespace

BrowserDdeClient::BrowserDdeClient(Mode mode) : mode_(mode) {}

BrowserDdeClient::~BrowserDdeClient() {
    closeLink();
    if (instance_ != 0) {
        DdeUninitialize(instance_);
    }
}

bool BrowserDdeClient::ensureInstance() {
    if (instance_ != 0) {
        return true;
    }
    DWORD id = 0;
    if (DdeInitializeW(&id, clientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
        return false;
    }
    instance_ = id;
    return true;
}

bool BrowserDdeClient::setLink(const std::string& service, const std::string& topic) {
    if (mode_ == Mode::Automatic) {
        closeLink();
    }
    service_ = service;
    topic_ = topic;
    return mode_ == Mode::Automatic ? openLink() : isOpen();
}

bool BrowserDdeClient::connect() {
    // Ask the browser for text in the ANSI code page, as browsers of that era expect.
    CONVCONTEXT context{};
    context.cb = sizeof context;
    context.iCodePage = CP_WINANSI;
    conversation_ = DdeConnect(instance_, serviceHandle_, topicHandle_, &context);
    return conversation_ != nullptr;
}

bool BrowserDdeClient::openLink() {
    closeLink();
    if (!ensureInstance()) {
        return false;
    }
    serviceHandle_ = DdeCreateStringHandleW(instance_, widen(service_).c_str(), CP_WINUNICODE);
    topicHandle_ = DdeCreateStringHandleW(instance_, widen(topic_).c_str(), CP_WINUNICODE);
    bool open = connect();
    if (!open && !service_.empty() && startMinimised(service_ + " " + topic_)) {
        open = connect();
    }
    if (!open) {
        closeLink();
        return false;
    }
    CONVINFO info{};
    info.cb = sizeof info;
    format_ = CF_TEXT;
    if (DdeQueryConvInfo(conversation_, QID_SYNC, &info) != 0 && info.wFmt != 0) {
        format_ = info.wFmt;
    }
    return true;
}

void BrowserDdeClient::closeLink() {
    if (conversation_ != nullptr) {
        DdeDisconnect(conversation_);
        conversation_ = nullptr;
    }
    if (serviceHandle_ != nullptr) {
        DdeFreeStringHandle(instance_, serviceHandle_);
        serviceHandle_ = nullptr;
    }
    if (topicHandle_ != nullptr) {
        DdeFreeStringHandle(instance_, topicHandle_);
        topicHandle_ = nullptr;
    }
}

bool BrowserDdeClient::fitsAnItem(const std::string& item) {
    return widen(item).size() <= kMaxItemLength;
}

std::string BrowserDdeClient::request(const std::string& item) {
    if (!isOpen()) {
        return {};
    }
    HSZ itemHandle = DdeCreateStringHandleW(instance_, widen(item).c_str(), CP_WINUNICODE);
    if (itemHandle == nullptr) {
        return {};
    }
    DWORD result = 0;
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation_, itemHandle, format_,
                                         XTYP_REQUEST, kRequestTimeoutMs, &result);
    DdeFreeStringHandle(instance_, itemHandle);
    if (data == nullptr) {
        return {};
    }
    const DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::vector<char> bytes(size);
    if (size > 0) {
        DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
    }
    DdeFreeDataHandle(data);
    if (format_ == CF_UNICODETEXT) {
        std::wstring wide(reinterpret_cast<const wchar_t*>(bytes.data()),
                          bytes.size() / sizeof(wchar_t));
        return narrow(wide.substr(0, wide.find(L'\0')));
    }
    std::string text(bytes.begin(), bytes.end());
    return systemCodec().decode(text.substr(0, text.find('\0')));
}

} // namespace tarvok

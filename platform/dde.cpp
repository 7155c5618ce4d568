#include "platform/dde.h"

#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "platform/win_handles.h"

#include <utility>
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

DdeString::DdeString(DWORD instance, const std::string& text)
    : instance_(instance),
      handle_(DdeCreateStringHandleW(instance, widen(text).c_str(), CP_WINUNICODE)) {}

DdeString::DdeString(DdeString&& other) noexcept
    : instance_(other.instance_), handle_(std::exchange(other.handle_, nullptr)) {}

DdeString& DdeString::operator=(DdeString&& other) noexcept {
    if (this != &other) {
        reset();
        instance_ = other.instance_;
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void DdeString::reset() noexcept {
    if (handle_ != nullptr) {
        DdeFreeStringHandle(instance_, std::exchange(handle_, nullptr));
    }
}

BrowserDdeClient::~BrowserDdeClient() {
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

std::optional<DdeConversation> BrowserDdeClient::connect(const std::string& service,
                                                         const std::string& topic) {
    if (!ensureInstance()) {
        return std::nullopt;
    }
    DdeConversation conversation;
    conversation.instance_ = instance_;
    conversation.service_ = DdeString(instance_, service);
    conversation.topic_ = DdeString(instance_, topic);
    const auto connectOnce = [&] {
        // Ask the browser for text in the ANSI code page, as browsers of that era expect.
        CONVCONTEXT context{};
        context.cb = sizeof context;
        context.iCodePage = CP_WINANSI;
        conversation.conversation_.reset(DdeConnect(instance_, conversation.service_.get(),
                                                    conversation.topic_.get(), &context));
        return static_cast<bool>(conversation.conversation_);
    };
    bool open = connectOnce();
    if (!open && !service.empty() && startMinimised(service + " " + topic)) {
        open = connectOnce();
    }
    if (!open) {
        return std::nullopt;
    }
    CONVINFO info{};
    info.cb = sizeof info;
    if (DdeQueryConvInfo(conversation.conversation_.get(), QID_SYNC, &info) != 0 &&
        info.wFmt != 0) {
        conversation.format_ = info.wFmt;
    }
    return conversation;
}

bool BrowserDdeClient::fitsAnItem(const std::string& item) {
    return widen(item).size() <= kMaxItemLength;
}

std::string DdeConversation::request(const std::string& item) const {
    UniqueDdeData data;
    {
        const DdeString itemName(instance_, item);
        if (itemName.get() == nullptr) {
            return {};
        }
        DWORD result = 0;
        data.reset(DdeClientTransaction(nullptr, 0, conversation_.get(), itemName.get(), format_,
                                        XTYP_REQUEST, BrowserDdeClient::kRequestTimeoutMs,
                                        &result));
    }
    if (!data) {
        return {};
    }
    const DWORD size = DdeGetData(data.get(), nullptr, 0, 0);
    std::vector<char> bytes(size);
    if (size > 0) {
        DdeGetData(data.get(), reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
    }
    data.reset();
    if (format_ == CF_UNICODETEXT) {
        std::wstring wide(reinterpret_cast<const wchar_t*>(bytes.data()),
                          bytes.size() / sizeof(wchar_t));
        return narrow(wide.substr(0, wide.find(L'\0')));
    }
    std::string text(bytes.begin(), bytes.end());
    return systemCodec().decode(text.substr(0, text.find('\0')));
}

} // namespace tarvok

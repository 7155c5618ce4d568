// A stand-in for a web browser that serves DDE, for tests of the launcher's browser
// conversations. It registers the given service names, accepts the topics WWW_OpenURL and
// WWW_GetWindowInfo, writes every connect, request and disconnect it sees to a log file (one
// UTF-8 line each) and answers requests with a given text, late, or not at all.
//
//   fake_browser --log FILE [--service NAME]... [--reply TEXT] [--delay MS] [--never]
//                [--lifetime SECONDS] [--timestamps]
//
// It writes "ready" once its services are registered, and ends by itself after --lifetime
// seconds (default 120) so that a test that dies cannot leave it behind for long.
//
// It shares no code with the launcher: its text conversions are its own, so that a fault in
// the launcher's codec shows in the tests instead of cancelling itself out.
#include <windows.h>

#include <ddeml.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Options {
    std::wstring log;
    std::vector<std::wstring> services;
    std::wstring reply = L"1";
    DWORD delayMs = 0;
    bool never = false;
    UINT lifetimeSeconds = 120;
    bool timestamps = false; // append "|qpc=<performance counter>" to request lines
};

Options g_options;
DWORD g_instance = 0;
std::map<HCONV, std::string> g_serviceOf;

// UTF-16 to a code page: UTF-8 for the log, 932 for a reply in the ANSI text format (a
// character that code page lacks becomes the system's best fit or "?").
std::string encoded(const std::wstring& text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int n =
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), n, nullptr, nullptr);
    return bytes;
}

void log(const std::string& line) {
    HANDLE f = CreateFileW(g_options.log.c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string bytes = line + "\r\n";
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

std::string nameOf(HSZ handle) {
    wchar_t buffer[2048] = {};
    DdeQueryStringW(g_instance, handle, buffer, 2048, CP_WINUNICODE);
    return encoded(buffer, CP_UTF8);
}

HDDEDATA CALLBACK serve(UINT type, UINT format, HCONV conversation, HSZ hsz1, HSZ hsz2, HDDEDATA,
                        ULONG_PTR, ULONG_PTR) {
    switch (type) {
    case XTYP_CONNECT: {
        const std::string topic = nameOf(hsz1);
        const bool known = topic == "WWW_OpenURL" || topic == "WWW_GetWindowInfo";
        log("connect|" + nameOf(hsz2) + "|" + topic + (known ? "" : "|refused"));
        return reinterpret_cast<HDDEDATA>(static_cast<INT_PTR>(known ? TRUE : FALSE));
    }
    case XTYP_CONNECT_CONFIRM:
        g_serviceOf[conversation] = nameOf(hsz2);
        return nullptr;
    case XTYP_REQUEST: {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        log("request|" + g_serviceOf[conversation] + "|" + nameOf(hsz1) + "|" + nameOf(hsz2) + "|" +
            std::to_string(format) +
            (g_options.timestamps ? "|qpc=" + std::to_string(now.QuadPart) : std::string{}));
        if (g_options.never) {
            return reinterpret_cast<HDDEDATA>(CBR_BLOCK);
        }
        if (g_options.delayMs > 0) {
            Sleep(g_options.delayMs);
        }
        std::string bytes;
        if (format == CF_UNICODETEXT) {
            bytes.assign(reinterpret_cast<const char*>(g_options.reply.c_str()),
                         (g_options.reply.size() + 1) * sizeof(wchar_t));
        } else {
            bytes = encoded(g_options.reply, 932);
            bytes.push_back('\0');
        }
        return DdeCreateDataHandle(g_instance, reinterpret_cast<LPBYTE>(bytes.data()),
                                   static_cast<DWORD>(bytes.size()), 0, hsz2, format, 0);
    }
    case XTYP_DISCONNECT:
        log("disconnect|" + g_serviceOf[conversation]);
        g_serviceOf.erase(conversation);
        return nullptr;
    default:
        return nullptr;
    }
}

void parse(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == L"--log" && hasValue) {
            g_options.log = argv[++i];
        } else if (arg == L"--service" && hasValue) {
            g_options.services.emplace_back(argv[++i]);
        } else if (arg == L"--reply" && hasValue) {
            g_options.reply = argv[++i];
        } else if (arg == L"--delay" && hasValue) {
            g_options.delayMs = static_cast<DWORD>(_wtoi(argv[++i]));
        } else if (arg == L"--lifetime" && hasValue) {
            g_options.lifetimeSeconds = static_cast<UINT>(_wtoi(argv[++i]));
        } else if (arg == L"--timestamps") {
            g_options.timestamps = true;
        } else if (arg == L"--never") {
            g_options.never = true;
        }
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    parse(argc, argv);
    LocalFree(argv);
    if (g_options.log.empty()) {
        return 2;
    }
    if (DdeInitializeW(&g_instance, serve,
                       APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_POKES | CBF_FAIL_EXECUTES |
                           CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                       0) != DMLERR_NO_ERROR) {
        return 3;
    }
    std::vector<HSZ> names;
    for (const auto& service : g_options.services) {
        HSZ name = DdeCreateStringHandleW(g_instance, service.c_str(), CP_WINUNICODE);
        DdeNameService(g_instance, name, nullptr, DNS_REGISTER);
        names.push_back(name);
    }
    SetTimer(nullptr, 0, g_options.lifetimeSeconds * 1000, nullptr);
    log("ready");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) {
            break;
        }
        DispatchMessageW(&message);
    }
    for (HSZ name : names) {
        DdeNameService(g_instance, name, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(g_instance, name);
    }
    DdeUninitialize(g_instance);
    return 0;
}

#pragma once

#include "platform/handle.h"

#include <windows.h>

#include <ddeml.h>

#include <optional>
#include <string>

namespace tarvok {

struct DdeConversationTraits {
    using Handle = HCONV;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { DdeDisconnect(h); }
};
struct DdeDataTraits {
    using Handle = HDDEDATA;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { DdeFreeDataHandle(h); }
};
using UniqueDdeConversation = UniqueHandle<DdeConversationTraits>;
using UniqueDdeData = UniqueHandle<DdeDataTraits>;

// A DDE string handle, freed in the instance that made it.
class DdeString {
  public:
    DdeString() = default;
    DdeString(DWORD instance, const std::string& text);
    ~DdeString() { reset(); }
    DdeString(DdeString&& other) noexcept;
    DdeString& operator=(DdeString&& other) noexcept;
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;
    HSZ get() const { return handle_; }

  private:
    void reset() noexcept;
    DWORD instance_ = 0;
    HSZ handle_ = nullptr;
};

// One conversation with a running web browser, closed when the object goes. It must go
// before the client that opened it.
class DdeConversation {
  public:
    // A synchronous request (XTYP_REQUEST) in the conversation's data format with a time-out
    // of BrowserDdeClient::kRequestTimeoutMs. The reply is the data read as text up to its
    // first zero byte, converted from code page 932; empty when the transaction fails or
    // returns no data.
    std::string request(const std::string& item) const;

  private:
    friend class BrowserDdeClient;
    DdeConversation() = default;

    DWORD instance_ = 0;
    // Declared before the conversation, so that it is disconnected before they are freed.
    DdeString service_;
    DdeString topic_;
    UniqueDdeConversation conversation_;
    UINT format_ = CF_TEXT;
};

// The DDE client of the launcher: one DDE instance for as long as the object lives, and the
// conversations it opens with browsers, one request each.
class BrowserDdeClient {
  public:
    BrowserDdeClient() = default;
    ~BrowserDdeClient();
    BrowserDdeClient(const BrowserDdeClient&) = delete;
    BrowserDdeClient& operator=(const BrowserDdeClient&) = delete;

    // Connects to `service` on `topic`; when no server answers and the service name is not
    // empty, starts "service topic" minimised without activation and tries once more.
    // Nothing when no conversation could be opened.
    std::optional<DdeConversation> connect(const std::string& service, const std::string& topic);

    static constexpr DWORD kRequestTimeoutMs = 10000;
    // DDE names are atoms: an item longer than this cannot be asked for at all.
    static constexpr std::size_t kMaxItemLength = 255;
    static bool fitsAnItem(const std::string& item);

  private:
    bool ensureInstance();

    DWORD instance_ = 0;
};

} // namespace tarvok

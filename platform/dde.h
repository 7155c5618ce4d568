#pragma once

#include <windows.h>

#include <ddeml.h>

#include <string>

namespace tarvok {

// A DDE client conversation with a running web browser. One conversation serves one request
// and is closed at once. In manual mode setting the link only records service and topic and
// openLink() connects; in automatic mode setting the link closes any open conversation and
// connects at once.
class BrowserDdeClient {
  public:
    enum class Mode { Manual, Automatic };

    explicit BrowserDdeClient(Mode mode);
    ~BrowserDdeClient();
    BrowserDdeClient(const BrowserDdeClient&) = delete;
    BrowserDdeClient& operator=(const BrowserDdeClient&) = delete;

    // Returns whether a conversation is open afterwards.
    bool setLink(const std::string& service, const std::string& topic);
    // Connects; when no server answers and the service name is not empty, starts
    // "service topic" minimised without activation and tries once more. On failure the
    // client is closed again.
    bool openLink();
    // Disconnects and frees the string handles; safe to call when nothing is open.
    void closeLink();
    bool isOpen() const { return conversation_ != nullptr; }

    // A synchronous request (XTYP_REQUEST) in the conversation's data format with a time-out
    // of 10 000 ms. The reply is the data read as text up to its first zero byte, converted
    // from code page 932; empty when the transaction fails or returns no data.
    std::string request(const std::string& item);

    static constexpr DWORD kRequestTimeoutMs = 10000;
    // DDE names are atoms: an item longer than this cannot be asked for at all.
    static constexpr std::size_t kMaxItemLength = 255;
    static bool fitsAnItem(const std::string& item);

  private:
    bool connect();
    bool ensureInstance();

    Mode mode_;
    DWORD instance_ = 0;
    std::string service_;
    std::string topic_;
    HSZ serviceHandle_ = nullptr;
    HSZ topicHandle_ = nullptr;
    HCONV conversation_ = nullptr;
    UINT format_ = CF_TEXT;
};

} // namespace tarvok

#include "WebClient.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>
#include <optional>

namespace {

struct Transfer {
    const WebRequest* request = nullptr;
    WebReply reply;
    bool sentReported = false;
};

std::size_t CollectBody(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<Transfer*>(user)->reply.body.append(data, size * count);
    return size * count;
}

// The value of a header line of the given (lower-case) name.
std::optional<std::string> HeaderValue(const std::string& line, const std::string& name) {
    if (line.size() <= name.size() || line[name.size()] != ':') return std::nullopt;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(line[i])) != name[i]) return std::nullopt;
    }
    std::string value = line.substr(name.size() + 1);
    value.erase(0, value.find_first_not_of(' '));
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n')) value.pop_back();
    return value;
}

std::size_t CollectHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& reply = static_cast<Transfer*>(user)->reply;
    const std::string line(data, size * count);
    if (auto value = HeaderValue(line, "set-cookie")) reply.setCookies.push_back(*value);
    if (auto value = HeaderValue(line, "location")) reply.location = *value;
    return size * count;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t uploadTotal, curl_off_t uploaded) {
    auto* transfer = static_cast<Transfer*>(user);
    if (!transfer->sentReported && uploadTotal > 0 && uploaded == uploadTotal &&
        transfer->request->onSent) {
        transfer->sentReported = true;
        transfer->request->onSent();
    }
    return 0;
}

}  // namespace

WebReply Fetch(const WebRequest& request) {
    Transfer transfer;
    transfer.request = &request;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   curl_easy_cleanup);
    curl_slist* headers = nullptr;
    for (const std::string& header : request.headers)
        headers = curl_slist_append(headers, header.c_str());
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(
        headers, curl_slist_free_all);
    curl_easy_setopt(curl.get(), CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, 60L);
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers);
    if (request.method != "GET") {
        curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDS, request.body.data());
        curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.body.size()));
    }
    if (request.method != "GET" && request.method != "POST") {
        curl_easy_setopt(curl.get(), CURLOPT_CUSTOMREQUEST, request.method.c_str());
    }
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl.get(), CURLOPT_HEADERFUNCTION, CollectHeader);
    curl_easy_setopt(curl.get(), CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, Progress);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
    const CURLcode result = curl_easy_perform(curl.get());
    if (result != CURLE_OK) {
        transfer.reply.error = curl_easy_strerror(result);
        return transfer.reply;
    }
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &transfer.reply.status);
    const char* contentType = nullptr;
    curl_easy_getinfo(curl.get(), CURLINFO_CONTENT_TYPE, &contentType);
    if (contentType) transfer.reply.contentType = contentType;
    return transfer.reply;
}

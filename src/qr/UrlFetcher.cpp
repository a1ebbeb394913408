#include "qr/UrlFetcher.h"

#include <curl/curl.h>

#include <exception>
#include <memory>

#include "core/Stream.h"
#include "core/Text.h"

namespace {

// Pieces handed to the stream are at most this large; libcurl caps it lower on its own.
constexpr long kTransferBufferSize = 1024 * 1024;

// curl_global_init must run once before any handle is made; a function-local static makes
// that thread-safe, and the library stays initialised for the life of the process.
bool InternetLibraryStarted() {
    static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return started;
}

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleDeleter>;
using HeaderList = std::unique_ptr<curl_slist, HeaderListDeleter>;

// State shared with the write callback. Exceptions must not unwind through libcurl's C
// frames, so the callback parks them here and the transfer is aborted; they are rethrown
// once curl_easy_perform has returned.
struct Transfer {
    TStream* stream = nullptr;
    std::size_t received = 0;
    std::size_t maxBodySize = 0;
    std::exception_ptr error;
};

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* userData) {
    auto* transfer = static_cast<Transfer*>(userData);
    const std::size_t length = size * count;  // libcurl guarantees size == 1
    try {
        if (length > transfer->maxBodySize - transfer->received) {
            throw EReplyTooLarge(
                Format("The reply is larger than %zu bytes", transfer->maxBodySize));
        }
        transfer->stream->WriteBuffer(data, length);
        transfer->received += length;
        return length;
    } catch (...) {
        transfer->error = std::current_exception();
        return 0;  // anything other than length makes libcurl abort with CURLE_WRITE_ERROR
    }
}

HeaderList FreshReplyHeaders() {
    // Asks every cache on the way (a proxy included) for a reply from the origin server.
    curl_slist* list = curl_slist_append(nullptr, "Cache-Control: no-cache");
    if (list == nullptr) {
        return nullptr;
    }
    curl_slist* extended = curl_slist_append(list, "Pragma: no-cache");
    if (extended == nullptr) {
        curl_slist_free_all(list);
        return nullptr;
    }
    return HeaderList(extended);
}

void ConfigureRequest(CURL* handle, const std::string& url, const FetchLimits& limits,
                      curl_slist* headers, Transfer& transfer) {
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    // No SIGALRM for time-outs: the program has several threads, and a signal would hit any.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, limits.maxRedirects);
    // An empty cookie file switches on the in-memory cookie engine, so cookies set on the
    // way through redirects are sent back, as a desktop internet API does.
    curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT,
                     static_cast<long>(limits.connectTimeout.count()));
    // Under one byte per second for the whole stall period means nothing arrived.
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(limits.stallTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_BUFFERSIZE, kTransferBufferSize);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &WriteBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
}

}  // namespace

void FetchUrlToStream(const std::string& url, TStream& stream) {
    FetchUrlToStream(url, stream, FetchLimits{});
}

void FetchUrlToStream(const std::string& url, TStream& stream, const FetchLimits& limits) {
    if (!InternetLibraryStarted()) {
        return;
    }
    EasyHandle handle(curl_easy_init());
    HeaderList headers = FreshReplyHeaders();
    if (!handle || !headers) {
        return;
    }
    stream.SetPosition(0);
    Transfer transfer;
    transfer.stream = &stream;
    transfer.maxBodySize = limits.maxBodySize;
    ConfigureRequest(handle.get(), url, limits, headers.get(), transfer);
    // The result code is deliberately not examined: a failed download shows only in what
    // the stream received, and the caller decides what an empty or partial reply means.
    curl_easy_perform(handle.get());
    if (transfer.error) {
        std::rethrow_exception(transfer.error);
    }
}

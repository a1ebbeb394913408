// PostForm of our HTTP client beside libcurl's easy interface, both posting the update
// check's form to the same loopback server on a fresh connection per request. Reports the
// requests per second of each and their ratio.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "net/TIdHTTP.h"

namespace {

// Answers every request with the same short reply and closes, one connection at a time.
class LoopbackServer {
public:
    LoopbackServer() {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 128);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackServer() {
        stopping_ = true;
        thread_.join();
        close(listener_);
    }
    std::string Url() const {
        return "http://127.0.0.1:" + std::to_string(port_) + "/requests/checkversionid.php";
    }

private:
    void Serve() {
        while (!stopping_) {
            pollfd waiting{listener_, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0) continue;
            const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0) continue;
            if (ReadRequest(connection)) {
                static constexpr char kReply[] =
                    "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nConnection: close\r\n\r\n1.25";
                send(connection, kReply, sizeof kReply - 1, MSG_NOSIGNAL);
            }
            close(connection);
        }
    }
    static bool ReadRequest(int connection) {
        std::string request;
        char buffer[4096];
        for (;;) {
            const std::size_t headEnd = request.find("\r\n\r\n");
            if (headEnd != std::string::npos) {
                const std::size_t field = request.find("Content-Length: ");
                const std::size_t body =
                    field == std::string::npos ? 0 : std::stoul(request.substr(field + 16));
                if (request.size() >= headEnd + 4 + body) return true;
            }
            const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
            if (got <= 0) return false;
            request.append(buffer, static_cast<std::size_t>(got));
        }
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    std::thread thread_;
};

LoopbackServer& Server() {
    static LoopbackServer server;
    return server;
}

void BM_PostForm_Ours(benchmark::State& state) {
    TIdHTTP http;
    const std::string url = Server().Url();
    for (auto _ : state) {
        std::vector<std::string> fields{"product_id=21"};
        const std::string body = http.PostForm(url, fields);
        if (body != "1.25") state.SkipWithError("unexpected reply");
        benchmark::DoNotOptimize(body);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PostForm_Ours)->UseRealTime();

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* sink) {
    static_cast<std::string*>(sink)->append(data, size * count);
    return size * count;
}

void BM_PostForm_Curl(benchmark::State& state) {
    CURL* curl = curl_easy_init();
    const std::string url = Server().Url();
    std::string body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "product_id=21");
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    for (auto _ : state) {
        body.clear();
        if (curl_easy_perform(curl) != CURLE_OK || body != "1.25") {
            state.SkipWithError("curl request failed");
        }
    }
    state.SetItemsProcessed(state.iterations());
    curl_easy_cleanup(curl);
}
BENCHMARK(BM_PostForm_Curl)->UseRealTime();

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end()) rates_[run.benchmark_name()] = items->second.value;
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double ours = rates_["BM_PostForm_Ours/real_time"];
        const double curl = rates_["BM_PostForm_Curl/real_time"];
        std::printf(
            "\nPostForm on fresh connections: ours %.0f req/s, libcurl %.0f req/s, "
            "ratio ours/curl %.3f\n",
            ours, curl, curl > 0 ? ours / curl : 0.0);
    }

private:
    std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    curl_global_cleanup();
    return 0;
}

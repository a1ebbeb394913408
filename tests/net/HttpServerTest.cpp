// The client against a real HTTP server: cpp-httplib on loopback, inside the test.
#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include "net/IdHTTPExceptions.h"
#include "net/TIdHTTP.h"

namespace {

class HttpServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server_.Post("/requests/checkversionid.php", [](const httplib::Request& request,
                                                        httplib::Response& response) {
            const bool asExpected =
                request.body == "product_id=21" && request.version == "HTTP/1.0" &&
                request.get_header_value("Content-Type") == "application/x-www-form-urlencoded" &&
                request.get_header_value("User-Agent") ==
                    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)";
            response.set_content(asExpected ? "1.25" : "unexpected request", "text/plain");
        });
        server_.Post("/requests/getytvideoid.php",
                     [](const httplib::Request&, httplib::Response& response) {
                         response.set_header("Set-Cookie", "session=abc; path=/");
                         response.set_content("false", "text/plain");
                     });
        server_.Post("/echo-cookie",
                     [](const httplib::Request& request, httplib::Response& response) {
                         response.set_content(request.get_header_value("Cookie"), "text/plain");
                     });
        server_.Post("/chunked", [](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "text/plain", [](std::size_t offset, httplib::DataSink& sink) {
                    if (offset < 3000) {
                        const std::string piece(1000, static_cast<char>('a' + offset / 1000));
                        sink.write(piece.data(), piece.size());
                    } else {
                        sink.done();
                    }
                    return true;
                });
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // The socket listens from bind_to_any_port on: connections wait for the loop.
    }
    void TearDown() override {
        server_.stop();
        thread_.join();
    }

    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

TEST_F(HttpServerTest, UpdateCheckRoadWithTheCookieOfTheFirstReply) {
    TIdHTTP http;
    http.Request().UserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)";
    std::vector<std::string> fields{"product_id=21"};
    EXPECT_EQ(http.PostForm(Url("/requests/getytvideoid.php"), fields), "false");
    fields = {"product_id=21"};
    EXPECT_EQ(http.PostForm(Url("/requests/checkversionid.php"), fields), "1.25");
    EXPECT_EQ(http.PostForm(Url("/echo-cookie"), fields), "session=abc");
}

TEST_F(HttpServerTest, ChunkedReplyAndNotFound) {
    TIdHTTP http;
    http.HTTPOptions.Include(TIdHTTPOption::hoKeepOrigProtocol);
    std::vector<std::string> fields;
    EXPECT_EQ(http.PostForm(Url("/chunked"), fields),
              std::string(1000, 'a') + std::string(1000, 'b') + std::string(1000, 'c'));
    try {
        http.PostForm(Url("/missing"), fields);
        FAIL() << "a 404 was taken";
    } catch (const EIdHTTPProtocolException& error) {
        EXPECT_EQ(error.ReplyCode(), 404);
        EXPECT_EQ(error.Message(), "HTTP/1.1 404 Not Found");
    }
}

}  // namespace

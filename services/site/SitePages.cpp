#include "SitePages.h"

namespace {

std::string Page(const std::string& title, const std::string& content) {
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head>\n<body>\n<h1>" + title + "</h1>\n" + content +
           "<p><a href=\"/\">Home</a></p>\n</body></html>\n";
}

std::string NetworkName(const std::string& social) {
    if (social == "fb") {
        return "Facebook";
    }
    if (social == "tw") {
        return "Twitter";
    }
    if (social == "gp") {
        return "Google+";
    }
    return {};
}

}  // namespace

namespace SitePages {

std::string Index() {
    return Page(
        "Orvanti software",
        "<ul>\n"
        "<li><a href=\"/vexmora.html\">Vexmora \xE2\x80\x93 the free QR-code maker</a></li>\n"
        "<li><a href=\"/donate-free-software.html\">Donate to free software</a></li>\n"
        "<li><a href=\"/url-shortener.html\">URL shortener</a></li>\n"
        "</ul>\n");
}

std::string ProductPage(const std::string& social, bool playVideo) {
    const std::string network = NetworkName(social);
    if (!network.empty()) {
        return Page("Share Vexmora on " + network,
                    "<p>This page stands in for sharing the Vexmora product page on " + network +
                        ".</p>\n");
    }
    if (playVideo) {
        return Page("Vexmora video tutorial",
                    "<p>This page stands in for the Vexmora video tutorial.</p>\n");
    }
    return Page("Vexmora",
                "<p>Vexmora turns a piece of text into a QR-code picture. It is free for any "
                "use.</p>\n"
                "<p><a href=\"/vexmora.html?playvideo\">Watch the video tutorial</a></p>\n");
}

std::string DonationPage() {
    return Page("Donate to free software",
                "<p>This page stands in for the donation page: $15.00 or \xE2\x82\xAC"
                "15.00 helps us keep developing and updating.</p>\n");
}

std::string UrlShortenerPage() {
    return Page("URL shortener", "<p>This page stands in for the URL-shortener service.</p>\n");
}

std::string ErrorPage(int status) {
    const std::string title = std::to_string(status) + " " + StatusReason(status);
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head>\n<body><h1>" + title + "</h1></body></html>\n";
}

const char* StatusReason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 400:
            return "Bad Request";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 413:
            return "Payload Too Large";
        case 500:
            return "Internal Server Error";
        case 502:
            return "Bad Gateway";
        case 503:
            return "Service Unavailable";
        default:
            break;
    }
    return status < 300   ? "Success"
           : status < 400 ? "Redirection"
           : status < 500 ? "Client Error"
                          : "Server Error";
}

}  // namespace SitePages

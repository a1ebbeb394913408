#include "ChartReply.h"

#include "ChartError.h"
#include "ChartLimits.h"
#include "ChartPicture.h"
#include "ChartQuery.h"
#include "PngWriter.h"
#include "QrSymbol.h"

namespace {

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out.push_back(c);
                break;
        }
    }
    return out;
}

}  // namespace

const char* StatusReason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 414:
            return "URI Too Long";
        case 500:
            return "Internal Server Error";
        default:
            return "Error";
    }
}

ChartReply ChartReply::ErrorPage(int status, std::string_view message) {
    const std::string title = std::to_string(status) + " " + StatusReason(status);
    ChartReply reply;
    reply.status = status;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = "<!DOCTYPE html>\n<html><head><title>" + title + "</title></head>\n<body><h1>" +
                 title + "</h1>\n<p>" + EscapeHtml(message) + "</p></body></html>\n";
    return reply;
}

ChartReply ChartReply::ForTarget(std::string_view target, const PngForm& form, EciPolicy eci) {
    if (target.size() > ChartLimits::kMaxTargetLength) {
        return ErrorPage(414, "The request is longer than 2048 characters.");
    }
    const std::size_t question = target.find('?');
    const std::string_view query =
        question == std::string_view::npos ? std::string_view{} : target.substr(question + 1);
    try {
        const ChartQuery chart = ChartQuery::Parse(query);
        const QrSymbol symbol =
            QrSymbol::Encode(chart.data, chart.level, DesignatesUtf8(chart.data, eci));
        const ChartPicture picture =
            ChartPicture::Draw(symbol, chart.width, chart.height, chart.margin);
        ChartReply reply;
        reply.contentType = "image/png";
        reply.body = PngWriter::Write(picture, form);
        return reply;
    } catch (const EChartError& error) {
        return ErrorPage(error.Status(), error.Message());
    }
}

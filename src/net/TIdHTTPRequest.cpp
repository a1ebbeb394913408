#include "net/TIdHTTPRequest.h"

void TIdHTTPRequest::SetTimeHeader(const char* name, TDateTime time) {
    if (time > 0) HeaderLines.SetHeader(name, LocalToInternetDate(time));
}

void TIdHTTPRequest::BuildHeaderLines() {
    HeaderLines.Clear();
    HeaderLines.SetHeader("Connection", Connection);
    HeaderLines.SetHeader("Content-Version", ContentVersion);
    HeaderLines.SetHeader("Content-Encoding", ContentEncoding);
    HeaderLines.SetHeader("Content-Language", ContentLanguage);
    HeaderLines.SetHeader("Content-Type", ContentType);
    if (ContentLength >= 0) {
        HeaderLines.SetHeader("Content-Length", std::to_string(ContentLength));
    }
    HeaderLines.SetHeader("Cache-control", CacheControl);
    SetTimeHeader("Date", Date);
    SetTimeHeader("Expires", Expires);
    HeaderLines.SetHeader("Pragma", Pragma);
    for (const std::string& line : CustomHeaders.Lines()) HeaderLines.Add(line);
    HeaderLines.SetHeader("Proxy-Connection", ProxyConnection);
    HeaderLines.SetHeader("Host", Host);
    HeaderLines.SetHeader("Accept", Accept);
    HeaderLines.SetHeader("Accept-Charset", AcceptCharSet);
    HeaderLines.SetHeader("Accept-Encoding", AcceptEncoding);
    HeaderLines.SetHeader("Accept-Language", AcceptLanguage);
    HeaderLines.SetHeader("From", From);
    HeaderLines.SetHeader("Referer", Referer);
    HeaderLines.SetHeader("User-Agent", UserAgent);
    SetTimeHeader("If-Modified-Since", LastModified);
    if (ContentRangeStart != 0 || ContentRangeEnd != 0) {
        std::string range = "bytes=" + std::to_string(ContentRangeStart) + "-";
        if (ContentRangeEnd != 0) range += std::to_string(ContentRangeEnd);
        HeaderLines.SetHeader("Range", range);
    }
    if (!Authentication && BasicAuthentication) {
        Authentication = std::make_unique<TIdBasicAuthentication>();
        Authentication->Username = Username;
        Authentication->Password = Password;
    }
    if (Authentication) HeaderLines.SetHeader("Authorization", Authentication->Authentication());
}

const char* MethodWord(TIdHTTPMethod method) {
    switch (method) {
        case TIdHTTPMethod::hmHead:
            return "HEAD";
        case TIdHTTPMethod::hmGet:
            return "GET";
        case TIdHTTPMethod::hmPost:
            return "POST";
        case TIdHTTPMethod::hmOptions:
            return "OPTIONS";
        case TIdHTTPMethod::hmTrace:
            return "TRACE";
        case TIdHTTPMethod::hmPut:
            return "PUT";
        case TIdHTTPMethod::hmDelete:
            return "DELETE";
        case TIdHTTPMethod::hmConnect:
            return "CONNECT";
    }
    return "GET";
}

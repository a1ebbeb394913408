#pragma once

#include <string>

// The HTML pages of the stand-in web host: UTF-8, self-contained, linking only each other.
namespace SitePages {

constexpr const char* kContentType = "text/html; charset=utf-8";

// "/": links to the product, donation and URL-shortener pages.
std::string Index();
// "/vexmora.html"; with a social network ("fb", "tw", "gp") a share page naming it, with
// playVideo the tutorial page. An unknown network shows the product page.
std::string ProductPage(const std::string& social, bool playVideo);
std::string DonationPage();
std::string UrlShortenerPage();
// A short page for a status other than 200.
std::string ErrorPage(int status);

const char* StatusReason(int status);

}  // namespace SitePages

#include "skin/ResolveSkinDirectory.h"

std::string WithTrailingSlash(const std::string& value) {
    if (value.empty()) return "/";
    if (value.back() == '/') return value;
    if (value.back() == '\\') return value.substr(0, value.size() - 1) + "/";
    return value + "/";
}

std::string ResolveSkinDirectory(const std::string& value, const std::string& programFolder) {
    std::string result = value;
    if (result.rfind("..", 0) == 0) {
        // The program folder without its trailing slash, then without its last name.
        std::string up =
            programFolder.substr(0, programFolder.empty() ? 0 : programFolder.size() - 1);
        const auto slash = up.find_last_of('/');
        up = slash == std::string::npos ? std::string() : up.substr(0, slash + 1);
        result = up + (result.size() > 3 ? result.substr(3) : std::string());
    } else if (result.rfind("./", 0) == 0 || result.rfind(".\\", 0) == 0) {
        result = programFolder + result.substr(2);
    } else if (result.empty() || result.front() != '/') {
        result = programFolder + result;
    }
    return WithTrailingSlash(result);
}

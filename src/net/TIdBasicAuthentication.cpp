#include "net/TIdBasicAuthentication.h"

std::string TIdBasicAuthentication::Authentication() const {
    return "Basic " + EncodeBase64(Username + ":" + Password);
}

std::string EncodeBase64(const std::string& bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned group = static_cast<unsigned char>(bytes[i]) << 16 |
                               static_cast<unsigned char>(bytes[i + 1]) << 8 |
                               static_cast<unsigned char>(bytes[i + 2]);
        encoded += kAlphabet[group >> 18 & 63];
        encoded += kAlphabet[group >> 12 & 63];
        encoded += kAlphabet[group >> 6 & 63];
        encoded += kAlphabet[group & 63];
    }
    const std::size_t left = bytes.size() - i;
    if (left == 0) return encoded;
    unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
    if (left == 2) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    encoded += kAlphabet[group >> 18 & 63];
    encoded += kAlphabet[group >> 12 & 63];
    encoded += left == 2 ? kAlphabet[group >> 6 & 63] : '=';
    encoded += '=';
    return encoded;
}

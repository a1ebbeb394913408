#pragma once

#include <string>

// The "Basic" authentication scheme (RFC 7617): one step, user name and password sent as
// Base64. The only scheme the client knows.
class TIdBasicAuthentication {
public:
    std::string Username;
    std::string Password;

    // "Basic " and the Base64 form of "Username:Password".
    std::string Authentication() const;
    // Back to the first step; the credentials stay.
    void Reset() { steps_ = 0; }
    // The number of steps taken since the last reset.
    int Steps() const { return steps_; }
    void Step() { ++steps_; }

private:
    int steps_ = 0;
};

// RFC 4648 Base64 with "=" padding.
std::string EncodeBase64(const std::string& bytes);

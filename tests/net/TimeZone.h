#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Sets the process's time zone to a POSIX rule string for as long as it lives. Rule strings
// need no zone files, which a fresh machine may lack.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* rule) {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        setenv("TZ", rule, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (previous_) {
            setenv("TZ", previous_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

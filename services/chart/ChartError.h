#pragma once

#include "core/Exception.h"

// A request the chart service refuses; Status() is the HTTP status of the answer and the
// message the short explanation shown on the error page.
class EChartError : public Exception {
public:
    EChartError(int status, std::string message) : Exception(std::move(message)), status_(status) {}

    int Status() const noexcept { return status_; }

private:
    int status_;
};

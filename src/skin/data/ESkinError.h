#pragma once

#include "core/Exception.h"

// Raised by the skin loader for a package or skin it refuses; the text says why.
class ESkinError : public Exception {
public:
    using Exception::Exception;
};

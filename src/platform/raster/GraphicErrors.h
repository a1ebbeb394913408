#pragma once

#include "core/Exception.h"

// Errors of the picture framework.

// One graphic cannot take the content of another ("Cannot assign a %s to a %s").
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A picture file or clipboard item the framework cannot hold.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// A bitmap or context could not be created.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

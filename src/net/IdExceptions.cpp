#include "net/IdExceptions.h"

#include "net/SocketErrors.h"

EIdSocketError::EIdSocketError(int errorNumber)
    : EIdException(SocketErrorMessage(errorNumber)), lastError_(errorNumber) {}

EIdIntegerConvertError::EIdIntegerConvertError(const std::string& text)
    : EIdException("'" + text + "' is not a valid integer value") {}

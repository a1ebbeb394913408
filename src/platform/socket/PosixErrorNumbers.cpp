#include "platform/socket/PosixErrorNumbers.h"

#include <netdb.h>

#include <cerrno>

#include "platform/socket/SocketErrorNumbers.h"

int SocketErrorFromErrno(int errorNumber) {
    using namespace SocketError;
    switch (errorNumber) {
        case EINTR:
            return Interrupted;
        case EBADF:
            return BadFile;
        case EACCES:
        case EPERM:
            return AccessDenied;
        case EFAULT:
            return BadAddress;
        case EINVAL:
            return InvalidArgument;
        case EMFILE:
        case ENFILE:
            return TooManyOpenFiles;
        case EAGAIN:
#if EWOULDBLOCK != EAGAIN
        case EWOULDBLOCK:
#endif
            return WouldBlock;
        case EINPROGRESS:
            return InProgress;
        case EALREADY:
            return AlreadyInProgress;
        case ENOTSOCK:
            return NotSocket;
        case EDESTADDRREQ:
            return DestinationRequired;
        case EMSGSIZE:
            return MessageTooLong;
        case EPROTOTYPE:
            return WrongProtocolType;
        case ENOPROTOOPT:
            return BadProtocolOption;
        case EPROTONOSUPPORT:
            return ProtocolNotSupported;
        case ESOCKTNOSUPPORT:
            return SocketTypeNotSupported;
        case EOPNOTSUPP:
            return OperationNotSupported;
        case EPFNOSUPPORT:
            return ProtocolFamilyNotSupported;
        case EAFNOSUPPORT:
            return AddressFamilyNotSupported;
        case EADDRINUSE:
            return AddressInUse;
        case EADDRNOTAVAIL:
            return AddressNotAvailable;
        case ENETDOWN:
            return NetworkDown;
        case ENETUNREACH:
            return NetworkUnreachable;
        case ENETRESET:
            return NetworkReset;
        case ECONNABORTED:
            return ConnectionAborted;
        case ECONNRESET:
            return ConnectionReset;
        case ENOBUFS:
        case ENOMEM:
            return NoBufferSpace;
        case EISCONN:
            return AlreadyConnected;
        case ENOTCONN:
            return NotConnected;
        case EPIPE:
        case ESHUTDOWN:
            return Shutdown;
        case ETOOMANYREFS:
            return TooManyReferences;
        case ETIMEDOUT:
            return TimedOut;
        case ECONNREFUSED:
            return ConnectionRefused;
        case ELOOP:
            return SymbolicLinkLoop;
        case ENAMETOOLONG:
            return NameTooLong;
        case EHOSTDOWN:
            return HostDown;
        case EHOSTUNREACH:
            return HostUnreachable;
        case ENOTEMPTY:
            return DirectoryNotEmpty;
        default:
            return errorNumber;
    }
}

int SocketErrorFromAddrInfo(int addrInfoResult, int errnoValue) {
    switch (addrInfoResult) {
        case EAI_NONAME:
        case EAI_AGAIN:
        case EAI_FAIL:
#ifdef EAI_NODATA
        case EAI_NODATA:
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY:
#endif
            return SocketError::HostNotFound;
        case EAI_MEMORY:
            return SocketError::NoBufferSpace;
        case EAI_SYSTEM:
            return SocketErrorFromErrno(errnoValue);
        case EAI_FAMILY:
            return SocketError::AddressFamilyNotSupported;
        case EAI_SOCKTYPE:
            return SocketError::SocketTypeNotSupported;
        case EAI_SERVICE:
            return SocketError::AddressNotAvailable;
        default:
            return SocketError::InvalidArgument;
    }
}

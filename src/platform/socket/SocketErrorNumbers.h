#pragma once

// The error numbers of the Windows socket library, which the transport's messages carry on
// every platform (see SocketStack).
namespace SocketError {
inline constexpr int Interrupted = 10004;
inline constexpr int BadFile = 10009;
inline constexpr int AccessDenied = 10013;
inline constexpr int BadAddress = 10014;
inline constexpr int InvalidArgument = 10022;
inline constexpr int TooManyOpenFiles = 10024;
inline constexpr int WouldBlock = 10035;
inline constexpr int InProgress = 10036;
inline constexpr int AlreadyInProgress = 10037;
inline constexpr int NotSocket = 10038;
inline constexpr int DestinationRequired = 10039;
inline constexpr int MessageTooLong = 10040;
inline constexpr int WrongProtocolType = 10041;
inline constexpr int BadProtocolOption = 10042;
inline constexpr int ProtocolNotSupported = 10043;
inline constexpr int SocketTypeNotSupported = 10044;
inline constexpr int OperationNotSupported = 10045;
inline constexpr int ProtocolFamilyNotSupported = 10046;
inline constexpr int AddressFamilyNotSupported = 10047;
inline constexpr int AddressInUse = 10048;
inline constexpr int AddressNotAvailable = 10049;
inline constexpr int NetworkDown = 10050;
inline constexpr int NetworkUnreachable = 10051;
inline constexpr int NetworkReset = 10052;
inline constexpr int ConnectionAborted = 10053;
inline constexpr int ConnectionReset = 10054;
inline constexpr int NoBufferSpace = 10055;
inline constexpr int AlreadyConnected = 10056;
inline constexpr int NotConnected = 10057;
inline constexpr int Shutdown = 10058;
inline constexpr int TooManyReferences = 10059;
inline constexpr int TimedOut = 10060;
inline constexpr int ConnectionRefused = 10061;
inline constexpr int SymbolicLinkLoop = 10062;
inline constexpr int NameTooLong = 10063;
inline constexpr int HostDown = 10064;
inline constexpr int HostUnreachable = 10065;
inline constexpr int DirectoryNotEmpty = 10066;
inline constexpr int HostNotFound = 11001;
}  // namespace SocketError

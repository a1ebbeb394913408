#pragma once

#include <httplib.h>

#include <string>

class ServiceStop;

// Binds the server to host and port (0 picks a free port), prints "listening on HOST:PORT"
// on standard output and serves until SIGINT or SIGTERM arrives; stop, when given, is
// requested first so that waiting handlers give up. Returns the process exit status: 0 after
// a stop signal, 1 when the port could not be bound or serving failed. Call it before the
// program starts any thread of its own: the stop signals are blocked in every thread.
int ServeUntilStopped(const char* serviceName, httplib::Server& server, const std::string& host,
                      int port, ServiceStop* stop = nullptr);

#include "platform/socket/SocketStackUse.h"

#include "platform/socket/StackLock.h"

SocketStackUse::SocketStackUse() : stack_(StackLock::Acquire()) {}

SocketStackUse::~SocketStackUse() {
    if (stack_) StackLock::Release();
}

#pragma once

class SocketStack;

// One holder of the process-wide socket stack for as long as it lives (see StackLock).
class SocketStackUse {
public:
    SocketStackUse();
    ~SocketStackUse();
    SocketStackUse(const SocketStackUse&) = delete;
    SocketStackUse& operator=(const SocketStackUse&) = delete;

    // False when the socket library could not be started; Stack() is then not to be used.
    bool Available() const { return stack_ != nullptr; }
    SocketStack& Stack() const { return *stack_; }

private:
    SocketStack* stack_;
};

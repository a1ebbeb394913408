#pragma once

// A loopback port that was free a moment ago and has no listener now: connecting to it is
// refused (unless another program takes it meanwhile, which tests accept).
int DeadLoopbackPort();

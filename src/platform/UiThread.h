#pragma once

#include <functional>

// Running code on the UI thread from other threads. The UI thread is the one that created
// the application object; its event loop carries the calls out.
namespace UiThread {

bool IsUiThread();

// Queues the function for the UI thread and returns at once.
void Post(std::function<void()> function);

// Runs the function on the UI thread and waits until it has run. On the UI thread itself it
// runs at once. Returns false without running it when the UI thread no longer carries calls
// out (the application is ending); a waiting caller is then released.
bool RunAndWait(std::function<void()> function);

// Called on the UI thread when the application ends: from then on nothing more is run, and every
// thread waiting in RunAndWait is released.
void Shutdown();

}  // namespace UiThread

#pragma once

// Starts one connection check on a worker thread of its own.
void StartConnectionCheck();

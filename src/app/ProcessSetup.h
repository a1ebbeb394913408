#pragma once

// The process-wide set-up of the subsystems, run first thing at program start.
void InitialiseSubsystems();

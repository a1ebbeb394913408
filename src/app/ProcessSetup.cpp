#include "app/ProcessSetup.h"

void InitialiseSubsystems() {}

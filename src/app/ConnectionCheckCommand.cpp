#include "app/ConnectionCheckCommand.h"

void StartConnectionCheck() {}

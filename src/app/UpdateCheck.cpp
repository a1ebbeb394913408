#include "app/UpdateCheck.h"

void StartUpdateCheck() {}

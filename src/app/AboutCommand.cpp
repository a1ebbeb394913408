#include "app/AboutCommand.h"

void ShowAboutBox() {}

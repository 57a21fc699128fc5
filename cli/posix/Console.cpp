#include "Console.h"

void useUtf8Console() {}

#pragma once

// The program's output is UTF-8 with bare line ends on every system, so that a
// Windows console shows the Russian texts and the result line is the same
// bytes everywhere.
void useUtf8Console();

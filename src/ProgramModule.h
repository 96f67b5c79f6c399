#pragma once

// Loads the desktop program from earnmeter-program.so beside the executable and
// runs it. Returns its exit status, or 1 with the reason on standard error when
// the module cannot be loaded.
int runProgramModule(int argc, char* argv[]);

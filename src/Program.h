#pragma once

// The desktop program: the data folder, the one-copy lock, the windows, the
// tray, the control channel and D-Bus, until Exit. Returns the exit status.
int runProgram(int argc, char* argv[]);

// The same, as the executable finds it in the program's module.
extern "C" __attribute__((visibility("default"))) int earnmeter_run_program(int argc, char* argv[]);

#pragma once

namespace holdsheet {

// The program itself: wires the adapters and the singletons and runs the main loop.
int runProgram(int argc, char* argv[]);

}  // namespace holdsheet

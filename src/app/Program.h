#pragma once

namespace holdsheet {

// Exit statuses of the program and its commands, as `holdsheet help` lists them.
constexpr int exitUsage = 2;
constexpr int exitNoDisplay = 3;
constexpr int exitDisplayUnavailable = 4;
constexpr int exitNotRunning = 5;
constexpr int exitNoSessionBus = 6;
constexpr int exitNotResponding = 7;

// The program itself: wires the adapters and the singletons and runs the main loop.
int runProgram(int argc, char* argv[]);

}  // namespace holdsheet

#pragma once

namespace holdsheet {

// `holdsheet dump`: the cheat sheet of one application on standard output, or as a PDF file.
// Takes the whole command line ("holdsheet dump ...") and makes the application object
// itself, since the PDF needs a GUI one. Returns the process exit code.
int runDump(int argc, char* argv[]);

}  // namespace holdsheet

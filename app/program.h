#pragma once
// Start-up: the application title and hints, the main window, the hidden
// statistics window, then the message loop until the main window has closed.
// Targets on the command line (drive letters such as c:, or folders) are
// scanned at once in the statistics window, for all files.

namespace quarvo {

class TfrmMain;
class TfrmStatistics;

// The program's two long-lived windows, valid from start-up until the
// message loop has ended.
extern TfrmMain* frmMain;
extern TfrmStatistics* frmStatistics;

// Runs the program; returns its exit code.
int runProgram(int argc, char** argv);

}  // namespace quarvo

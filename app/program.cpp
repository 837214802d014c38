#include "app/program.h"

#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/frm_main.h"
#include "app/hint_style.h"
#include "app/machine_services.h"
#include "app/program_icon.h"
#include "app/quarvo_application.h"
#include "app/startup_timing.h"
#include "toolkit/accessible/accessibility.h"
#include "views/frm_statistics.h"

namespace quarvo {

TfrmMain* frmMain = nullptr;
TfrmStatistics* frmStatistics = nullptr;

namespace {

// Once the event loop runs, so that closing the main window during the
// scan ends the program as it would any other time.
void scanOnceRunning(TfrmMain& main, TfrmStatistics& statistics, std::vector<std::string> targets) {
    if (targets.empty()) return;
    QTimer::singleShot(0, &statistics, [&main, &statistics, targets = std::move(targets)] {
        main.btStatisticClick();
        statistics.scanCommandLineTargets(targets);
    });
}

int runWindows(ProgramServices& services, StartupTiming& timing, std::vector<std::string> targets) {
    TfrmMain main(services);
    frmMain = &main;
    // Its creation builds the drive list that the main window's chart
    // reads when it is first shown.
    TfrmStatistics statistics(services);
    frmStatistics = &statistics;
    // Only the main window's closing ends the program.
    statistics.setAttribute(Qt::WA_QuitOnClose, false);
    main.setStatisticsWindow(&statistics);
    timing.watch(main);
    main.show();
    scanOnceRunning(main, statistics, std::move(targets));
    const int exitCode = QApplication::exec();
    frmMain = nullptr;
    frmStatistics = nullptr;
    return exitCode;
}

}  // namespace

int runProgram(int argc, char** argv) {
    StartupTiming timing;
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const int exitCode = answerCommandLine(line); exitCode >= 0) return exitCode;
    QuarvoApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvo"));
    QApplication::setApplicationVersion(QStringLiteral(QUARVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quarvo.Quarvo"));
    QApplication::setWindowIcon(programIcon());
    installAccessibility();
    HintStyle::applyToApplication();
    MachineServices services;
    return runWindows(services.program, timing, line.targets);
}

}  // namespace quarvo

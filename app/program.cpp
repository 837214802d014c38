#include "app/program.h"

#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/frm_main.h"
#include "app/hint_style.h"
#include "app/program_icon.h"
#include "app/quarvo_application.h"
#include "app/startup_timing.h"
#include "system/system_services.h"
#include "views/frm_statistics.h"
#include "views/regional_format.h"

namespace quarvo {

TfrmMain* frmMain = nullptr;
TfrmStatistics* frmStatistics = nullptr;

namespace {

// The machine's services, made once; they outlive both windows.
struct SystemServices {
    std::unique_ptr<VolumeApi> volumes = makeSystemVolumeApi();
    std::unique_ptr<ProfileFile> profile = makeSystemProfileFile();
    std::unique_ptr<ClassesRoot> classes = makeSystemClassesRoot();
    ProgramServices program{*volumes, *profile, *classes, numberFormatOf()};
};

int runWindows(ProgramServices& services, StartupTiming& timing) {
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
    HintStyle::applyToApplication();
    SystemServices services;
    return runWindows(services.program, timing);
}

}  // namespace quarvo

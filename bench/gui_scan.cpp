// The statistics window's whole scan of the targets given, as `quarvo
// TARGET...` runs it: both windows created on the machine's services, the
// real walk ticked by the window's event loop, every page rebuilt. It ends
// when the scan has, printing the status text, so that bench/gui_vs_report.sh can time
// it beside quarvo-report, and, on the standard error, the seconds of the run
// alone: from the click that opens the statistics window to the end of the
// scan, its pages rebuilt. Run it with QT_QPA_PLATFORM=offscreen.
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "app/frm_main.h"
#include "app/machine_services.h"
#include "app/quarvo_application.h"
#include "views/frm_statistics.h"

int main(int argc, char** argv) {
    using namespace quarvo;
    QuarvoApplication application(argc, argv);
    std::vector<std::string> targets;
    for (int i = 1; i < argc; ++i) targets.emplace_back(argv[i]);
    MachineServices services;
    TfrmMain main(services.program);
    TfrmStatistics statistics(services.program);
    main.setStatisticsWindow(&statistics);
    main.show();
    bool ended = false;
    QElapsedTimer run;
    const auto printAndExit = [&] {
        if (std::exchange(ended, true)) return;
        std::printf("%s\n", qPrintable(statistics.StatusBar1->currentMessage()));
        std::fprintf(stderr, "run %.3f\n", static_cast<double>(run.nsecsElapsed()) / 1e9);
        // Straight out of the event loop: quitting would first ask the main
        // window, which plays its closing animation.
        QCoreApplication::exit(0);
    };
    QObject::connect(&statistics, &TfrmStatistics::scanEnded, printAndExit);
    QTimer::singleShot(0, &statistics, [&] {
        run.start();
        main.btStatisticClick();
        statistics.scanCommandLineTargets(targets);
        // A target that can't be scanned starts no run.
        if (!statistics.scanRun.running()) printAndExit();
    });
    return QApplication::exec();
}

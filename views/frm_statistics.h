#pragma once
// The statistics window: the tallies of the last scan on ten notebook pages,
// the scan itself, and printing. Created once at start-up, hidden until the
// main window shows it, alive until the program ends; "Close" only hides it.
// Its controls are public fields named as the pages name them, so that the
// main window and the tests reach them as the pages do.

#include <QDialog>

#include "toolkit/pick_list.h"
#include "views/program_services.h"

namespace quarvo {

class TfrmStatistics : public QDialog {
    Q_OBJECT

public:
    explicit TfrmStatistics(ProgramServices& services, QWidget* parent = nullptr);

    // The drives of the Space page, built once at creation; the main
    // window's chart reads every entry of it.
    TPickList* pckStatDrive = nullptr;

private:
    void FormCreate();

    ProgramServices& services_;
};

}  // namespace quarvo

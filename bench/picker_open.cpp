// Times the extension picker on this machine's file-type database, from its
// creation to its first paint: on a database not read before in the process
// (the worst case), and as the program opens it, after the wizard's types
// page has read the saved list through the same database; then the time a
// key typed into its edit box takes with the whole list filled. Wall time
// and the thread's processor time, which a busy machine inflates less.
// Qt's own start (fonts, style) is timed apart, on a plain dialog shown
// first. Last, the wizard's types page with every registered type saved in
// its list, as a list filled from the picker is: from "Next" to its first
// paint, on a database not read before and on one read. Not a test:
//   cmake --build build --target quarvo-bench-picker
//   QT_QPA_PLATFORM=offscreen build/bench/quarvo-bench-picker
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "setup/frm_select_extension.h"
#include "setup/frm_which_drive.h"
#include "system/extension_lists.h"
#include "system/file_type_description.h"
#include "system/posix/ini_profile_file.h"
#include "system/posix/mime/mime_classes_root.h"
#include "system/posix/posix_volume_api.h"

namespace {

using quarvo::ProgramServices;
using quarvo::TfrmSelectExtension;

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

// Runs work once and prints its wall and processor time, each divided by
// times.
void measure(const char* label, const std::function<void()>& work, int times = 1) {
    QElapsedTimer wall;
    const double processorStart = processorSeconds();
    wall.start();
    work();
    const double wallSeconds = wall.nsecsElapsed() / 1e9 / times;
    const double processor = (processorSeconds() - processorStart) / times;
    std::printf("%-52s %8.4f s wall %8.4f s processor\n", label, wallSeconds, processor);
}

void openPicker(ProgramServices& services) {
    TfrmSelectExtension picker(services);
    picker.show();
    picker.repaint();
}

void openPlainDialog() {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    (new QListWidget(&dialog))->move(0, 30);
    edit->setFocus();
    dialog.show();
    dialog.repaint();
}

constexpr int kKeys = 600;

void typeKeys(TfrmSelectExtension& picker) {
    for (int i = 0; i < kKeys; ++i) {
        QTest::keyClick(picker.Edit1, i % 7 == 6 ? Qt::Key_Backspace : Qt::Key_D);
        if (picker.Edit1->text().size() == 6) picker.Edit1->clear();
        picker.Edit1->repaint();
    }
}

// The wizard on its second page with the rule of the saved list chosen, so
// that Next opens the types page.
void openTypesPage(ProgramServices& services) {
    quarvo::TfrmWhichDrive wizard(services);
    wizard.show();
    wizard.btNext1Click();
    wizard.rbInclude->setChecked(true);
    QApplication::processEvents();
    measure("wizard's types page, from Next to its paint", [&] {
        wizard.btNext2Click();
        wizard.repaint();
    });
    std::printf("(%d types listed)\n", wizard.PickList1->count());
}

void timeTypesPageOfEveryType(quarvo::VolumeApi& volumes) {
    QTemporaryDir folder;
    quarvo::IniProfileFile profile(folder.filePath(QStringLiteral("quarvo.ini")).toStdString());
    quarvo::MimeClassesRoot classes;
    std::vector<std::string> patterns;
    quarvo::registeredPatterns(classes, patterns, false);
    quarvo::StringSelectionList list;
    for (const std::string& pattern : patterns) list.add(pattern);
    WriteStatFilesToDisk(profile, list, "Include");
    quarvo::MimeClassesRoot unread;
    ProgramServices cold{volumes, profile, unread, {",", "."}};
    openTypesPage(cold);
    ProgramServices warm{volumes, profile, classes, {",", "."}};
    openTypesPage(warm);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quarvo::PosixVolumeApi volumes;
    quarvo::IniProfileFile profile;
    measure("Qt's first dialog", openPlainDialog);

    quarvo::MimeClassesRoot unread;
    ProgramServices cold{volumes, profile, unread, {",", "."}};
    measure("picker, database not read before", [&] { openPicker(cold); });

    quarvo::MimeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}};
    quarvo::StringSelectionList saved;
    measure("wizard's types page reads the saved list",
            [&] { ReadStatFilesFromDisk(profile, classes, saved, "Include"); });
    measure("picker after it", [&] { openPicker(services); });
    measure("picker again", [&] { openPicker(services); });

    TfrmSelectExtension picker(services);
    picker.show();
    QApplication::processEvents();
    std::printf("(%d extensions listed)\n", picker.lBox->count());
    measure(
        "one key typed into the edit box", [&] { typeKeys(picker); }, kKeys);
    timeTypesPageOfEveryType(volumes);
    return 0;
}

// A folder added through the wizard and scanned by the statistics window
// against quarvo-report --json on the same folder: the same walk, so the
// same figures.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "listings/json_report.h"
#include "listings/saved_run_store.h"
#include "setup/frm_which_drive.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/fakes/setup_machine.h"
#include "tests/support/finish_run.h"
#include "views/frm_statistics.h"

namespace quarvo {
namespace {

void writeFile(const QString& path, qsizetype bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(bytes, 'x'));
}

// The figures without the type descriptions, which come from the file-type
// database the program was given.
QJsonObject figures(const QByteArray& json) {
    QJsonObject report = QJsonDocument::fromJson(json).object();
    QJsonArray types = report["types"].toArray();
    for (QJsonValueRef type : types) {
        QJsonObject each = type.toObject();
        each.remove("description");
        type = each;
    }
    report["types"] = types;
    return report;
}

TEST(FolderScan, AFolderAddedThroughTheWizardGivesTheReportsFigures) {
    QTemporaryDir tree;
    QDir(tree.path()).mkpath("docs/old");
    QDir(tree.path()).mkpath(".cache");
    writeFile(tree.filePath("docs/a.txt"), 1);
    writeFile(tree.filePath("docs/old/b.TXT"), 5000);
    writeFile(tree.filePath("docs/old/c.tar.gz"), 70000);
    writeFile(tree.filePath(".cache/d"), 300);
    writeFile(tree.filePath("e.longextension"), 0);
    QFile(tree.filePath("e.longextension")).setPermissions(QFile::ReadOwner);

    testing::SetupMachine machine;  // real walk and folder volumes, fake drives
    QTemporaryDir data;
    setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    SavedRunStore store;  // the system's folder, under XDG_DATA_HOME
    unsetenv("XDG_DATA_HOME");
    machine.services.savedRuns = &store;
    testing::ScriptedDialogs dialogs;
    TfrmStatistics window(machine.services);
    window.show();
    dialogs.folders = {tree.path()};
    dialogs.onExec = [](QDialog& dialog) {
        auto& wizard = dynamic_cast<TfrmWhichDrive&>(dialog);
        wizard.Deselectall1Click();
        wizard.btAddFolderClick();
        wizard.btNext1Click();
        wizard.btNext2Click();
        return wizard.result();
    };
    window.btOK->click();
    finishRun(window);
    ASSERT_EQ(window.windowTitle(), "Statistics completed for drives " + tree.path() + " ");

    QProcess report;
    report.start(QUARVO_REPORT_PROGRAM, {"--json", tree.path()});
    ASSERT_TRUE(report.waitForFinished());
    ASSERT_EQ(report.exitCode(), 0) << report.readAllStandardError().toStdString();
    const auto noDescription = [](const std::string&) { return std::string(); };
    const QJsonObject scanned = figures(QByteArray::fromStdString(
        jsonReport(window.collector, noDescription, true, window.scanRun.leftOut())));
    EXPECT_GE(scanned["filesProcessed"].toInt(), 4);
    EXPECT_EQ(scanned, figures(report.readAllStandardOutput()));

    // Each finished run is kept, and the report compares with it: nothing
    // has changed since.
    scanToTheEnd(window, {tree.path().toStdString()});
    ASSERT_EQ(QDir(data.filePath("quarvo/scans")).entryList(QDir::Files).size(), 2);
    report.start(QUARVO_REPORT_PROGRAM, {"--compare", QString::fromStdString(store.runs().front()),
                                         "--json", tree.path()});
    ASSERT_TRUE(report.waitForFinished());
    ASSERT_EQ(report.exitCode(), 0) << report.readAllStandardError().toStdString();
    const QJsonObject compared = QJsonDocument::fromJson(report.readAllStandardOutput()).object();
    EXPECT_EQ(compared["comparedWith"]["targets"].toArray(), QJsonArray{tree.path()});
    for (const QJsonValue& type : compared["types"].toArray())
        EXPECT_EQ(type["filesDelta"].toInt(-1), 0) << type["extension"].toString().toStdString();
}

}  // namespace
}  // namespace quarvo

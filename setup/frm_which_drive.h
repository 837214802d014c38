#pragma once
// The selection wizard: before each scan it asks which drives to scan and
// which files to count (all, only the chosen types, or all but the chosen
// types), on three pages of which one is seen at a time. The statistics
// window creates one per scan request, runs it modally and reads the answers
// when it closes with OK. Controls are public fields and handlers plain
// public methods, so that the tests drive it page by page.

#include <QDialog>
#include <QStringList>
#include <set>

#include "forms/program_services.h"
#include "toolkit/effect_label.h"
#include "toolkit/lists/pick_list.h"

class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QRadioButton;

namespace quarvo {

class TfrmWhichDrive : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kPageSize{281, 313};
    // Where the lists' second column starts, in average character widths.
    static constexpr int kTabStop = 12;

    explicit TfrmWhichDrive(ProgramServices& services, QWidget* owner = nullptr);

    void FormShow();
    void pckDriveClick();
    void SelectAll1Click();
    void Deselectall1Click();
    void btCancel1Click();
    void btNext1Click();
    void btPrior2Click();
    void btNext2Click();
    void btPrior3Click();
    void PickList1Click();
    void SelectAll2Click();
    void DeselectAll2Click();
    void btEditClick();
    void btOKClick();
    // "Add &folder...": a folder joins the drive list, ticked, and is
    // remembered for the next scan.
    void btAddFolderClick();
    // The drive list's context menu is asked for at a point of its
    // viewport; it can remove the folder entry there.
    void pckDriveMenu(const QPoint& at);
    void RemoveFolder1Click();

    // The answers, valid once the wizard has closed with OK.
    bool ruleAllFiles = true;
    bool ruleInclude = false;
    bool ruleExclude = false;
    // The selected drive entries of pckDrive, its selected folders, and the
    // selected entries of PickList1, in list order.
    [[nodiscard]] QStringList chosenDrives() const;
    [[nodiscard]] QStringList chosenFolders() const;
    [[nodiscard]] QStringList chosenFileTypes() const;

    QFrame* Panel1 = nullptr;
    EffectLabel* EsLabel1 = nullptr;
    TPickList* pckDrive = nullptr;
    QPushButton* btAddFolder = nullptr;
    QPushButton* btCancel1 = nullptr;
    QPushButton* btNext1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* SelectAll1 = nullptr;
    QAction* Deselectall1 = nullptr;
    QAction* RemoveFolder1 = nullptr;

    QFrame* Panel2 = nullptr;
    EffectLabel* EsLabel3 = nullptr;
    QPushButton* btPrior2 = nullptr;
    QPushButton* btNext2 = nullptr;
    QRadioButton* rbAll = nullptr;
    QRadioButton* rbInclude = nullptr;
    QRadioButton* rbExclude = nullptr;

    QFrame* Panel3 = nullptr;
    EffectLabel* lblSelect = nullptr;
    EffectLabel* lblOf = nullptr;
    TPickList* PickList1 = nullptr;
    QPushButton* btEdit = nullptr;
    QPushButton* btPrior3 = nullptr;
    QPushButton* btOK = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* SelectAll2 = nullptr;
    QAction* DeselectAll2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* makePage();
    TPickList* makePickList(QFrame* page, int top, int height);
    QPushButton* makeButton(QFrame* page, const QString& caption, int left, int width = 80);
    QMenu* makeSelectMenu(TPickList* list, QAction*& selectAll, QAction*& deselectAll);
    void buildDrivePage();
    void buildRulePage();
    void buildTypesPage();
    void connectHandlers();
    // Shows page alone, makes its button the one that Enter presses and
    // gives focus to a control that leaves Enter to that button.
    void showPage(QFrame* page, QPushButton* defaultButton, QWidget* focus);
    [[nodiscard]] QRadioButton* checkedRule() const;
    // The saved list that the chosen rule works with.
    [[nodiscard]] std::string listName() const;
    // Fills PickList1 with the saved list, nothing selected, OK disabled.
    // Returns true when the saved list is damaged and the standard one shown.
    bool loadTypes(const std::string& name);
    void warnOfDamagedList();
    // Puts the counter beside the heading, or below it where both don't fit.
    void placeCounter();
    // The folders added at earlier scans join the drive list, unticked.
    void loadFolders();
    // Remembers the folder entries of the drive list; a refused write is
    // reported and leaves the list as it is.
    void saveFolders();
    // Returns where the entry went.
    int addFolderEntry(const QString& folder, bool ticked);
    // The folder's entry; -1 when it is not listed.
    [[nodiscard]] int folderEntry(const QString& folder) const;
    [[nodiscard]] bool isFolder(int index) const;
    [[nodiscard]] QStringList selectedDriveEntries(bool folders) const;

    ProgramServices& services_;
    // The entry that the drive list's context menu was opened on.
    int menuEntry_ = -1;
    // The rules whose damaged list the user has been told of.
    std::set<const QRadioButton*> warnedOf_;
};

}  // namespace quarvo

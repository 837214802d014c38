#pragma once
// The list editor: shows one saved list of extension patterns ("Include" or
// "Exclude"), lets the user add entries through the picker, delete and clear
// them, and saves the list when closed with Close or Esc. The title bar's
// close box leaves without saving. Controls are public fields and handlers
// plain public methods, so that the wizard and the tests reach them.

#include <QDialog>
#include <string>

#include "forms/program_services.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"
#include "toolkit/lists/pick_list.h"

class QLabel;

namespace quarvo {

class TfrmSelectExtension;

class TfrmStatList : public QDialog {
    Q_OBJECT

public:
    TfrmStatList(ProgramServices& services, std::string sectionName, QWidget* owner = nullptr);

    void FormShow();
    void btAddClick();
    void btDeleteClick();
    void btClearClick();
    // Saves the list and closes with OK; a save the file refuses is shown in
    // the error box and closes with Cancel.
    void btCloseClick();

    EffectLabel* Label1 = nullptr;
    EffectLabel* lblCount = nullptr;
    TPickList* PickList1 = nullptr;
    QPushButton* btAdd = nullptr;
    QPushButton* btDelete = nullptr;
    QPushButton* btClear = nullptr;
    GlyphButton* btClose = nullptr;
    QLabel* Label2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // Esc presses Close, which saves.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildButtons();
    void addChosen(const TfrmSelectExtension& picker);
    void addUnlessListed(const QString& entry);
    void showCount();

    ProgramServices& services_;
    std::string sectionName_;
};

}  // namespace quarvo

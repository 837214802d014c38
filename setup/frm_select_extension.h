#pragma once
// The extension picker: offers every file extension that the file-type
// registry knows, each with its description, and takes a typed one too. The
// list editor opens it for each "&Add" and reads the choice when it closes
// with OK. Controls are public fields and handlers plain public methods, so
// that the editor and the tests reach them.

#include <QDialog>

#include "forms/program_services.h"
#include "toolkit/glyph_button.h"
#include "toolkit/lists/tab_list_box.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quarvo {

class TfrmSelectExtension : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSelectExtension(ProgramServices& services, QWidget* owner = nullptr);

    void FormShow();
    // Puts the pattern of the entry with the focus into Edit1.
    void lBoxClick();
    // The OK button (fromDoubleClick false) and a double-click in lBox: reads
    // the choice. The button always closes with OK; a double-click only when
    // one entry or none is selected.
    void BitBtn1Click(bool fromDoubleClick = false);
    void cbWildCardChange();

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TTabListBox* lBox = nullptr;
    // The patterns of lBox's entries at the same positions; never seen.
    QComboBox* cbWildCard = nullptr;
    QLabel* lblWild = nullptr;
    QLabel* Label2 = nullptr;
    GlyphButton* BitBtn1 = nullptr;
    GlyphButton* BitBtn2 = nullptr;

    // The choice, for the editor: the typed or clicked pattern (empty when
    // none or every file) with its description, or several entries of lBox.
    QString chosenPattern;
    QString chosenDescription;
    bool severalChosen = false;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildList();
    void connectHandlers();
    void fitPatternColumn(const QStringList& patterns);
    [[nodiscard]] QString descriptionOf(const QString& extension) const;

    ProgramServices& services_;
};

}  // namespace quarvo

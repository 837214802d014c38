#include "setup/frm_select_extension.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "setup/dialog_style.h"
#include "setup/typed_pattern.h"
#include "system/extension_length.h"
#include "system/file_type_description.h"

namespace quarvo {

TfrmSelectExtension::TfrmSelectExtension(ProgramServices& services, QWidget* owner)
    : QDialog(owner), services_(services) {
    setUpDialogFrame(*this, QStringLiteral("Select a file extension"), {324, 393});
    buildControls();
    buildList();
    connectHandlers();
}

void TfrmSelectExtension::buildControls() {
    Label1 = new QLabel(
        QStringLiteral("Type in a new file extension or select one or many from the list below:"),
        this);
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 6, 308, 30);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(8, 40, 137, 21);
    // Room for "*." and the longest extension that the scan counts.
    Edit1->setMaxLength(static_cast<int>(kMaxExtensionLength) + 2);
    // A tab or line break would split the entry or the settings file's line.
    Edit1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\p{Cc}]*")), Edit1));
    Label2 = new QLabel(
        QStringLiteral("Hint: Drag mouse or use ctrl-click to select multiple file extensions."),
        this);
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 322, 308, 30);
    BitBtn1 = new GlyphButton(Glyph::Check, QStringLiteral("OK"), this);
    BitBtn1->setGeometry(150, 360, 80, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new GlyphButton(Glyph::Cross, QStringLiteral("Cancel"), this);
    BitBtn2->setGeometry(236, 360, 80, 25);
}

// The combo box and its label lie under the list, out of sight.
void TfrmSelectExtension::buildList() {
    const QRect area(8, 68, 308, 248);
    cbWildCard = new QComboBox(this);
    cbWildCard->setGeometry(area.left() + 4, area.top() + 4, 120, 21);
    cbWildCard->setToolTip(QStringLiteral("Wildcard pattern for matching file types"));
    lblWild = new QLabel(QStringLiteral("All files"), this);
    lblWild->setGeometry(area.left() + 4, area.top() + 30, 200, 16);
    lBox = new TTabListBox(this);
    lBox->setGeometry(area);
    lBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QPalette palette = lBox->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    lBox->setPalette(palette);
    lBox->setToolTip(QStringLiteral("Double click to select, Ctrl-click to select more than one"));
    setTabOrder(Edit1, lBox);
    setTabOrder(lBox, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TfrmSelectExtension::connectHandlers() {
    connect(lBox, &QListWidget::currentRowChanged, this, &TfrmSelectExtension::lBoxClick);
    connect(lBox, &QListWidget::clicked, this, &TfrmSelectExtension::lBoxClick);
    connect(lBox, &QListWidget::doubleClicked, this, [this] { BitBtn1Click(true); });
    connect(cbWildCard, &QComboBox::currentTextChanged, this,
            &TfrmSelectExtension::cbWildCardChange);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSelectExtension::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// The whole list goes in at once: over a thousand extensions on some
// systems, so no work is done per entry beyond its one description and the
// width of its pattern.
void TfrmSelectExtension::FormShow() {
    centreOnScreen(*this);
    std::vector<std::string> patterns;
    registeredPatterns(services_.classes, patterns, false);
    QStringList shown;
    QStringList plain;
    shown.reserve(static_cast<qsizetype>(patterns.size()));
    plain.reserve(static_cast<qsizetype>(patterns.size()));
    for (const std::string& pattern : patterns) {
        plain << QString::fromStdString(pattern);
        shown << plain.back() + u'\t' + descriptionOf(plain.back().mid(1));
    }
    {
        const QSignalBlocker quiet(cbWildCard);
        cbWildCard->clear();
        cbWildCard->addItems(plain);
    }
    lBox->clear();
    lBox->addItems(shown);
    fitPatternColumn(plain);
    Edit1->setText(plain.value(0));
    Edit1->selectAll();
    Edit1->setFocus();
}

// The descriptions line up after the widest pattern, however long its
// extension.
void TfrmSelectExtension::fitPatternColumn(const QStringList& patterns) {
    const int width = patternColumnWidth(QFontMetrics(lBox->font()), patterns);
    lBox->setTabWidth(std::max(lBox->tabWidth(), width));
}

void TfrmSelectExtension::lBoxClick() {
    const int row = lBox->currentRow();
    if (row >= 0) Edit1->setText(cbWildCard->itemText(row));
}

void TfrmSelectExtension::BitBtn1Click(bool fromDoubleClick) {
    if (lBox->selectedItems().size() > 1) {
        severalChosen = true;
        if (!fromDoubleClick) accept();
        return;
    }
    severalChosen = false;
    chosenPattern = typedPattern(Edit1->text());
    chosenDescription =
        chosenPattern.isEmpty() ? QString() : descriptionOf(patternExtension(chosenPattern));
    accept();
}

void TfrmSelectExtension::cbWildCardChange() {
    lblWild->setText(descriptionOf(cbWildCard->currentText().mid(1)));
}

QString TfrmSelectExtension::descriptionOf(const QString& extension) const {
    return QString::fromStdString(fileTypeDescription(services_.classes, extension.toStdString()));
}

}  // namespace quarvo

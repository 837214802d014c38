#include "app/frm_about.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/home_page.h"
#include "app/pixel_font.h"
#include "toolkit/glyph.h"

namespace quarvo {

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("About Quarvo"));
    createLabels();
    auto* picture = new QLabel(this);
    picture->setPixmap(glyphPixmap(Glyph::Chart, 48, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* content = new QHBoxLayout;
    content->setSpacing(16);
    content->addWidget(picture);
    content->addLayout(createTextColumn());
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(content);
    layout->addWidget(buttons);
}

void TfrmAbout::createLabels() {
    lblName = new QLabel(QStringLiteral("Quarvo"), this);
    lblName->setFont(pixelFont(QStringLiteral("Times New Roman"), 29, true));
    lblVersion = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(QUARVO_VERSION)), this);
    lblPurpose = new QLabel(
        QStringLiteral("Shows how much space your drives use and what kinds of files fill them."),
        this);
    lblHomePage = new QLabel(this);
    lblHomePage->setText(QStringLiteral("<a href=\"home\">%1</a>").arg(homePageCaption));
    lblHomePage->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                         Qt::LinksAccessibleByKeyboard);
    // The address is looked up when clicked, and a failure is reported.
    connect(lblHomePage, &QLabel::linkActivated, this, [this] { openHomePage(this); });
}

QLayout* TfrmAbout::createTextColumn() {
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    for (QLabel* label : {lblName, lblVersion, lblPurpose, lblHomePage}) column->addWidget(label);
    return column;
}

}  // namespace quarvo

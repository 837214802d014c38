#pragma once
// The about box: what the program is, its version, and a link to its home
// page. Opened modally by the main window's "&About" and destroyed when it
// closes.

#include <QDialog>

class QLabel;

namespace quarvo {

class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner = nullptr);

    QLabel* lblName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPurpose = nullptr;
    QLabel* lblHomePage = nullptr;

private:
    void createLabels();
    QLayout* createTextColumn();
};

}  // namespace quarvo

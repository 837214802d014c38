#include "toolkit/dialog_seam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

namespace quarvo {
namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

class SystemDialogs : public DialogSeam {
public:
    MessageAnswer message(QWidget* parent, MessageKind kind, const QString& caption,
                          const QString& text) override {
        const bool confirm = kind == MessageKind::Confirmation;
        QMessageBox box(
            iconOf(kind), caption, text,
            confirm ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
            parent);
        switch (box.exec()) {
            case QMessageBox::Yes:
                return MessageAnswer::Yes;
            case QMessageBox::No:
                return MessageAnswer::No;
            case QMessageBox::Cancel:
                return MessageAnswer::Cancel;
            default:
                return MessageAnswer::Ok;
        }
    }
    int exec(QDialog& dialog) override { return dialog.exec(); }
    bool printDialog(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void printPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter* p) { paint(p); });
        dialog.exec();
    }
    // Without a window manager nobody hands the keyboard back to the window
    // that opened the chooser once it is gone; the window takes it itself.
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) override {
        const QString folder = QFileDialog::getExistingDirectory(parent, caption, start);
        if (parent != nullptr) parent->window()->activateWindow();
        return folder;
    }
    QString chooseFile(QWidget* parent, const QString& caption, const QString& start,
                       const QString& filter) override {
        const QString file = QFileDialog::getOpenFileName(parent, caption, start, filter);
        if (parent != nullptr) parent->window()->activateWindow();
        return file;
    }
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    void beep() override { QApplication::beep(); }
};

DialogSeam* installed = nullptr;

}  // namespace

DialogSeam& dialogs() {
    static SystemDialogs system;
    return installed ? *installed : system;
}

void setDialogs(DialogSeam* seam) {
    installed = seam;
}

}  // namespace quarvo

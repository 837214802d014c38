#pragma once
// A dialog seam for tests: records every modal interaction and answers from
// a script, so that no test waits on a dialog. Installs itself for its
// lifetime.

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

#include "toolkit/dialog_seam.h"

namespace quarvo::testing {

class ScriptedDialogs : public DialogSeam {
public:
    struct Message {
        MessageKind kind;
        QString caption;
        QString text;
    };

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;  // for confirmations; Cancel when empty
    // Called for each message box while it would be shown.
    std::function<void()> onMessage;
    // Called for each modal dialog of the program instead of running it,
    // while the dialog is shown as a modal run shows it (so its show handler
    // has run); returns the dialog's result. Rejected when unset.
    std::function<int(QDialog&)> onExec;
    std::vector<QString> execTitles;
    bool confirmPrint = true;
    // When set, a confirmed print dialog prints to this PDF file, and a
    // preview prints to it at once, as the user's Print button in it would.
    QString printToPdf;
    int printDialogs = 0;
    int previews = 0;
    std::function<void(QPrinter*)> lastPreviewPaint;
    // Answers of the folder chooser, in turn; cancelled when none is left.
    std::deque<QString> folders;
    std::vector<QString> folderStarts;
    // Answers of the file chooser, in turn; cancelled when none is left.
    std::deque<QString> files;
    std::vector<QUrl> openedUrls;
    bool openUrlSucceeds = true;
    int beeps = 0;

    ScriptedDialogs() { setDialogs(this); }
    ~ScriptedDialogs() override { setDialogs(nullptr); }

    MessageAnswer message(QWidget*, MessageKind kind, const QString& caption,
                          const QString& text) override {
        messages.push_back({kind, caption, text});
        if (onMessage) onMessage();
        if (kind != MessageKind::Confirmation) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::Cancel;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int exec(QDialog& dialog) override {
        execTitles.push_back(dialog.windowTitle());
        dialog.show();
        const int result = onExec ? onExec(dialog) : int(QDialog::Rejected);
        dialog.hide();
        return result;
    }
    bool printDialog(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (confirmPrint) choosePdf(printer);
        return confirmPrint;
    }
    void printPreview(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        lastPreviewPaint = paint;
        if (choosePdf(printer)) paint(&printer);
    }
    QString chooseFolder(QWidget*, const QString&, const QString& start) override {
        folderStarts.push_back(start);
        if (folders.empty()) return {};
        QString folder = folders.front();
        folders.pop_front();
        return folder;
    }
    QString chooseFile(QWidget*, const QString&, const QString&, const QString&) override {
        if (files.empty()) return {};
        QString file = files.front();
        files.pop_front();
        return file;
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return openUrlSucceeds;
    }
    void beep() override { ++beeps; }

private:
    bool choosePdf(QPrinter& printer) const {
        if (printToPdf.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        return true;
    }
};

}  // namespace quarvo::testing

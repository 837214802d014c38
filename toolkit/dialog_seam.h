#pragma once
// Every modal interaction of the program goes through one seam: message
// boxes, the program's own modal dialogs, the print dialog, the print
// preview and the web browser. The program uses the system's; tests install
// a scripted one, so that no test ever waits on a dialog.

#include <QString>
#include <functional>

class QDialog;
class QPrinter;
class QUrl;
class QWidget;

namespace quarvo {

enum class MessageKind { Error, Information, Warning, Confirmation };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class DialogSeam {
public:
    virtual ~DialogSeam() = default;

    // A modal message box. Confirmation boxes offer Yes, No and Cancel; the
    // others one OK.
    virtual MessageAnswer message(QWidget* parent, MessageKind kind, const QString& caption,
                                  const QString& text) = 0;
    // Runs a modal dialog of the program and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    // The platform's print dialog; true when the user confirmed.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    // The print preview, in which the user picks printer, orientation and
    // margins and prints; paint draws the document on the printer given.
    virtual void printPreview(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint) = 0;
    // The platform's folder chooser, opening at start; the chosen folder, or
    // empty text when the user cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) = 0;
    // The platform's chooser of a file to open, showing the files that
    // filter names ("Saved runs (*.json)"); the chosen file, or empty text
    // when the user cancelled.
    virtual QString chooseFile(QWidget* parent, const QString& caption, const QString& start,
                               const QString& filter) = 0;
    // Opens an address in the user's web browser; false when that failed.
    virtual bool openUrl(const QUrl& url) = 0;
    // The system's warning sound.
    virtual void beep() = 0;
};

// The seam in force: the system's dialogs unless a test installed its own.
DialogSeam& dialogs();
// Installs a seam (not owned); nullptr brings the system's back.
void setDialogs(DialogSeam* seam);

}  // namespace quarvo

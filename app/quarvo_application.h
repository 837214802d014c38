#pragma once
// The application object. An error raised and not handled inside an event
// handler ends that handler only: the user sees its message in the error box
// and the program goes on.

#include <QApplication>
#include <functional>

namespace quarvo {

class QuarvoApplication : public QApplication {
    Q_OBJECT

public:
    QuarvoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs one delivery of an event; an error it raises is shown in the
    // error box and the event counts as not handled.
    static bool reportingErrors(const std::function<bool()>& deliver);
};

}  // namespace quarvo

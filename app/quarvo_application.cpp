#include "app/quarvo_application.h"

#include <exception>

#include "toolkit/message_boxes.h"

namespace quarvo {

QuarvoApplication::QuarvoApplication(int& argc, char** argv) : QApplication(argc, argv) {
}

bool QuarvoApplication::notify(QObject* receiver, QEvent* event) {
    return reportingErrors([&] { return QApplication::notify(receiver, event); });
}

bool QuarvoApplication::reportingErrors(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
        return false;
    }
}

}  // namespace quarvo

#include "app/startup_timing.h"

#include <QDateTime>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace quarvo {

StartupTiming::StartupTiming() : enabled_(qEnvironmentVariableIsSet("QUARVO_STARTUP_TIMING")) {
    sinceStart_.start();
}

void StartupTiming::watch(QWidget& window) {
    if (enabled_) window.installEventFilter(this);
}

bool StartupTiming::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        std::fprintf(stderr, "quarvo: main window painted %lld ms after start (at %lld ms)\n",
                     static_cast<long long>(sinceStart_.elapsed()),
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    }
    return false;
}

}  // namespace quarvo

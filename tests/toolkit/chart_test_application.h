#pragma once
// Widget tests need one application object; the first test that asks
// makes it, and it lives as long as the test program.

#include <QApplication>

namespace quarvo::testing {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_toolkit";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// A base for fixtures whose members are widgets: bases are made first.
struct WithApplication {
    WithApplication() { ensureApplication(); }
};

}  // namespace quarvo::testing

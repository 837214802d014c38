#pragma once
// What the selection wizard answers when it closes with OK: the chosen
// drive entries, the chosen folders (listed after the drives) and the
// file-type rule, in the wizard's order.

#include <QStringList>

namespace quarvo {

struct ScanChoice {
    QStringList drives{};
    // Paths, each scanned as the root of a drive.
    QStringList folders{};
    bool ruleAllFiles = true;
    bool ruleInclude = false;
    bool ruleExclude = false;
    // The ticked extension entries ("*.doc", a tab, the description).
    QStringList fileTypes{};
};

}  // namespace quarvo

#include "app/program_icon.h"

#include <QImageReader>

#include "toolkit/glyph.h"

// The icon's resources live in a static library, where nothing registers
// them unless asked; the macro must be used outside any namespace.
static void registerIconResource() {
    Q_INIT_RESOURCE(quarvo);
}

namespace quarvo {

QIcon programIcon() {
    if (!QImageReader::supportedImageFormats().contains("svg")) return glyphIcon(Glyph::Chart);
    registerIconResource();
    return QIcon(QStringLiteral(":/quarvo/org.quarvo.Quarvo.svg"));
}

}  // namespace quarvo

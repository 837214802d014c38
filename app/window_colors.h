#pragma once
// The named colours of the windows, as the classic sixteen-colour palette
// has them (Qt's own gray and fuchsia differ).

#include <QColor>

namespace quarvo::colors {

inline const QColor gray{128, 128, 128};
inline const QColor olive{128, 128, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor fuchsia{255, 0, 255};
inline const QColor navy{0, 0, 128};
inline const QColor blue{0, 0, 255};
inline const QColor aqua{0, 255, 255};
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};

}  // namespace quarvo::colors

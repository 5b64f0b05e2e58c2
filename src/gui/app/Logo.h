// The program's logo, drawn from resource/images/logo.svg for the splash
// window and the About box.
#pragma once

#include <QPixmap>
#include <QSize>

namespace rm::gui {

struct Session;

// Size in device-independent pixels; a fixed size when the picture is missing.
QSize logoSize(const Session& session);
// Drawn sharp for the given device pixel ratio. Without the picture file the
// program's name on white stands in for it.
QPixmap logoPixmap(const Session& session, qreal devicePixelRatio);

}  // namespace rm::gui

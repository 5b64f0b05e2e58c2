// The window shown while the program loads its module descriptions and
// builds the catalog: the logo alone, without a frame, centred on the screen.
#pragma once

#include <QWidget>
#include <functional>

namespace rm::gui {

struct Session;

class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(Session& session);

    // Shows the splash, lets pending events through once, runs the work and
    // then keeps the splash up (events still running) until minimumMs have
    // passed since it appeared; longer work closes it as soon as it ends.
    static void runWithSplash(Session& session, int minimumMs, const std::function<void()>& work);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace rm::gui

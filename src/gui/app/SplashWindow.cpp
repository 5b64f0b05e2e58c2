#include "gui/app/SplashWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/Logo.h"
#include "gui/app/Session.h"

namespace rm::gui {

SplashWindow::SplashWindow(Session& session)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Splash"));
    // Modal: nothing else takes input while the program is still loading.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("picLogo"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    logo->setPixmap(logoPixmap(session, screen ? screen->devicePixelRatio() : 1.0));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(logo);

    const QSize size = logoSize(session);
    setFixedSize(size);
    if (screen) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
    }
}

// A click would close a splash screen; this one stays until loading ends.
void SplashWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void SplashWindow::runWithSplash(Session& session, int minimumMs, const std::function<void()>& work)
{
    SplashWindow splash(session);
    splash.show();
    QElapsedTimer shown;
    shown.start();
    QCoreApplication::processEvents();
    splash.repaint();
    if (work) work();
    // A precise timer: a coarse one may fire a little early.
    for (qint64 left = minimumMs - shown.elapsed(); left > 0; left = minimumMs - shown.elapsed()) {
        QEventLoop wait;
        QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
    splash.close();
}

}  // namespace rm::gui

#include "gui/app/Beep.h"

#include <QApplication>

namespace rm::gui {

namespace {
int beeps = 0;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount()
{
    return beeps;
}

}  // namespace rm::gui

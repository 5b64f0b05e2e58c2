#include <QApplication>

#include "gui/app/Startup.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return rm::gui::runProgram(app);
}

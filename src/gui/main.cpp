#include <QApplication>
#include <cstring>

#include "core/app/Language.h"
#include "gui/app/Startup.h"

int main(int argc, char** argv)
{
    // Help and version need no display.
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], flag) == 0) {
                QCoreApplication app(argc, argv);
                QCoreApplication::setApplicationVersion(QString::fromLatin1(rm::kVersion));
                rm::gui::StartOptions options;
                QString error;
                rm::gui::parseStartOptions(QCoreApplication::arguments(), options, &error);
                return 2;
            }
        }
    }
    QApplication app(argc, argv);
    return rm::gui::runProgram(app);
}

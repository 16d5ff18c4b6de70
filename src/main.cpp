#include "app/Startup.h"
#include "platform/System.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    tv::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    return tv::runProgram(app);
}

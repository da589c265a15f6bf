#include <QApplication>

#include "entry/window/MainFrm.h"
#include "platform/shell/MemoryReuse.h"

using namespace platform;

int main(int argc, char** argv)
{
    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(MainFrm::ProgramTitle);
    MainFrm window;
    window.Form_Load();
    window.show();
    return app.exec();
}

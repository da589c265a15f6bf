#include <QApplication>

#include "platform/shell/MemoryReuse.h"
#include "platform/shell/SingleInstance.h"
#include "printrun/manager/PrintMgr.h"

using namespace platform;

int main(int argc, char** argv)
{
    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(PrintMgr::Caption);

    // A second start brings the running window to the front and ends.
    SingleInstance instance(PrintMgr::Caption);
    if (instance.activatePrevInstance())
        return 0;

    PrintMgr window;
    instance.setWindow(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}

#include <QApplication>
#include <QDir>

#include "entry/window/MainFrm.h"
#include "platform/shell/MemoryReuse.h"
#include "platform/shell/SingleInstance.h"

using namespace platform;

int main(int argc, char** argv)
{
    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(MainFrm::ProgramTitle);

    // One program per working folder: two on the same files would each
    // write their own print file over the other's. A second start there
    // brings the running window to the front and ends before it reads or
    // writes anything; programs on other folders run side by side.
    SingleInstance instance(SingleInstance::folderKey(MainFrm::ProgramTitle, QDir::currentPath()));
    if (instance.activatePrevInstance())
        return 0;

    MainFrm window;
    instance.setWindow(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}

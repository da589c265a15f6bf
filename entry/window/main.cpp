#include <QApplication>

#include "entry/window/MainFrm.h"

using namespace platform;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(MainFrm::ProgramTitle);
    MainFrm window;
    window.Form_Load();
    window.show();
    return app.exec();
}

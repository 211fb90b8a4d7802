#include <QApplication>

#include "ticodecomposerconverter.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TICodeComposerConverter wizard;
    wizard.openCommandLine(QApplication::arguments());
    wizard.show();
    return application.exec();
}

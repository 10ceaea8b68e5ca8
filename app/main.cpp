#include "uMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Corvane"));
    TfrmMain frmMain;
    frmMain.show();
    return app.exec();
}

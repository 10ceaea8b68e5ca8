#include "Batch.h"
#include "Console.h"
#include "uMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const bool batch = IsBatchCommandLine(args);
    if (batch) {
        console::AttachToParent();
        // A run from a shell may have no display at all.
        if (console::NoDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Corvane"));
    app.setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
    if (batch)
        return RunBatch(app.arguments().mid(1));
    TfrmMain frmMain;
    frmMain.show();
    return app.exec();
}

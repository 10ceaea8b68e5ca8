// A bare Qt Widgets window with five tabs: what start-up costs with nothing of
// Corvane's own in it.
#include "WindowShown.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTabWidget window;
    for (const char* caption : {"x264", "x265", "Dolby Vision", "Audio", "Info"})
        window.addTab(new QWidget, QString::fromLatin1(caption));
    window.resize(644, 435);
    return bench::ShowAndEnd(window);
}

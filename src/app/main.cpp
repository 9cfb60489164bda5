// Program start: the main window is created, loaded and shown; closing it
// ends the program. The program takes no command line of its own (Qt's own
// options, such as -platform, still apply).
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <cstdlib>
#include <memory>

#include "backend/host_factory.h"
#include "ui/qt/form1.h"
#include "ui/qt/message_box.h"
#include "ui/shared_sysinfo.h"

namespace {

// The program's icon as each window shows it: its three images, 16, 32 and 48
// pixels (data/icons/, through the Qt resource of src/app/CMakeLists.txt).
// The larger sizes built in beside them are the desktop's: decoding them and
// handing them to the window system made every start some 15 % slower. The
// images are read as PNG by name: left to guess the format, Qt would load
// every image-format plug-in to ask it.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QImageReader png(QStringLiteral(":/icons/tallowin-%1.png").arg(size), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Only the application name is set: Qt then uses it as the display name
    // too, and leaves every window's title exactly as the window sets it
    // (an explicit display name would be appended to other windows' titles).
    QApplication::setApplicationName(QStringLiteral(TALLOWIN_NAME));
    QApplication::setApplicationVersion(QStringLiteral(TALLOWIN_VERSION));
    // Ties the windows to the installed desktop entry (and so to its icon).
    QApplication::setDesktopFileName(QStringLiteral(TALLOWIN_APP_ID));
    QApplication::setWindowIcon(programIcon());

    const std::unique_ptr<tallowin::Host> host =
        tallowin::makePlatformHost(tallowin::ui::qt::showMessageBox);
    if (!host) return EXIT_FAILURE;
    tallowin::ui::SharedSysInfo service(*host);

    tallowin::ui::qt::Form1 form1(service);
    form1.load();
    form1.show();
    return QApplication::exec();
}

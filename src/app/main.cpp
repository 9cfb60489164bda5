// Program start: the main window is created, loaded and shown; closing it
// ends the program. The program takes no command line of its own (Qt's own
// options, such as -platform, still apply).
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QString>
#include <cstdlib>
#include <memory>

#include "backend/host_factory.h"
#include "ui/qt/form1.h"
#include "ui/qt/message_box.h"
#include "ui/shared_sysinfo.h"

namespace {

// The program's icon in every size built into it (data/icons/, through the
// Qt resource of src/app/CMakeLists.txt); each window shows it.
QIcon programIcon() {
    QIcon icon;
    QDirIterator pngs(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files);
    while (pngs.hasNext()) icon.addFile(pngs.next());
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

// A manual check, not a test: opens the main window on a scripted host, so
// that a person can look at the windows with any computer name and any
// addresses (many, long, beyond ASCII) without a machine that has them.
//
//   fake_machine_preview COMPUTER-NAME ADDRESS...
//
// The addresses belong to one adapter, in the order given.
#include <QApplication>
#include <QStringList>
#include <string>
#include <utility>

#include "fake_host.h"
#include "sysinfo/wmi_names.h"
#include "ui/qt/form1.h"
#include "ui/shared_sysinfo.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowin"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    tallowin::fake::FakeHost host;
    host.identity()["ComputerName"] =
        arguments.isEmpty() ? std::string{"PC7"} : arguments.takeFirst().toStdString();
    tallowin::TextArray addresses;
    for (const QString& address : arguments) addresses.push_back(address.toStdString());
    host.query(std::string{tallowin::wmi::kAdapterAddressesQuery})
        .push_back({{"IPAddress", std::move(addresses)}});

    tallowin::ui::SharedSysInfo service(host);
    tallowin::ui::qt::Form1 form1(service);
    form1.load();
    form1.show();
    return QApplication::exec();
}

// The IP address list window on a scripted host, opened as the main window
// opens it: what each showing puts on the screen, that every showing starts
// afresh on the same window, the ways of closing it, and that it is modal to
// the main window and centred on it.
#include "ui/qt/form2.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <string>
#include <utility>

#include "fake_host.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/wmi_names.h"
#include "ui/ip_list_window_logic.h"
#include "ui/qt/form1.h"
#include "ui/shared_sysinfo.h"
#include "ui/window_designs.h"
#include "window_harness.h"

using tallowin::HostError;
using tallowin::fake::FakeHost;
using tallowin::testing::focused;
using tallowin::testing::qtText;
using tallowin::ui::SharedSysInfo;
using tallowin::ui::qt::Form1;
using tallowin::ui::qt::Form2;

namespace {

// The list window's title before the computer name.
const QString kTitleFor = qtText(tallowin::ui::kIpListDesignCaption) + " for ";

// A machine with its computer name and, per IP-enabled adapter, its
// addresses; and its main window, shown and loaded.
struct Machine {
    explicit Machine(const QString& computerName,
                     const QList<QStringList>& adapters = {{"10.0.0.5", "10.0.0.6"}}) {
        host.identity()["ComputerName"] = computerName.toStdString();
        setAdapters(adapters);
        form1.load();
        if (!tallowin::testing::showForInput(form1)) qFatal("the main window did not come up");
    }

    void setAdapters(const QList<QStringList>& adapters) {
        tallowin::testing::setAdapters(host, adapters);
    }

    FakeHost host;
    SharedSysInfo service{host};
    Form1 form1{service};
};

QPlainTextEdit* text1(QWidget& form) {
    auto* found = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    if (found == nullptr) qFatal("no Text1");
    return found;
}

QPushButton* button(QWidget& form, const char* name) {
    auto* found = form.findChild<QPushButton*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no button %s", name);
    return found;
}

// Runs `open`, which shows the list window and waits until it is closed, and
// runs `whileUp` on the window once it is up and active. Answers the window
// that was up, or nullptr when none came up. A window that `whileUp` leaves
// open is closed afterwards, so a failing test ends rather than hangs.
Form2* whileShown(const std::function<void()>& open, const std::function<void(Form2&)>& whileUp) {
    QPointer<Form2> shown;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        shown = qobject_cast<Form2*>(QApplication::activeModalWidget());
        if (shown == nullptr) return;
        // A dialog counts as active (QWindow::isActive) while its owner is;
        // wait until it has the keyboard itself, where the window system
        // gives any, or else until it is on the screen.
        if (tallowin::testing::showForInput(*shown)) whileUp(*shown);
        if (shown->isVisible()) shown->reject();
    });
    timer.start(0);
    open();
    return shown;
}

// Presses the main window's "Show All".
Form2* showAll(Machine& machine, const std::function<void(Form2&)>& whileUp) {
    return whileShown(
        [&] { QTest::mouseClick(button(machine.form1, "cmdShowAll"), Qt::LeftButton); }, whileUp);
}

QStringList lines(const QPlainTextEdit& text) {
    QStringList result;
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        result << block.text();
    }
    return result;
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT

  private slots:
    void showsTheTitleAndOneLinePerAddressAsTheServiceAnswers_data();
    void showsTheTitleAndOneLinePerAddressAsTheServiceAnswers();
    void eachShowingStartsAfreshOnTheSameWindow();
    void enterEscAltOAndTheCloseBoxCloseIt_data();
    void enterEscAltOAndTheCloseBoxCloseIt();
    void isAFixedDialogModalToTheMainWindowAndCentredOnIt();
    void longListsScrollDownAndLongAddressesWrapNeverSideways();
    void theListCanBeSelectedAndCopiedButNotEdited();
    void aMinimisedListClosesAndFreesTheMainWindow();
};

void Form2Test::showsTheTitleAndOneLinePerAddressAsTheServiceAnswers_data() {
    QTest::addColumn<QString>("computerName");
    QTest::addColumn<QList<QStringList>>("adapters");
    QTest::addColumn<QString>("failing");  // a host operation that fails every time
    QTest::addColumn<HostError>("failure");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");

    const QList<QStringList> two{{"10.0.0.5", "10.0.0.6"}};
    QTest::newRow("addresses of several adapters")
        << "PC7" << QList<QStringList>{{"10.0.0.5", "fe80::1"}, {"192.168.1.2"}} << ""
        << HostError{} << kTitleFor + "PC7" << QStringList{"10.0.0.5", "fe80::1", "192.168.1.2"};
    QTest::newRow("empty computer name: the title ends in \" for \"")
        << "" << two << "" << HostError{} << kTitleFor << QStringList{""};
    QTest::newRow("name beyond ASCII")
        << QStringLiteral("B\u00fcro-\u5de5\u4f5c") << two << "" << HostError{}
        << kTitleFor + QStringLiteral("B\u00fcro-\u5de5\u4f5c")
        << QStringList{"10.0.0.5", "10.0.0.6"};
    QTest::newRow("a line break inside a host value never adds a line")
        << "PC7" << QList<QStringList>{{"10.0.0.5\r10.0.0.6", "10.0.0.7\n10.0.0.8"}} << ""
        << HostError{} << kTitleFor + "PC7"
        << QStringList{"10.0.0.5 10.0.0.6", "10.0.0.7 10.0.0.8"};
    QTest::newRow("the service's error text in the list")
        << "PC7" << two << "ExecQuery " + qtText(tallowin::wmi::kAdapterAddressesQuery)
        << HostError{-2147217385, "Invalid query"} << kTitleFor + "PC7"
        << QStringList{qtText(tallowin::kIpAddressErrorText)};
    QTest::newRow("the service's error text in the title, no list without a name")
        << "PC7" << two << "Network.ComputerName" << HostError{70, "Permission denied"}
        << kTitleFor +
               "Error: Permission denied (70) Error in Computer Name "
               "(Zin_GetComputerName) (from 3/22/2007)."
        << QStringList{""};
}

void Form2Test::showsTheTitleAndOneLinePerAddressAsTheServiceAnswers() {
    QFETCH(QString, computerName);
    QFETCH(QList<QStringList>, adapters);
    QFETCH(QString, failing);
    QFETCH(HostError, failure);
    QFETCH(QString, title);
    QFETCH(QStringList, lines);

    Machine machine(computerName, adapters);
    if (!failing.isEmpty()) machine.host.failEvery(failing.toStdString(), failure);
    // Shown directly: with some of these answers the main window offers no
    // "Show All".
    auto* list = new Form2(machine.service, &machine.form1);
    QString shownTitle;
    QStringList shownLines;
    whileShown([&] { list->showModal(); },
               [&](Form2& form2) {
                   shownTitle = form2.windowTitle();
                   shownLines = ::lines(*text1(form2));
               });

    QCOMPARE(shownTitle, title);
    QCOMPARE(shownLines, lines);
}

void Form2Test::eachShowingStartsAfreshOnTheSameWindow() {
    Machine machine("PC7", {{"10.0.0.5", "10.0.0.6"}});
    QVERIFY(machine.form1.findChild<Form2*>() == nullptr);

    // The first showing: select the list and leave with the focus on OK.
    Form2* first = showAll(machine, [](Form2& form2) {
        QCOMPARE(focused(form2), text1(form2));
        text1(form2)->selectAll();
        button(form2, "cmdOK")->setFocus();
    });
    QVERIFY(first != nullptr);

    // The host changes between the showings; the second one asks it afresh.
    machine.setAdapters({{"10.0.0.5", "10.0.0.6", "10.0.0.7"}});
    QString title;
    QStringList shownLines;
    QWidget* focus = nullptr;
    bool selection = true;
    Form2* second = showAll(machine, [&](Form2& form2) {
        title = form2.windowTitle();
        shownLines = lines(*text1(form2));
        focus = focused(form2);
        selection = text1(form2)->textCursor().hasSelection();
    });

    QCOMPARE(second, first);
    QCOMPARE(machine.form1.findChildren<Form2*>().size(), 1);
    QCOMPARE(title, kTitleFor + "PC7");
    QCOMPARE(shownLines, (QStringList{"10.0.0.5", "10.0.0.6", "10.0.0.7"}));
    QCOMPARE(focus, text1(*second));
    QVERIFY(!selection);
}

enum class Closing { EnterInList, EscInList, AltOInList, EnterOnOk, EscOnOk, OkClicked, CloseBox };

void Form2Test::enterEscAltOAndTheCloseBoxCloseIt_data() {
    QTest::addColumn<Closing>("how");
    QTest::newRow("Enter in the list") << Closing::EnterInList;
    QTest::newRow("Esc in the list") << Closing::EscInList;
    QTest::newRow("Alt+O in the list") << Closing::AltOInList;
    QTest::newRow("Enter on OK") << Closing::EnterOnOk;
    QTest::newRow("Esc on OK") << Closing::EscOnOk;
    QTest::newRow("OK clicked") << Closing::OkClicked;
    QTest::newRow("close box") << Closing::CloseBox;
}

void Form2Test::enterEscAltOAndTheCloseBoxCloseIt() {
    QFETCH(Closing, how);
    Machine machine("PC7");
    int okClicks = 0;
    bool upAfter = true;

    Form2* form2 = showAll(machine, [&](Form2& list) {
        QPushButton* ok = button(list, "cmdOK");
        QObject::connect(ok, &QPushButton::clicked, [&] { ++okClicks; });
        if (how == Closing::EnterOnOk || how == Closing::EscOnOk) ok->setFocus();
        switch (how) {
            case Closing::EnterInList:
            case Closing::EnterOnOk:
                QTest::keyClick(focused(list), Qt::Key_Return);
                break;
            case Closing::EscInList:
            case Closing::EscOnOk:
                QTest::keyClick(focused(list), Qt::Key_Escape);
                break;
            case Closing::AltOInList:
                QTest::keyClick(focused(list), Qt::Key_O, Qt::AltModifier);
                break;
            case Closing::OkClicked:
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            case Closing::CloseBox: {
                // What the window system sends for the close box.
                QCloseEvent close;
                QCoreApplication::sendEvent(list.windowHandle(), &close);
                break;
            }
        }
        // An access key presses its button with a short animation.
        upAfter = !QTest::qWaitFor([&] { return !list.isVisible(); }, 1000);
    });

    QVERIFY(form2 != nullptr);
    QVERIFY(!upAfter);
    QCOMPARE(okClicks, how == Closing::CloseBox ? 0 : 1);
    // Back to the main window, which goes on running.
    QVERIFY(machine.form1.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void Form2Test::isAFixedDialogModalToTheMainWindowAndCentredOnIt() {
    Machine machine("PC7");
    QSignalSpy mainOkClicked(button(machine.form1, "cmdOK"), &QPushButton::clicked);
    QPoint offCentre{99, 99};
    bool blocked = false;

    bool sizedAsDesigned = false;
    Form2* form2 = showAll(machine, [&](Form2& list) {
        sizedAsDesigned = tallowin::testing::hasDesignedFixedSize(list, QSize(264, 214));
        offCentre = list.frameGeometry().center() - machine.form1.frameGeometry().center();
        // A click on the main window's OK, as the window system delivers it.
        QPushButton* mainOk = button(machine.form1, "cmdOK");
        QTest::mouseClick(machine.form1.windowHandle(), Qt::LeftButton, {},
                          mainOk->mapTo(&machine.form1, mainOk->rect().center()));
        blocked = QApplication::activeModalWidget() == &list && machine.form1.isVisible();
        // The user moves the list window away before closing it.
        list.move(0, 0);
    });

    QVERIFY(form2 != nullptr);
    const bool placedByUs = !tallowin::testing::windowSystemPlacesWindows();
    QVERIFY2(!placedByUs || offCentre.manhattanLength() <= 2,
             "the window is not centred on the main window");
    QVERIFY(blocked);
    QCOMPARE(mainOkClicked.count(), 0);

    // A dialog of the main window: no taskbar button of its own.
    QCOMPARE(form2->parentWidget(), &machine.form1);
    QCOMPARE(form2->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QCOMPARE(form2->windowHandle()->transientParent(), machine.form1.windowHandle());
    QVERIFY(form2->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!form2->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form2->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(sizedAsDesigned);

    // The next showing is centred on the main window again, wherever either
    // window was moved in between.
    machine.form1.move(40, 30);
    showAll(machine, [&](Form2& list) {
        offCentre = list.frameGeometry().center() - machine.form1.frameGeometry().center();
    });
    QVERIFY2(!placedByUs || offCentre.manhattanLength() <= 2,
             "the window is not centred on the main window");

    // Near the edge of the screen it stays wholly on the screen.
    const QRect screen = machine.form1.screen()->availableGeometry();
    machine.form1.move(screen.topLeft());
    QRect placed;
    showAll(machine, [&](Form2& list) { placed = list.frameGeometry(); });
    QVERIFY(!placedByUs || screen.contains(placed));
}

void Form2Test::longListsScrollDownAndLongAddressesWrapNeverSideways() {
    QStringList many;
    for (int i = 1; i <= 20; ++i) many << QStringLiteral("192.168.1.%1").arg(i);
    const QString longV6 = "2001:0db8:85a3:0000:0000:8a2e:0370:7334";
    Machine machine("PC7", {many, {longV6}});
    int v6Lines = 0;
    int verticalRange = 0;
    int horizontalRange = -1;
    bool verticalBarShown = false;

    showAll(machine, [&](Form2& list) {
        QPlainTextEdit* text = text1(list);
        const QTextBlock v6 = text->document()->findBlockByNumber(20);
        if (v6.text() == longV6) v6Lines = v6.layout()->lineCount();
        verticalRange = text->verticalScrollBar()->maximum();
        verticalBarShown = text->verticalScrollBar()->isVisible();
        horizontalRange = text->horizontalScrollBar()->maximum();
    });

    QVERIFY(v6Lines >= 2);
    QVERIFY(verticalRange > 0);
    QVERIFY(verticalBarShown);
    QCOMPARE(horizontalRange, 0);
}

void Form2Test::theListCanBeSelectedAndCopiedButNotEdited() {
    Machine machine("PC7", {{"10.0.0.5", "fe80::1"}});
    QString afterTyping;
    QString copied;
    QString accessibleName;

    showAll(machine, [&](Form2& list) {
        QPlainTextEdit* text = text1(list);
        accessibleName = QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name);
        QTest::keyClicks(text, "x");
        QTest::keyClick(text, Qt::Key_Backspace);
        QTest::keyClick(text, Qt::Key_Delete);
        afterTyping = text->toPlainText();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
    });

    QCOMPARE(afterTyping, "10.0.0.5\nfe80::1");
    QCOMPARE(copied, "10.0.0.5\nfe80::1");
    QCOMPARE(accessibleName, qtText(tallowin::ui::design::form2::kText1.accessibleName));
}

// A window system's title bar may minimise the list (Qt's does on Wayland,
// and a compositor may then offer no way back): the list closes, as its
// close box would, and the main window takes input again.
void Form2Test::aMinimisedListClosesAndFreesTheMainWindow() {
    Machine machine("PC7");
    bool closed = false;
    showAll(machine, [&](Form2& list) {
        list.windowHandle()->setWindowStates(Qt::WindowMinimized);
        closed = QTest::qWaitFor([&] { return !list.isVisible(); }, 2000);
    });
    QVERIFY(closed);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(machine.form1.isVisible() && machine.form1.isEnabled());
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"

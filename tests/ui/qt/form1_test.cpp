// The main window on a scripted host: what the load step puts on the screen,
// the keyboard roles of its controls, and that every way of closing it ends
// the program.
#include "ui/qt/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <string>
#include <utility>

#include "fake_host.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "ui/qt/wrapping_push_button.h"
#include "ui/shared_sysinfo.h"
#include "ui/twips.h"
#include "ui/window_designs.h"
#include "window_harness.h"

using tallowin::fake::FakeHost;
using tallowin::testing::focused;
using tallowin::testing::qtText;
using tallowin::ui::SharedSysInfo;
using tallowin::ui::qt::Form1;
using tallowin::ui::qt::WrappingPushButton;

namespace {

namespace design = tallowin::ui::design;

const QSize kDesignedSize(tallowin::ui::twipsToPixels(design::form1::kWindow.clientWidth,
                                                      tallowin::ui::kStandardDpi),
                          tallowin::ui::twipsToPixels(design::form1::kWindow.clientHeight,
                                                      tallowin::ui::kStandardDpi));

// A machine the window runs on: its computer name and, per IP-enabled
// adapter, its addresses.
struct Machine {
    explicit Machine(const QString& computerName,
                     const QList<QStringList>& adapters = {{"10.0.0.5"}}) {
        host.identity()["ComputerName"] = computerName.toStdString();
        tallowin::testing::setAdapters(host, adapters);
    }

    FakeHost host;
    SharedSysInfo service{host};
};

template <class Control>
Control* control(Form1& form, const char* name) {
    auto* found = form.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("Form1 has no control named %s", name);
    return found;
}

QPlainTextEdit* text1(Form1& form) { return control<QPlainTextEdit>(form, "Text1"); }
QPushButton* button(Form1& form, const char* name) { return control<QPushButton>(form, name); }

bool showAndActivate(Form1& form) { return tallowin::testing::showForInput(form); }

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void loadShowsFirstAddressAndNameAndOffersShowAllForMoreThanOne_data();
    void loadShowsFirstAddressAndNameAndOffersShowAllForMoreThanOne();
    void aLineTooLongForTheBoxWrapsAtTheBlanks();
    void everyWayOfClosingTheWindowEndsTheProgram_data();
    void everyWayOfClosingTheWindowEndsTheProgram();
    void systemInformationHasTheFocusAndIsPressedByEnter();
    void systemInformationShowsTheReport();
    void tabVisitsOnlyTheVisibleButtons_data();
    void tabVisitsOnlyTheVisibleButtons();
    void theTextLineCanBeSelectedAndCopiedButNotEdited();
    void theWindowHasAFixedFrameOfItsDesignedSizeCentredOnTheScreen();
    void staysNormalAtItsSizeWhateverStateItIsGiven_data();
    void staysNormalAtItsSizeWhateverStateItIsGiven();
    void textBoxTellsAssistiveTechnologyWhatItHolds();
    void aDoubleClickTakesTheWholeAddressOrName_data();
    void aDoubleClickTakesTheWholeAddressOrName();
    void everyCaptionFitsItsButton_data();
    void everyCaptionFitsItsButton();
};

void Form1Test::loadShowsFirstAddressAndNameAndOffersShowAllForMoreThanOne_data() {
    QTest::addColumn<QString>("computerName");
    QTest::addColumn<QList<QStringList>>("adapters");
    QTest::addColumn<bool>("managementAvailable");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("showAll");

    QTest::newRow("no address") << "PC7" << QList<QStringList>{} << true << "    PC7" << false;
    QTest::newRow("one address") << "PC7" << QList<QStringList>{{"10.0.0.5"}} << true
                                 << "10.0.0.5    PC7" << false;
    QTest::newRow("two addresses on one adapter")
        << "PC7" << QList<QStringList>{{"10.0.0.5", "fe80::1"}} << true << "10.0.0.5    PC7"
        << true;
    QTest::newRow("many addresses, the first usable one shown")
        << "PC7"
        << QList<QStringList>{{"0.0.0.0", "10.0.0.9"}, {"192.168.1.20"}, {"10.1.1.1", "10.1.1.2"}}
        << true << "192.168.1.20    PC7" << true;
    QTest::newRow("addresses not found: error text, no Show All")
        << "PC7" << QList<QStringList>{{"10.0.0.5", "10.0.0.6"}} << false
        << qtText(tallowin::kIpAddressErrorText) + "    PC7" << false;
    QTest::newRow("empty computer name: empty count, no Show All")
        << "" << QList<QStringList>{{"10.0.0.5", "10.0.0.6"}} << true << "    " << false;
    QTest::newRow("name beyond ASCII")
        << QStringLiteral("B\u00fcro-\u5de5\u4f5c") << QList<QStringList>{{"10.0.0.5"}} << true
        << QStringLiteral("10.0.0.5    B\u00fcro-\u5de5\u4f5c") << false;
}

void Form1Test::loadShowsFirstAddressAndNameAndOffersShowAllForMoreThanOne() {
    QFETCH(QString, computerName);
    QFETCH(QList<QStringList>, adapters);
    QFETCH(bool, managementAvailable);
    QFETCH(QString, text);
    QFETCH(bool, showAll);

    Machine machine(computerName, adapters);
    if (!managementAvailable) machine.host.acceptOnlyMoniker("winmgmts:nowhere");
    Form1 form(machine.service);
    form.load();

    QCOMPARE(text1(form)->toPlainText(), text);
    QCOMPARE(button(form, "cmdShowAll")->isHidden(), !showAll);
    QVERIFY(showAndActivate(form));
    QCOMPARE(button(form, "cmdShowAll")->isVisible(), showAll);
}

void Form1Test::aLineTooLongForTheBoxWrapsAtTheBlanks() {
    Machine machine("ACCOUNTING7", {{"192.168.100.200"}});
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));

    const QString text = text1(form)->toPlainText();
    QCOMPARE(text, "192.168.100.200    ACCOUNTING7");
    const QTextBlock block = text1(form)->document()->firstBlock();
    QCOMPARE(text1(form)->document()->blockCount(), 1);
    QCOMPARE(block.layout()->lineCount(), 2);
    QCOMPARE(block.layout()->lineAt(1).textStart(), text.indexOf("ACCOUNTING7"));
}

constexpr int kStillRunning = 99;

enum class Closing { OkClicked, AltO, Escape, EscapeFromTextLine, EnterOnOk, CloseBox };

void Form1Test::everyWayOfClosingTheWindowEndsTheProgram_data() {
    QTest::addColumn<Closing>("how");
    QTest::newRow("OK clicked") << Closing::OkClicked;
    QTest::newRow("Alt+O") << Closing::AltO;
    QTest::newRow("Esc") << Closing::Escape;
    QTest::newRow("Esc in the text line") << Closing::EscapeFromTextLine;
    QTest::newRow("Enter on a focused OK") << Closing::EnterOnOk;
    QTest::newRow("close box") << Closing::CloseBox;
}

void Form1Test::everyWayOfClosingTheWindowEndsTheProgram() {
    QFETCH(Closing, how);
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QSignalSpy okClicked(button(form, "cmdOK"), &QPushButton::clicked);

    if (how == Closing::EscapeFromTextLine) {
        QTest::mouseClick(text1(form)->viewport(), Qt::LeftButton);
        QCOMPARE(focused(form), text1(form));
    }
    if (how == Closing::EnterOnOk) button(form, "cmdOK")->setFocus();

    // The program ends when its event loop does: close the window from
    // within the running loop and see the loop end by itself.
    QTimer action;
    action.setSingleShot(true);
    connect(&action, &QTimer::timeout, &form, [&] {
        switch (how) {
            case Closing::OkClicked:
                QTest::mouseClick(button(form, "cmdOK"), Qt::LeftButton);
                break;
            case Closing::AltO:
                QTest::keyClick(focused(form), Qt::Key_O, Qt::AltModifier);
                break;
            case Closing::Escape:
            case Closing::EscapeFromTextLine:
                QTest::keyClick(focused(form), Qt::Key_Escape);
                break;
            case Closing::EnterOnOk:
                QTest::keyClick(focused(form), Qt::Key_Return);
                break;
            case Closing::CloseBox: {
                // What the window system sends for the close box or the
                // system menu's Close.
                QCloseEvent close;
                QCoreApplication::sendEvent(form.windowHandle(), &close);
                break;
            }
        }
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
    action.start(0);
    timeout.start(5000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
    QCOMPARE(lastWindowClosed.count(), 1);
    if (how != Closing::CloseBox) QCOMPARE(okClicked.count(), 1);
}

void Form1Test::systemInformationHasTheFocusAndIsPressedByEnter() {
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    QPushButton* sysInfo = button(form, "cmdSysInfo");
    QCOMPARE(focused(form), sysInfo);
    QVERIFY(sysInfo->isDefault());

    // Enter presses the default button even from the text line.
    QSignalSpy clicked(sysInfo, &QPushButton::clicked);
    QTest::mouseClick(text1(form)->viewport(), Qt::LeftButton);
    QTest::keyClick(text1(form), Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(form.isVisible());
}

void Form1Test::systemInformationShowsTheReport() {
    Machine machine("PC7");
    machine.host.setTickCount(93'784'000);
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    QTest::mouseClick(button(form, "cmdSysInfo"), Qt::LeftButton);

    const auto& boxes = machine.host.messageBoxes();
    QCOMPARE(boxes.size(), std::size_t{1});
    QCOMPARE(boxes[0].title, std::optional<std::string>(tallowin::kReportTitle));
    QCOMPARE(boxes[0].style, 65280);
    QVERIFY(boxes[0].prompt.starts_with("Computer Information\r\n\r\n"));
    QVERIFY(boxes[0].prompt.ends_with("System Uptime:  1 day, 2 hours, 3 minutes, 4 seconds"));
    QVERIFY(form.isVisible());
}

void Form1Test::tabVisitsOnlyTheVisibleButtons_data() {
    QTest::addColumn<QList<QStringList>>("adapters");
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("with Show All") << QList<QStringList>{{"10.0.0.5", "10.0.0.6"}}
                                   << QStringList{"cmdShowAll", "cmdOK", "cmdSysInfo"};
    QTest::newRow("without Show All")
        << QList<QStringList>{{"10.0.0.5"}} << QStringList{"cmdOK", "cmdSysInfo"};
}

void Form1Test::tabVisitsOnlyTheVisibleButtons() {
    QFETCH(QList<QStringList>, adapters);
    QFETCH(QStringList, stops);
    Machine machine("PC7", adapters);
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));

    QStringList visited;
    for (qsizetype i = 0; i < stops.size(); ++i) {
        QTest::keyClick(focused(form), Qt::Key_Tab);
        visited << focused(form)->objectName();
    }
    QCOMPARE(visited, stops);
}

void Form1Test::theTextLineCanBeSelectedAndCopiedButNotEdited() {
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    QPlainTextEdit* line = text1(form);

    QTest::mouseClick(line->viewport(), Qt::LeftButton);
    QCOMPARE(focused(form), line);
    QTest::keyClicks(line, "x");
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->toPlainText(), "10.0.0.5    PC7");

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "10.0.0.5    PC7");
}

void Form1Test::theWindowHasAFixedFrameOfItsDesignedSizeCentredOnTheScreen() {
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));

    QVERIFY(form.isWindow());
    QCOMPARE(form.windowTitle(), qtText(design::form1::kWindow.caption));
    QVERIFY(tallowin::testing::hasDesignedFixedSize(form, kDesignedSize));
    const Qt::WindowFlags flags = form.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);  // a taskbar button
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    if (tallowin::testing::windowSystemPlacesWindows()) return;
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    const QPoint offset = form.frameGeometry().center() - screenCentre;
    QVERIFY2(offset.manhattanLength() <= 2, "the window is not centred on the screen");
}

void Form1Test::staysNormalAtItsSizeWhateverStateItIsGiven_data() {
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("maximised") << Qt::WindowMaximized;
    QTest::newRow("minimised") << Qt::WindowMinimized;
    QTest::newRow("full screen") << Qt::WindowFullScreen;
}

// As a window system's own title bar asks it (Qt's on Wayland offers these
// buttons whatever the window's flags): the program keeps running, and the
// window comes back normal, shown, at its own size.
void Form1Test::staysNormalAtItsSizeWhateverStateItIsGiven() {
    QFETCH(Qt::WindowState, state);
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    const QSize shownSize = form.size();

    QVERIFY(tallowin::testing::askWindowSystemFor(form, state));
    // Back to normal: fixed at its size again once the window system has
    // said the window is normal.
    QVERIFY(QTest::qWaitFor([&] {
        return form.isVisible() && form.windowState() == Qt::WindowNoState &&
               form.windowHandle()->windowStates() == Qt::WindowNoState &&
               form.size() == shownSize &&
               tallowin::testing::hasDesignedFixedSize(form, kDesignedSize);
    }));
}

void Form1Test::textBoxTellsAssistiveTechnologyWhatItHolds() {
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(text1(form));
    QVERIFY(window != nullptr && line != nullptr);
    QCOMPARE(window->role(), QAccessible::Window);  // an application window
    const auto& design = tallowin::ui::design::form1::kText1;
    QCOMPARE(line->text(QAccessible::Name), qtText(design.accessibleName));
    QCOMPARE(line->text(QAccessible::Description), qtText(design.accessibleDescription));
    QCOMPARE(line->text(QAccessible::Value), "10.0.0.5    PC7");
    // Heard right after the window's title.
    QCOMPARE(window->text(QAccessible::Description), "10.0.0.5    PC7");
}

void Form1Test::aDoubleClickTakesTheWholeAddressOrName_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("at");  // the caret position clicked beside
    QTest::addColumn<int>("dx");  // right of it, on the next character; left, on the one before
    QTest::addColumn<QString>("selected");
    QTest::newRow("IPv4 address") << "192.0.2.2    PC7" << 4 << 2 << "192.0.2.2";
    QTest::newRow("IPv6 address") << "fe80::1%2    PC7" << 6 << 2 << "fe80::1%2";
    QTest::newRow("the name") << "192.0.2.2    PC-7.lan" << 15 << 2 << "PC-7.lan";
    QTest::newRow("the four blanks") << "192.0.2.2    PC7" << 11 << 2 << "    ";
    QTest::newRow("the right half of the last character")
        << "192.0.2.2    PC7" << 9 << -2 << "192.0.2.2";
}

// As the classic edit control does, where Qt's word boundaries stop at each
// dot and colon.
void Form1Test::aDoubleClickTakesTheWholeAddressOrName() {
    QFETCH(QString, shown);
    QFETCH(int, at);
    QFETCH(int, dx);
    QFETCH(QString, selected);
    Machine machine("PC7");
    Form1 form(machine.service);
    form.load();
    QVERIFY(showAndActivate(form));
    QPlainTextEdit* line = text1(form);
    line->setPlainText(shown);

    QTextCursor cursor(line->document());
    cursor.setPosition(at);
    const QPoint onCharacter = line->cursorRect(cursor).center() + QPoint(dx, 0);
    QTest::mouseDClick(line->viewport(), Qt::LeftButton, {}, onCharacter);

    QCOMPARE(line->textCursor().selectedText(), selected);
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);  // and Ctrl+C copies it
    if (QGuiApplication::clipboard()->text() != selected) {
        QSKIP("this window system offers the program no clipboard");
    }
}

void Form1Test::everyCaptionFitsItsButton_data() {
    QTest::addColumn<double>("pointSize");
    QTest::newRow("the desktop's font") << 0.0;
    QTest::newRow("a large desktop font") << 14.0;
}

void Form1Test::everyCaptionFitsItsButton() {
    QFETCH(double, pointSize);
    Machine machine("PC7");
    Form1 form(machine.service);
    if (pointSize > 0) {
        QFont large = form.font();
        large.setPointSizeF(pointSize);
        form.setFont(large);
    }
    form.load();
    QVERIFY(showAndActivate(form));

    for (const char* name : {"cmdSysInfo", "cmdShowAll", "cmdOK"}) {
        auto* caption = control<WrappingPushButton>(form, name);
        const QRect area = caption->captionRect();
        const QRect needed = QFontMetrics(caption->captionFont(), caption)
                                 .boundingRect(area, caption->captionFlags(), caption->text());
        QVERIFY2(area.contains(needed), name);
    }

    // "System Information" is too wide for one line of its button: it takes
    // two, and is still read out whole.
    auto* sysInfo = control<WrappingPushButton>(form, "cmdSysInfo");
    const QFontMetrics metrics(sysInfo->captionFont(), sysInfo);
    const QRect twoLines =
        metrics.boundingRect(sysInfo->captionRect(), sysInfo->captionFlags(), sysInfo->text());
    QVERIFY(twoLines.height() >= 2 * metrics.height());
    QCOMPARE(sysInfo->text(), qtText(design::form1::kCmdSysInfo.caption));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"

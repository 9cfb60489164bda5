// The message box the back end shows through the front end: the text as the
// service composed it, plain and selectable, one OK button, and modal to the
// window it was shown over.
#include "ui/qt/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <optional>
#include <string>

#include "sysinfo/report.h"
#include "window_harness.h"

using tallowin::kNoResponseNotice;
using tallowin::kReportTitle;
using tallowin::ui::qt::kMessageBoxOk;
using tallowin::ui::qt::setUpMessageBox;
using tallowin::ui::qt::showMessageBox;

class MessageBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void showsTheTextAsComposedWithOnlyAnOkButton_data();
    void showsTheTextAsComposedWithOnlyAnOkButton();
    void isModalToTheActiveWindowAndAnswersOk_data();
    void isModalToTheActiveWindowAndAnswersOk();
};

void MessageBoxTest::initTestCase() {
    QApplication::setApplicationName(QStringLiteral("Tallowin"));
}

void MessageBoxTest::showsTheTextAsComposedWithOnlyAnOkButton_data() {
    QTest::addColumn<QByteArray>("prompt");
    QTest::addColumn<std::optional<QByteArray>>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("windowTitle");

    QTest::newRow("CR LF pairs become line breaks")
        << QByteArray("Manufacturer: Acme\r\nModel: M1\r\n\r\nUp Time: 1 day")
        << std::optional<QByteArray>(kReportTitle.data())
        << "Manufacturer: Acme\nModel: M1\n\nUp Time: 1 day"
        << QString::fromUtf8(kReportTitle.data());
    QTest::newRow("lone CR and LF stay as they are")
        << QByteArray("a\rb\nc") << std::optional<QByteArray>("T") << "a\rb\nc"
        << "T";
    QTest::newRow("markup is shown, not read")
        << QByteArray("<b>PC7</b> &amp;") << std::optional<QByteArray>("T") << "<b>PC7</b> &amp;"
        << "T";
    QTest::newRow("UTF-8 text") << QByteArray("B\xc3\xbcro")
                                << std::optional<QByteArray>("\xe2\x82\xac")
                                << QStringLiteral("B\u00fcro") << QStringLiteral("\u20ac");
    QTest::newRow("no title: the program's name")
        << QByteArray(kNoResponseNotice.data()) << std::optional<QByteArray>()
        << QString::fromUtf8(kNoResponseNotice.data()) << "Tallowin";
}

void MessageBoxTest::showsTheTextAsComposedWithOnlyAnOkButton() {
    QFETCH(QByteArray, prompt);
    QFETCH(std::optional<QByteArray>, title);
    QFETCH(QString, text);
    QFETCH(QString, windowTitle);

    QMessageBox box;
    std::optional<std::string_view> titleView;
    if (title)
        titleView = std::string_view(title->constData(), static_cast<std::size_t>(title->size()));
    setUpMessageBox(box,
                    std::string_view(prompt.constData(), static_cast<std::size_t>(prompt.size())),
                    titleView);

    QCOMPARE(box.text(), text);
    QCOMPARE(box.textFormat(), Qt::PlainText);
    QCOMPARE(box.windowTitle(), windowTitle);
    QCOMPARE(box.icon(), QMessageBox::NoIcon);
    QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.buttons().size(), 1);
    QVERIFY(box.textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
}

void MessageBoxTest::isModalToTheActiveWindowAndAnswersOk_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("prompt");
    const QString twoLines = QStringLiteral("Manufacturer: Acme\r\nModel: M1");
    QTest::newRow("the notice's style") << 0 << twoLines;
    // The report's style asks for a Help button, system-wide modality and an
    // undefined default button as well; the box stays OK alone, modal to its
    // window.
    QTest::newRow("the report's style") << 65280 << twoLines;
    // Twelve lines of the longest values, in wide characters and in words:
    // the box still fits the screen, and copying still takes every line.
    QStringList longest;
    for (int line = 0; line < 6; ++line) {
        longest << QStringLiteral("Model:  ") + QString(256, QChar(0x6771))
                << QStringLiteral("Serial Number:  ") + QStringLiteral("WWW ").repeated(64);
    }
    QTest::newRow("twelve lines of the longest values") << 65280 << longest.join("\r\n");
}

void MessageBoxTest::isModalToTheActiveWindowAndAnswersOk() {
    QFETCH(int, style);
    QFETCH(QString, prompt);
    QWidget owner;
    owner.setWindowTitle(QStringLiteral("owner"));
    QVERIFY(tallowin::testing::showForInput(owner));

    // While the box waits, look at it and press its OK button.
    QPointer<QMessageBox> seen;
    Qt::WindowModality modality = Qt::NonModal;
    Qt::WindowType type = Qt::Widget;
    QWidget* parent = nullptr;
    qsizetype buttons = 0;
    bool fits = false;
    bool wraps = true;
    QString copied;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        poll.stop();
        seen = box;
        modality = box->windowModality();
        type = box->windowType();
        parent = box->parentWidget();
        buttons = box->buttons().size();
        const QRect screen = box->screen()->availableGeometry();
        fits = screen.contains(box->frameGeometry()) && screen.contains(box->geometry());
        wraps = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->wordWrap();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        box->buttons().constFirst()->click();
    });
    poll.start();
    // Never wait for ever, whatever happens above.
    QTimer::singleShot(10000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });

    const QByteArray utf8 = prompt.toUtf8();
    const int answer =
        showMessageBox(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                       style, std::nullopt);

    QCOMPARE(answer, kMessageBoxOk);
    QVERIFY(seen.isNull());  // the box is gone when the call returns
    // Modal to the program over its owner, and a dialog with a title bar of
    // its own: never a sheet, which Wayland title bars leave bare.
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(type, Qt::Dialog);
    QCOMPARE(parent, &owner);
    QCOMPARE(buttons, 1);
    QVERIFY(fits);
    QVERIFY(!wraps);  // each line shortened to fit, never broken in two
    QCOMPARE(copied, QString(prompt).replace("\r\n", "\n"));
}

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"

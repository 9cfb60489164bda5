// The floor for Tallowin's start-up on Qt: the least a Qt 6 Widgets program
// can do to show a dialog of the main window's designed size with one
// multi-line text box and three push buttons where the main window has its
// controls. It asks nothing of the machine and sets nothing beyond the
// geometry and the texts. Built only to be measured beside the program.
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/twips.h"
#include "ui/window_designs.h"

namespace {

namespace design = tallowin::ui::design;

int pixels(int twips) { return tallowin::ui::twipsToPixels(twips, tallowin::ui::kStandardDpi); }

void place(QWidget& widget, const design::Control& control) {
    const auto rect = tallowin::ui::toPixels(control.place, tallowin::ui::kStandardDpi);
    widget.setGeometry(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Tallowin baseline"));
    dialog.setFixedSize(pixels(design::form1::kWindow.clientWidth),
                        pixels(design::form1::kWindow.clientHeight));

    QPlainTextEdit text(&dialog);
    place(text, design::form1::kText1);
    text.setPlainText(QStringLiteral("192.0.2.1    baseline"));

    QPushButton first(QStringLiteral("First"), &dialog);
    place(first, design::form1::kCmdSysInfo);
    QPushButton second(QStringLiteral("Second"), &dialog);
    place(second, design::form1::kCmdShowAll);
    QPushButton third(QStringLiteral("Third"), &dialog);
    place(third, design::form1::kCmdOK);

    dialog.show();
    return QApplication::exec();
}

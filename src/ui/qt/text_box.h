// Text1 of both windows: a locked text box that shows what the service
// answered. The user can select and copy but not edit it; a double click
// takes a whole address or name, as the classic edit control does.
#pragma once

#include <QPlainTextEdit>

#include "ui/window_designs.h"

class QMouseEvent;

namespace tallowin::ui::qt {

class TextBox final : public QPlainTextEdit {
    Q_OBJECT

  public:
    // In its place of the design, named and described to assistive
    // technology as designed, which otherwise announces only "text".
    TextBox(const design::Control& control, QWidget* parent);

  protected:
    // Selects the run of non-blank characters under the pointer: all of
    // "192.0.2.2" or "fe80::1%2", where Qt's word boundaries stop at each
    // dot and colon. A double click between blanks takes the blanks.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tallowin::ui::qt

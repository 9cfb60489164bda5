// A push button whose caption wraps onto further lines at its blanks, as the
// classic Windows buttons do, so a long caption such as "System Information"
// stays wholly visible on a narrow button. When even the wrapped caption does
// not fit (a large desktop font), it is drawn in a smaller size of the same
// font rather than clipped.
#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

class QPaintEvent;

namespace tallowin::ui::qt {

class WrappingPushButton final : public QPushButton {
    Q_OBJECT

  public:
    explicit WrappingPushButton(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is drawn, and the font it is drawn in there.
    [[nodiscard]] QRect captionRect() const;
    [[nodiscard]] QFont captionFont() const;
    // The text-drawing flags of the caption: centred, wrapped, with the
    // access key underlined as the style wants it.
    [[nodiscard]] int captionFlags() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tallowin::ui::qt

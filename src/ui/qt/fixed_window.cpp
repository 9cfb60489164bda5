#include "ui/qt/fixed_window.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tallowin::ui::qt {

namespace {

constexpr Qt::WindowStates kOtherStates =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches one window; a child of it, so it lives as long as the window.
//
// On Wayland a maximised window must take the size the compositor gives it
// (a fixed-size window that does not is disconnected), and the maximised
// state cannot be withdrawn before the compositor has confirmed it. So while
// the window is anything but normal its size is left free; it asks at once
// to be normal again, and takes its own size back once the window system
// says it is.
class NormalStateKeeper final : public QObject {
  public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        watchHandle();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            // The native window exists from the first showing on.
            if (event->type() == QEvent::Show) {
                watchHandle();
                // Qt makes its title bar once the window is on its way to
                // the screen, not before.
                QTimer::singleShot(0, this, [this] { fitTitle(); });
            }
            if (event->type() == QEvent::WindowTitleChange && window_.isVisible()) fitTitle();
            if (event->type() == QEvent::WindowStateChange) {
                const Qt::WindowStates state = window_.windowState();
                if ((state & Qt::WindowMinimized) != 0) {
                    leaveMinimised();
                } else if ((state & kOtherStates) != 0) {
                    // The window system has put the window in that state
                    // and it has drawn itself so: a compositor takes the
                    // state back only from one it has seen.
                    freeSize();
                    QTimer::singleShot(0, this, [this] { becomeNormal(); });
                }
            }
            // Normal again at its own size, once asked to be: the window
            // system has put it back, and the size can be fixed again.
            if ((event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange) &&
                askedNormal_ && window_.windowState() == Qt::WindowNoState &&
                window_.size() == ownSize_) {
                takeOwnSizeBack();
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void watchHandle() {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || handle == watchedHandle_) return;
        watchedHandle_ = handle;
        // Emitted as soon as a state is asked for (by Qt's own title bar on
        // Wayland, say), before the window system has answered: the size is
        // freed at once, so that the window can take the size the answer
        // brings.
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized) {
                leaveMinimised();
            } else if ((state & kOtherStates) != 0) {
                freeSize();
            }
        });
    }

    void freeSize() {
        if (ownSize_.isValid()) return;
        ownSize_ = window_.size();
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void leaveMinimised() {
        askedNormal_ = false;
        if (QWindow* handle = window_.windowHandle()) handle->setWindowStates(Qt::WindowNoState);
        window_.setWindowState(Qt::WindowNoState);
        showAgain();
    }

    // Both the widget and its native window: Qt's title bar sets the latter
    // alone.
    void becomeNormal() {
        askedNormal_ = true;
        if (QWindow* handle = window_.windowHandle()) handle->setWindowStates(Qt::WindowNoState);
        window_.setWindowState(Qt::WindowNoState);
    }

    void takeOwnSizeBack() {
        askedNormal_ = false;
        if (!ownSize_.isValid()) return;
        window_.setFixedSize(ownSize_);
        ownSize_ = QSize();
    }

    // A window system may have hidden a minimised window already, with no
    // way to ask for it back but to show it anew. A modal window is closed
    // instead, as its close box would, so that the window below it takes
    // input again.
    void showAgain() {
        takeOwnSizeBack();  // nothing else will say the window is normal
        if (!window_.isVisible()) return;
        if (window_.isModal()) {
            window_.close();
        } else {
            window_.hide();
            window_.show();
        }
    }

    // Where Qt draws the title bar itself (on Wayland, when the compositor
    // leaves it to the program), the title is centred between the window's
    // edges but cut at its icon and its three buttons, so a window as narrow
    // as the list window shows only "IP Addresses for v". There the window is
    // widened until its title fits (never past the screen), its controls
    // kept in the middle. Elsewhere the window system draws the title, and
    // the window keeps its designed width.
    void fitTitle() {
        const QWindow* handle = window_.windowHandle();
        if (handle == nullptr || window_.layout() != nullptr ||
            !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
            handle->frameMargins().top() == 0) {
            return;
        }
        if (designWidth_ == 0) designWidth_ = window_.width();
        QFont titleFont = window_.font();
        titleFont.setPixelSize(kTitlePixelSize);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(window_.windowTitle());
        const int widest = window_.screen()->availableGeometry().width() -
                           handle->frameMargins().left() - handle->frameMargins().right();
        const int width =
            std::min(std::max(designWidth_, titleWidth + kTitleBarButtonsAndIcon), widest);
        if (width == window_.width()) return;
        const int shift = (width - window_.width()) / 2;
        for (QWidget* control : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            control->move(control->x() + shift, control->y());
        }
        window_.setFixedWidth(width);
    }

    // Qt's own title bar: a 14-pixel title, centred, with the three buttons
    // and their margins (77 pixels) kept clear on either side, less the
    // frame's own 3 pixels a side.
    static constexpr int kTitlePixelSize = 14;
    static constexpr int kTitleBarButtonsAndIcon = 2 * 77 - 2 * 3 + 8;

    QWidget& window_;
    QPointer<QWindow> watchedHandle_;
    int designWidth_ = 0;
    QSize ownSize_;  // valid while the window's size is free
    bool askedNormal_ = false;
};

}  // namespace

void keepInNormalState(QWidget& window) {
    // Owned by the window as its Qt child.
    new NormalStateKeeper(window);
}

}  // namespace tallowin::ui::qt

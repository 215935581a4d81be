#pragma once
// Shows the calendar's year warning on the interface thread, whichever thread raised it.
//
// From the interface thread the message box opens at once. From a generation worker the request is queued to the
// interface thread and the worker waits until the user pressed OK, or until release() is called at shutdown, so a
// worker waiting here never keeps the program from closing.

#include "calendar/YearWarning.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace namewright {

class YearWarningBridge : public QObject {
    Q_OBJECT

public:
    /// `show` shows the message box modally and returns when it is closed (the window's own; tests give another).
    explicit YearWarningBridge(std::function<void()> show, QObject* parent = nullptr);
    ~YearWarningBridge() override;

    /// The handler to give the calendar; callable from any thread.
    YearWarningHandler handler();

    /// Lets every waiting worker go on and makes later warnings from workers return at once.
    void release();

    /// The standard box: title "数据出错", text "请输入正确日期：" CR "1881年----2060年", one OK button.
    static void showMessageBox(QWidget* parent);

    /// That box, not yet shown: at least `titleBarWidth()` wide, so that a title bar shows the whole title.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent);

    /// The width a title bar needs for the box's title: the title in a bold font, with room for the window menu
    /// and the three buttons a plain window manager puts beside it.
    static int titleBarWidth();

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable answered;
        bool released = false;
        std::uint64_t nextRequest = 0;
        std::uint64_t lastAnswered = 0;
    };

    void warnFromWorker();

    std::function<void()> m_show;
    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};

} // namespace namewright

#include "app/YearWarningBridge.h"

#include "app/models/TextConversion.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QThread>

namespace namewright {

namespace {
constexpr std::string_view kWarningTitle = "数据出错";
constexpr std::string_view kWarningText = "请输入正确日期：\r1881年----2060年";
/// The window menu's icon and the minimise, maximise and close buttons of a title bar, with their gaps.
constexpr int kTitleBarControls = 4 * 28;
} // namespace

YearWarningBridge::YearWarningBridge(std::function<void()> show, QObject* parent)
    : QObject(parent), m_show(std::move(show)) {}

YearWarningBridge::~YearWarningBridge() {
    release();
}

YearWarningHandler YearWarningBridge::handler() {
    return [this] {
        if (QThread::currentThread() == thread()) {
            m_show();
        } else {
            warnFromWorker();
        }
    };
}

void YearWarningBridge::warnFromWorker() {
    std::unique_lock lock(m_shared->mutex);
    if (m_shared->released) {
        return;
    }
    const std::uint64_t request = ++m_shared->nextRequest;
    lock.unlock();
    QMetaObject::invokeMethod(
        this,
        [this, request, shared = m_shared] {
            {
                const std::lock_guard guard(shared->mutex);
                if (shared->released) {
                    return;
                }
            }
            m_show();
            const std::lock_guard guard(shared->mutex);
            shared->lastAnswered = request;
            shared->answered.notify_all();
        },
        Qt::QueuedConnection);
    lock.lock();
    m_shared->answered.wait(lock, [&] { return m_shared->released || m_shared->lastAnswered >= request; });
}

void YearWarningBridge::release() {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->released = true;
    m_shared->answered.notify_all();
}

void YearWarningBridge::showMessageBox(QWidget* parent) {
    messageBox(parent)->exec();
}

std::unique_ptr<QMessageBox> YearWarningBridge::messageBox(QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, toQString(kWarningTitle), toDisplayText(kWarningText),
                                             QMessageBox::Ok, parent);
    // A message box sizes itself to its text and ignores a minimum width; a spacer across its grid holds it wider.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(titleBarWidth(), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    return box;
}

int YearWarningBridge::titleBarWidth() {
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(toQString(kWarningTitle)) + kTitleBarControls;
}

} // namespace namewright

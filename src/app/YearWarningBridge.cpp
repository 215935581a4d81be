#include "app/YearWarningBridge.h"

#include "app/models/TextConversion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

namespace namewright {

namespace {
constexpr std::string_view kWarningTitle = "数据出错";
constexpr std::string_view kWarningText = "请输入正确日期：\r1881年----2060年";
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
    QMessageBox box(QMessageBox::NoIcon, toQString(kWarningTitle), toDisplayText(kWarningText), QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace namewright

#pragma once
// Helpers for the window tests: a small naming database, and a way to handle a modal dialog that a click opens.

#include "support/GenerationFixture.h"
#include "support/TempDatabase.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace namewright::testing {

/// A naming database with candidate tables, every number and key with a luck word, the family characters, 哉 and
/// 栋, and the four pillars of 2011-01-01 at 1 o'clock.
inline void fillWindowTestDatabase(TempDatabase& file, int word1Count = 400, int word2Count = 100) {
    fillGenerationTables(file, word1Count, word2Count);
    file.exec("INSERT INTO word VALUES ('哉', 9, '金'), ('栋', 12, '木');"
              "INSERT INTO bazi VALUES ('庚寅', '金木', '松柏木'), ('戊子', '土水', '霹雳火'),"
              "('丙辰', '火土', '沙中土'), ('己丑', '土土', '霹雳火');");
}

/// Calls `inspect` with the modal dialog that `trigger` opens, then closes that dialog. Returns false when no modal
/// dialog appeared.
inline bool withModalDialog(const std::function<void()>& trigger, const std::function<void(QDialog*)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            inspect(dialog);
            dialog->reject();
        }
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}

} // namespace namewright::testing

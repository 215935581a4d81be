#include "app/favourites/FavouriteRemoval.h"

#include "app/models/TextConversion.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace namewright {

namespace {

bool holdsUserData(const Favourite& f) {
    return !f.note.empty() || f.stars > kFewestStars;
}

} // namespace

bool removalLosesUserData(const std::vector<Favourite>& chosen) {
    return std::any_of(chosen.begin(), chosen.end(), holdsUserData);
}

bool confirmFavouriteRemoval(QWidget* parent, const std::vector<Favourite>& chosen) {
    if (!removalLosesUserData(chosen)) {
        return true;
    }
    QString text;
    if (chosen.size() == 1) {
        const Favourite& f = chosen.front();
        text = QStringLiteral("“%1”有 %2 颗星%3，确定移除吗？")
                   .arg(toQString(f.name()))
                   .arg(f.stars)
                   .arg(f.note.empty() ? QString() : QStringLiteral("和备注"));
    } else {
        const auto holding = std::count_if(chosen.begin(), chosen.end(), holdsUserData);
        text = QStringLiteral("所选 %1 个收藏中有 %2 个带备注或多颗星，确定移除吗？").arg(chosen.size()).arg(holding);
    }
    text += QStringLiteral("\n移除后可按“撤销”（Ctrl+Z）找回最近一次移除的收藏。");
    QMessageBox box(QMessageBox::Question, QStringLiteral("移除收藏"), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("移除收藏确认"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("移除"));
    box.button(QMessageBox::No)->setText(QStringLiteral("保留"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace namewright

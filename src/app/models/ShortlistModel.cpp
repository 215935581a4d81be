#include "app/models/ShortlistModel.h"

#include "app/models/ResultGridModel.h"
#include "app/models/TextConversion.h"

#include <QBrush>

namespace namewright {

namespace {

constexpr int kHighlightedScore = 95;

QString stars(int count) {
    return QString(count, QChar(0x2605)); // ★
}

} // namespace

ShortlistModel::ShortlistModel(const ResultStore& store, ShortlistSources sources, std::size_t firstRow,
                               QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_shortlist(store, std::move(sources), firstRow) {
    m_shortlist.refresh();
    m_timer.setInterval(kRefreshMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, [this] { refresh(); });
    m_timer.start();
}

int ShortlistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shortlist.size());
}

int ShortlistModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ShortlistModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return toQString(shortlistColumnTitle(columnAt(section)));
    }
    if (role == Qt::ToolTipRole) {
        switch (columnAt(section)) {
        case ShortlistColumn::Draws:
            return QStringLiteral("本轮抽到这个名字的次数");
        case ShortlistColumn::SuppliesMissingElement:
            return QStringLiteral("名字的字补上本轮八字所缺的五行（喜用神）");
        case ShortlistColumn::NoSoundWarning:
            return QStringLiteral("读音检查：✓ 没有提示，! 有提示（见右侧“读音与字形”）");
        case ShortlistColumn::HasVerse:
            return QStringLiteral("两个名字依次出现在诗经、楚辞、论语、唐诗或宋词的同一句里");
        case ShortlistColumn::CommonOnly:
            return QStringLiteral("名字的字都在《通用规范汉字表》一级或二级字中");
        case ShortlistColumn::CompoundSurnameScore:
            return QStringLiteral("按复姓算法（两字姓的笔画都计入天格）的分数，本程序另加");
        case ShortlistColumn::Recommended:
            return QStringLiteral(
                "本程序另加的推荐分（0-100）：分数、名字用字、常用字、诗句、读音、字义、喜用五行综合而得；"
                "含贬义字的名字排在最后");
        default:
            return {};
        }
    }
    return {};
}

QVariant ShortlistModel::display(const QModelIndex& index) const {
    const auto position = static_cast<std::size_t>(index.row());
    const ShortlistColumn column = columnAt(index.column());
    if (const auto cell = resultColumnOf(column)) {
        return toQString(m_store.cellText(m_shortlist.firstRowAt(position), *cell));
    }
    const NameFacts facts = m_shortlist.factsAt(position);
    switch (column) {
    case ShortlistColumn::Draws:
        return QString::number(facts.draws);
    case ShortlistColumn::SuppliesMissingElement:
        return facts.suppliesMissingElement ? QStringLiteral("✓") : QString();
    case ShortlistColumn::Favourite:
        return stars(facts.favouriteStars);
    case ShortlistColumn::Pinyin:
        return toQString(m_shortlist.pinyinAt(position));
    case ShortlistColumn::NoSoundWarning:
        return facts.knowledge.available ? (facts.knowledge.noSoundWarning ? QStringLiteral("✓") : QStringLiteral("!"))
                                         : QString();
    case ShortlistColumn::HasVerse:
        return facts.knowledge.hasVerse ? QStringLiteral("有") : QString();
    case ShortlistColumn::CommonOnly:
        return facts.knowledge.commonOnly ? QStringLiteral("✓") : QString();
    case ShortlistColumn::CompoundSurnameScore:
        return facts.compoundScore ? QString::number(*facts.compoundScore) : QString();
    case ShortlistColumn::Recommended:
        return facts.recommendedBottom ? QStringLiteral("%1 贬").arg(facts.recommended)
                                       : QString::number(facts.recommended);
    default:
        return {};
    }
}

QVariant ShortlistModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return display(index);
    case Qt::TextAlignmentRole: {
        const ShortlistColumn column = columnAt(index.column());
        return column == ShortlistColumn::Name || column == ShortlistColumn::ElementText ||
                       column == ShortlistColumn::Pinyin || column == ShortlistColumn::Favourite
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    }
    case Qt::ForegroundRole:
        return m_store.row(firstRowAt(index.row())).score >= kHighlightedScore
                   ? QBrush(ResultGridModel::kHighlightColour)
                   : QVariant();
    case kFirstRowRole:
        return QVariant::fromValue(firstRowAt(index.row()));
    default:
        return {};
    }
}

template <typename Change> void ShortlistModel::changeLayout(Change&& change) {
    // Persistent indexes (the selection, the current row) are kept by name: each is looked up again afterwards.
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> names;
    names.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) {
        names.push_back(firstRowAt(index.row()));
    }
    change();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const auto row = rowOf(names[static_cast<std::size_t>(i)]);
        after.append(row ? index(*row, before[i].column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void ShortlistModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumns) {
        return;
    }
    changeLayout([&] { m_shortlist.sort(columnAt(column), order == Qt::DescendingOrder); });
}

void ShortlistModel::setFilter(const ShortlistFilter& filter) {
    if (filter == m_shortlist.filter()) {
        return;
    }
    changeLayout([&] { m_shortlist.setFilter(filter); });
}

void ShortlistModel::setFavourites(std::vector<FavouriteStars> favourites) {
    changeLayout([&] { m_shortlist.setFavourites(std::move(favourites)); });
    if (rowCount() > 0) {
        emit dataChanged(index(0, static_cast<int>(ShortlistColumn::Favourite)),
                         index(rowCount() - 1, static_cast<int>(ShortlistColumn::Favourite)));
    }
}

void ShortlistModel::setRecommendation(const RecommendWeights& weights, std::optional<ElementSet> ownFavourable) {
    changeLayout([&] {
        m_shortlist.setOwnFavourable(ownFavourable);
        m_shortlist.setRecommendWeights(weights);
    });
    if (rowCount() > 0) {
        // The 推荐 values and, with the parent's own elements, the 补缺 marks.
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    }
}

void ShortlistModel::refresh(std::optional<std::chrono::nanoseconds> budget) {
    if (m_shortlist.caughtUp() && !m_shortlist.mergePending()) {
        if (m_timer.isActive() && m_timer.interval() != kRefreshMilliseconds) {
            m_timer.setInterval(kRefreshMilliseconds);
        }
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    Shortlist::Change change;
    if (m_shortlist.seriesChanged()) {
        beginResetModel();
        change = m_shortlist.refresh(budget);
        endResetModel();
    } else {
        // Names taken but not merged yet are merged before more rows are taken, half the budget for each step, so
        // that the names waiting never pile up into a merge longer than a tick.
        if (!budget || !m_shortlist.mergePending()) {
            change = m_shortlist.takeRows(budget ? std::optional(*budget / 2) : std::nullopt);
        }
        if (m_shortlist.mergePending()) {
            const auto spent = std::chrono::steady_clock::now() - start;
            changeLayout([&] {
                m_shortlist.mergeTaken(budget ? std::optional(std::max(*budget - spent, *budget / 4)) : std::nullopt);
            });
            change.orderChanged = true;
        }
    }
    if (change.drawsChanged && rowCount() > 0) {
        const int draws = static_cast<int>(ShortlistColumn::Draws);
        emit dataChanged(index(0, draws), index(rowCount() - 1, draws));
    }
    // While behind the store, the next tick comes soon; each is short, so the window stays responsive meanwhile.
    const bool behind = !m_shortlist.caughtUp() || m_shortlist.mergePending();
    const int interval = behind ? kCatchUpMilliseconds : kRefreshMilliseconds;
    if (m_timer.isActive() && m_timer.interval() != interval) {
        m_timer.setInterval(interval);
    }
    if (change.any()) {
        emit refreshed(change.orderChanged);
    }
}

std::optional<int> ShortlistModel::rowOf(std::uint32_t firstRow) const {
    const auto position = m_shortlist.positionOf(firstRow);
    return position ? std::optional<int>(static_cast<int>(*position)) : std::nullopt;
}

} // namespace namewright

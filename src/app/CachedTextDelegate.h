#pragma once
// An item delegate that draws a cell's text from glyphs laid out once (QStaticText), for tables repainted many times a
// second while a run streams into them (the shortlist's table and the result grid).
//
// QStyledItemDelegate lays a cell's text out again on every paint, and the style does it several times a cell (the
// text's sub-rectangles, the elision, the drawing): shaping the texts of a few hundred cells is most of a table's
// repaint. This delegate keeps the laid-out text of the texts it has drawn and places it as the style would. Whatever
// it does not reproduce falls to QStyledItemDelegate's own painting: a cell with an icon or a check box, a text wider
// than its cell (to be elided) or over several lines, an edited cell and the cell with the keyboard focus. The texts
// are kept for one font; another font drops them.

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace namewright {

class CachedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    /// The most texts kept: the texts drawn lately, up to this many, and as many drawn before them. Older ones are
    /// dropped and laid out again when they are drawn again.
    static constexpr qsizetype kMostRecentTexts = 2048;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// How many cells took the kept text, and how many QStyledItemDelegate's painting (for the tests).
    qint64 cachedPaints() const { return m_cachedPaints; }
    qint64 plainPaints() const { return m_plainPaints; }

private:
    /// A text as laid out in a place of some width with some horizontal alignment.
    struct Key {
        QString text;
        int width = 0;
        int alignment = 0;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.text, key.width, key.alignment);
        }
    };
    /// The cell's text laid out in `place`, kept or laid out now; nothing when it is too wide for it.
    const QStaticText* laidOut(const QStyleOptionViewItem& option, QRect place) const;

    mutable QHash<Key, QStaticText> m_recent;
    mutable QHash<Key, QStaticText> m_older;
    mutable QFont m_font;
    mutable qint64 m_cachedPaints = 0;
    mutable qint64 m_plainPaints = 0;
};

} // namespace namewright

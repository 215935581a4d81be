#include "app/GridScrollBar.h"

namespace namewright {

GridScrollBar::GridScrollBar(QAbstractScrollArea* area, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), m_source(area->verticalScrollBar()) {
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A slim bar in the program's paper tones: a groove and a rounded handle, no arrow buttons.
    setStyleSheet(QStringLiteral("QScrollBar:vertical { background: #E9DFCC; width: 6px; margin: 0; border: none;"
                                 " border-radius: 3px; }"
                                 "QScrollBar::handle:vertical { background: #A8906A; min-height: 24px;"
                                 " border-radius: 3px; }"
                                 "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed {"
                                 " background: #8A3B2A; }"
                                 "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                                 "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {"
                                 " background: none; }"));
    connect(m_source, &QScrollBar::rangeChanged, this, &GridScrollBar::follow);
    connect(m_source, &QScrollBar::valueChanged, this, &QScrollBar::setValue);
    connect(this, &QScrollBar::valueChanged, m_source, &QScrollBar::setValue);
    follow();
}

void GridScrollBar::follow() {
    setRange(m_source->minimum(), m_source->maximum());
    setPageStep(m_source->pageStep());
    setSingleStep(m_source->singleStep());
    setValue(m_source->value());
    setVisible(m_source->maximum() > m_source->minimum());
}

} // namespace namewright

#include "app/ShortlistFilterBar.h"

#include "app/RecommendChooser.h"
#include "app/RunStatusText.h"
#include "app/models/ShortlistModel.h"
#include "app/models/TextConversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace namewright {

namespace {

QCheckBox* checkBox(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

} // namespace

ShortlistFilterBar::ShortlistFilterBar(ShortlistModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("最低分"), this));
    m_minimumScore = new QSpinBox(this);
    m_minimumScore->setObjectName(QStringLiteral("最低分框"));
    m_minimumScore->setRange(0, 100);
    row->addWidget(m_minimumScore);
    m_suppliesMissing = checkBox("补缺框", "补八字所缺五行", this);
    row->addWidget(m_suppliesMissing);
    row->addWidget(new QLabel(QStringLiteral("含字"), this));
    m_contains = new QLineEdit(this);
    m_contains->setObjectName(QStringLiteral("含字框"));
    m_contains->setMaximumWidth(60);
    m_contains->setToolTip(QStringLiteral("名字里必须有的字"));
    row->addWidget(m_contains);
    row->addWidget(new QLabel(QStringLiteral("排除字"), this));
    m_excludes = new QLineEdit(this);
    m_excludes->setObjectName(QStringLiteral("排除字框"));
    m_excludes->setPlaceholderText(QStringLiteral("如长辈名字里的字"));
    m_excludes->setToolTip(QStringLiteral("名字里不要的字，可以连写或用空格、逗号隔开"));
    row->addWidget(m_excludes, 1);
    m_length = new QComboBox(this);
    m_length->setObjectName(QStringLiteral("字数框"));
    m_length->addItems({QStringLiteral("单字双字"), QStringLiteral("只看单字"), QStringLiteral("只看双字")});
    row->addWidget(m_length);
    m_favouritesOnly = checkBox("只看收藏框", "只看收藏", this);
    row->addWidget(m_favouritesOnly);

    // The second row: filters on the character knowledge and the solar-term chart, where those are at hand.
    auto* second = new QHBoxLayout;
    m_noSoundWarning = checkBox("无读音提示框", "无读音提示", this);
    m_noSoundWarning->setToolTip(QStringLiteral("读音检查没有提示的名字（三字同调、双声叠韵、与姓同音、不雅谐音）"));
    m_hasVerse = checkBox("有诗句框", "有诗句", this);
    m_hasVerse->setToolTip(QStringLiteral("两个名字依次出现在同一句古诗文里的名字"));
    m_commonOnly = checkBox("常用字框", "只用常用字", this);
    m_commonOnly->setToolTip(QStringLiteral("名字的字都是《通用规范汉字表》一级或二级字"));
    m_suppliesFavourable = checkBox("补节气喜用框", "补节气八字喜用神", this);
    m_suppliesFavourable->setToolTip(
        QStringLiteral("名字的字的五行是本轮节气八字（本程序另算）的用神或喜神；节气八字用到主窗口“分”框里的分钟"));
    const bool knowledge = m_model.shortlist().facts().knowledgeAvailable();
    for (QCheckBox* box : {m_noSoundWarning, m_hasVerse, m_commonOnly}) {
        box->setVisible(knowledge);
        second->addWidget(box);
    }
    m_suppliesFavourable->setVisible(m_model.shortlist().facts().solarTermChartAvailable());
    second->addWidget(m_suppliesFavourable);
    auto* recommend = new RecommendChooser(this);
    m_model.setRecommendation(recommend->weights(), recommend->ownFavourable());
    updateMissingElementTip(recommend->ownFavourable());
    connect(recommend, &RecommendChooser::changed, this, [this, recommend] {
        m_model.setRecommendation(recommend->weights(), recommend->ownFavourable());
        updateMissingElementTip(recommend->ownFavourable());
        emit recommendationChanged();
    });
    second->addWidget(recommend);
    second->addStretch(1);
    auto* rows = new QVBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(row);
    rows->addLayout(second);

    connect(m_minimumScore, &QSpinBox::valueChanged, this, &ShortlistFilterBar::applyFilter);
    connect(m_contains, &QLineEdit::textChanged, this, &ShortlistFilterBar::applyFilter);
    connect(m_excludes, &QLineEdit::textChanged, this, &ShortlistFilterBar::applyFilter);
    connect(m_length, &QComboBox::currentIndexChanged, this, &ShortlistFilterBar::applyFilter);
    for (QCheckBox* box :
         {m_suppliesMissing, m_favouritesOnly, m_noSoundWarning, m_hasVerse, m_commonOnly, m_suppliesFavourable}) {
        connect(box, &QCheckBox::toggled, this, &ShortlistFilterBar::applyFilter);
    }
    setLayout(rows);
}

void ShortlistFilterBar::updateMissingElementTip(std::optional<ElementSet> own) {
    QString tip = QStringLiteral("只看名字的字补上本轮八字所缺五行（喜用神）的名字");
    if (const QString note = missingElementNote(m_model.shortlist().facts().sources(), own); !note.isEmpty()) {
        tip += QStringLiteral("\n") + note;
    }
    m_suppliesMissing->setToolTip(tip);
}

void ShortlistFilterBar::applyFilter() {
    ShortlistFilter filter = m_model.shortlist().filter();
    filter.minimumScore = m_minimumScore->value();
    filter.suppliesMissingElement = m_suppliesMissing->isChecked();
    filter.containsCharacters = toUtf8(m_contains->text());
    filter.excludedCharacters = toUtf8(m_excludes->text());
    filter.length = static_cast<GivenLength>(m_length->currentIndex());
    filter.favouritesOnly = m_favouritesOnly->isChecked();
    filter.noSoundWarning = m_noSoundWarning->isChecked();
    filter.hasVerse = m_hasVerse->isChecked();
    filter.commonOnly = m_commonOnly->isChecked();
    filter.suppliesFavourableElement = m_suppliesFavourable->isChecked();
    m_model.setFilter(filter);
    emit filterApplied();
}

} // namespace namewright

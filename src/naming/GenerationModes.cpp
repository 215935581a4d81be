#include "naming/GenerationModes.h"

#include "naming/NameScoring.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>
#include <vector>

namespace namewright {

namespace {

/// The gender mark whose rows the sequential modes leave out.
std::string_view excludedGender(Gender gender) {
    return genderText(gender == Gender::Male ? Gender::Female : Gender::Male);
}

/// A candidate character's texts as ids of the store's pool, and the elements its element text names.
struct PooledCharacter {
    std::uint32_t character = 0;
    std::uint32_t element = 0;
    ElementSet elements;
};

/// Candidate rows with their texts pooled only once one of them is listed, and their strokes in a compact array for
/// loops that jump around.
class CandidateTable {
public:
    explicit CandidateTable(const std::vector<CandidateRow>& rows) : m_rows(rows) {}

    std::size_t size() const { return m_rows.size(); }
    const CandidateRow& row(std::size_t i) const { return m_rows[i]; }

    std::vector<int> strokes() const {
        std::vector<int> strokes;
        strokes.reserve(m_rows.size());
        for (const auto& row : m_rows) {
            strokes.push_back(row.strokes);
        }
        return strokes;
    }

    /// The pooled texts of row i, pooled through `lister` on first use.
    template <typename Lister> PooledCharacter pooled(std::size_t i, Lister& lister) {
        if (m_pooled.empty()) {
            m_pooled.resize(m_rows.size(), PooledCharacter{kUnpooled, kUnpooled, {}});
        }
        PooledCharacter& entry = m_pooled[i];
        if (entry.character == kUnpooled) {
            entry = lister.pool(m_rows[i].character, m_rows[i].element);
        }
        return entry;
    }

private:
    static constexpr std::uint32_t kUnpooled = 0xFFFFFFFFU;
    const std::vector<CandidateRow>& m_rows;
    std::vector<PooledCharacter> m_pooled;
};

/// The per-candidate work shared by all modes: stop test, threshold, cap and listing. Listed rows are handed to the
/// store in batches; a batch is flushed when full, every few thousand candidates, and when the lister ends, so a
/// listed name reaches the grid within a fraction of a millisecond and before the worker lets go of its lock.
class CandidateLister {
public:
    CandidateLister(GenerationContext& context, const WordRow& family)
        : m_context(context), m_familyStrokes(family.strokes), m_familyElement(family.element) {
        refreshInputs();
    }
    ~CandidateLister() { flush(); }
    CandidateLister(const CandidateLister&) = delete;
    CandidateLister& operator=(const CandidateLister&) = delete;

    int familyStrokes() const { return m_familyStrokes; }

    /// True when the stop flag is set, the worker's stop was requested or the result store is full (it refused rows
    /// at its limit). Called at the top of every iteration.
    bool shouldStop() {
        if (++m_sinceFlush == kFlushEvery) {
            flush();
        }
        return m_context.state.stopFlag() == 1 || m_context.stop.stop_requested() || m_context.store.isFull();
    }

    /// Applies the threshold step to a scored candidate. `characters` gives the pair of pooled characters and is
    /// called only for a candidate that is listed.
    template <typename Characters>
    void offer(int score, int firstStrokes, int secondStrokes, bool twoCharacters, Characters&& characters) {
        if (m_context.inputs.version() != m_inputsVersion) {
            refreshInputs();
        }
        if (m_threshold > kScoreCapAbove) {
            score = applyScoreCap(score);
        }
        if (score < m_threshold) {
            return;
        }
        const auto [first, second] = characters();
        StoredName row;
        row.family = m_family;
        row.firstCharacter = first.character;
        row.firstStrokes = firstStrokes;
        if (twoCharacters) {
            row.secondCharacter = second.character;
            row.secondStrokes = secondStrokes;
        }
        row.elementText = elementTextId(first.element, twoCharacters ? second.element : kNone);
        row.givenElements = first.elements;
        if (twoCharacters) {
            row.givenElements |= second.elements;
        }
        row.score = static_cast<std::uint8_t>(score);
        m_batch[m_batchSize++] = row;
        if (m_batchSize == kBatchRows) {
            flush();
        }
    }

    /// Pools the texts of a candidate or fixed row. Characters are distinct texts, so they go straight to the
    /// pool; elements are a handful of texts, answered from a small cache of this worker.
    PooledCharacter pool(const std::string& zi, const std::string& element) {
        return PooledCharacter{m_context.store.texts().intern(zi), poolElement(element),
                               ElementSet::occurringIn(element)};
    }
    PooledCharacter pool(const WordRow& row) { return pool(row.character, row.element); }

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFU;
    static constexpr std::size_t kBatchRows = 256;
    static constexpr std::uint32_t kFlushEvery = 4096;

    std::uint32_t poolElement(const std::string& element) {
        for (const auto& [text, id] : m_elementIds) {
            if (text == element) {
                return id;
            }
        }
        const std::uint32_t id = m_context.store.texts().intern(element);
        if (m_elementIds.size() < kCachedElements) {
            m_elementIds.emplace_back(element, id);
        }
        return id;
    }

    void flush() {
        m_sinceFlush = 0;
        if (m_batchSize > 0) {
            m_context.store.append(m_context.series, std::span(m_batch.data(), m_batchSize));
            m_batchSize = 0;
        }
    }

    void refreshInputs() {
        m_inputsVersion = m_context.inputs.version();
        const GenerationInputs inputs = m_context.inputs.snapshot();
        m_family = m_context.store.internFamily(inputs.familyText, m_familyStrokes, m_familyElement);
        m_threshold = scoreThreshold(inputs.ownThreshold, inputs.thresholdText);
    }

    /// The id of the family element + the given characters' elements, joined. Element texts are few and pooled
    /// early, so their ids are small: a flat table answers without hashing.
    std::uint32_t elementTextId(std::uint32_t first, std::uint32_t second) {
        const std::uint32_t column = second == kNone ? kSmallIds : second;
        if (first < kSmallIds && column <= kSmallIds) {
            std::uint32_t& cached = m_smallElementIds[first * (kSmallIds + 1) + column];
            if (cached == kNone) {
                cached = joinElements(first, second);
            }
            return cached;
        }
        const std::uint64_t key = (static_cast<std::uint64_t>(first) << 32U) | second;
        auto found = m_elementTexts.find(key);
        if (found == m_elementTexts.end()) {
            found = m_elementTexts.emplace(key, joinElements(first, second)).first;
        }
        return found->second;
    }

    std::uint32_t joinElements(std::uint32_t first, std::uint32_t second) {
        std::string text = m_familyElement;
        m_context.store.texts().appendTo(text, first);
        if (second != kNone) {
            m_context.store.texts().appendTo(text, second);
        }
        return m_context.store.texts().intern(text);
    }

    GenerationContext& m_context;
    int m_familyStrokes = 0;
    std::string m_familyElement;
    std::uint64_t m_inputsVersion = 0;
    std::uint32_t m_family = 0;
    int m_threshold = 80;
    std::uint32_t m_sinceFlush = 0;
    std::array<StoredName, kBatchRows> m_batch{};
    std::size_t m_batchSize = 0;
    static constexpr std::size_t kCachedElements = 16;
    std::vector<std::pair<std::string, std::uint32_t>> m_elementIds;
    static constexpr std::uint32_t kSmallIds = 64;
    std::vector<std::uint32_t> m_smallElementIds =
        std::vector<std::uint32_t>(std::size_t{kSmallIds} * (kSmallIds + 1), kNone);
    std::unordered_map<std::uint64_t, std::uint32_t> m_elementTexts;
};

} // namespace

void generateSingleCharacterNames(GenerationContext& context, const WordRow& family,
                                  const std::vector<CandidateRow>& candidates) {
    CandidateLister lister(context, family);
    CandidateTable table(candidates);
    const int familyStrokes = lister.familyStrokes();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (lister.shouldStop()) {
            return;
        }
        const CandidateRow& row = table.row(i);
        context.state.setResumeMark(SequentialMode::SingleCharacter, context.series, row.id);
        const int strokes = row.strokes;
        lister.offer(scoreOneCharacter(gridNumbers(familyStrokes, strokes), context.luck), strokes, 0, false, [&] {
            return std::pair{table.pooled(i, lister), PooledCharacter{}};
        });
    }
}

void generateFixedCharacterNames(GenerationContext& context, const WordRow& family, const WordRow& fixedRow,
                                 bool fixedIsFirst, const std::vector<CandidateRow>& candidates) {
    CandidateLister lister(context, family);
    CandidateTable table(candidates);
    const PooledCharacter fixed = lister.pool(fixedRow);
    const int familyStrokes = lister.familyStrokes();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (lister.shouldStop()) {
            return;
        }
        const CandidateRow& row = table.row(i);
        context.state.setResumeMark(SequentialMode::FixedCharacter, context.series, row.id);
        const int first = fixedIsFirst ? fixedRow.strokes : row.strokes;
        const int second = fixedIsFirst ? row.strokes : fixedRow.strokes;
        lister.offer(scoreTwoCharacters(gridNumbers(familyStrokes, first, second), context.luck), first, second, true,
                     [&] {
                         const PooledCharacter candidate = table.pooled(i, lister);
                         return fixedIsFirst ? std::pair{fixed, candidate} : std::pair{candidate, fixed};
                     });
    }
}

namespace {

/// The raw scores (before the cap) of the stroke pairs the random draws can meet, worked out once per run: a draw then
/// looks its score up by the two candidates' stroke classes instead of working out five grids and their luck.
/// Characters have few distinct stroke counts (some thirty), so the table is small; for tables with too many distinct
/// counts (a foreign database) none is built and every draw is scored as it comes.
class PairScores {
public:
    /// The first candidate's stroke count and the offset of its row in the score table.
    struct First {
        int strokes = 0;
        std::uint32_t row = 0;
    };
    /// The second candidate's stroke count and its column in the score table.
    struct Second {
        int strokes = 0;
        std::uint32_t column = 0;
    };

    /// `seconds` empty stands for one second "candidate" of 0 strokes (a draw from an empty table finds no row).
    PairScores(int familyStrokes, const CandidateTable& firsts, const CandidateTable& seconds, const LuckTables& luck)
        : m_familyStrokes(familyStrokes), m_luck(luck) {
        const std::vector<int> firstValues = distinctStrokes(firsts);
        std::vector<int> secondValues = distinctStrokes(seconds);
        if (secondValues.empty()) {
            secondValues.push_back(0);
        }
        const bool tabled = firstValues.size() * secondValues.size() <= kMostCells;
        const auto classOf = [tabled](const std::vector<int>& values, int strokes) {
            return tabled ? static_cast<std::uint32_t>(std::lower_bound(values.begin(), values.end(), strokes) -
                                                       values.begin())
                          : 0U;
        };
        m_firsts.reserve(firsts.size());
        for (std::size_t i = 0; i < firsts.size(); ++i) {
            const int strokes = firsts.row(i).strokes;
            m_firsts.push_back(
                First{strokes, classOf(firstValues, strokes) * static_cast<std::uint32_t>(secondValues.size())});
        }
        m_seconds.reserve(std::max<std::size_t>(seconds.size(), 1));
        for (std::size_t j = 0; j < seconds.size(); ++j) {
            const int strokes = seconds.row(j).strokes;
            m_seconds.push_back(Second{strokes, classOf(secondValues, strokes)});
        }
        if (m_seconds.empty()) {
            m_seconds.push_back(Second{0, 0});
        }
        if (!tabled) {
            return;
        }
        m_scores.reserve(firstValues.size() * secondValues.size());
        for (const int first : firstValues) {
            for (const int second : secondValues) {
                m_scores.push_back(scoreOf(first, second));
            }
        }
    }

    const std::vector<First>& firsts() const { return m_firsts; }
    const std::vector<Second>& seconds() const { return m_seconds; }

    /// The raw score of a pair: scoreTwoCharacters of its grids.
    int score(const First& first, const Second& second) const {
        return m_scores.empty() ? scoreOf(first.strokes, second.strokes) : m_scores[first.row + second.column];
    }

private:
    static constexpr std::size_t kMostCells = std::size_t{1} << 16;

    static std::vector<int> distinctStrokes(const CandidateTable& table) {
        std::vector<int> values = table.strokes();
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        return values;
    }

    int scoreOf(int first, int second) const {
        return scoreTwoCharacters(gridNumbers(m_familyStrokes, first, second), m_luck);
    }

    int m_familyStrokes = 0;
    const LuckTables& m_luck;
    std::vector<First> m_firsts;
    std::vector<Second> m_seconds;
    std::vector<std::uint8_t> m_scores; // scores are 0..100
};

} // namespace

void generateRandomNames(GenerationContext& context, const WordRow& family, const std::vector<CandidateRow>& firsts,
                         const std::vector<CandidateRow>& seconds, std::uint64_t draws) {
    if (firsts.empty()) {
        return;
    }
    CandidateLister lister(context, family);
    CandidateTable firstTable(firsts);
    CandidateTable secondTable(seconds);
    // A draw from an empty table finds no row: the second character then has no text, strokes or element.
    static const WordRow kNoRow{};
    const PooledCharacter noSecond = lister.pool(kNoRow);
    const PairScores scores(lister.familyStrokes(), firstTable, secondTable, context.luck);
    const std::size_t firstCount = firstTable.size();
    const std::size_t secondCount = secondTable.size();
    const bool hasSecond = secondCount > 0;
    for (std::uint64_t draw = 0; draw < draws; ++draw) {
        if (lister.shouldStop()) {
            return;
        }
        const std::size_t i = context.random.uniformIndex(firstCount);
        const std::size_t j = hasSecond ? context.random.uniformIndex(secondCount) : 0;
        const PairScores::First& first = scores.firsts()[i];
        const PairScores::Second& second = scores.seconds()[j];
        lister.offer(scores.score(first, second), first.strokes, second.strokes, true, [&] {
            return std::pair{firstTable.pooled(i, lister), hasSecond ? secondTable.pooled(j, lister) : noSecond};
        });
    }
}

namespace {

WordRow familyRow(GenerationContext& context, std::string_view familyCharacter) {
    return context.database.wordRow(familyCharacter).value_or(WordRow{});
}

} // namespace

void runSingleCharacterMode(GenerationContext& context, std::string_view familyCharacter, Gender gender) {
    const WordRow family = familyRow(context, familyCharacter);
    const int mark = context.state.resumeMark(SequentialMode::SingleCharacter, context.series);
    generateSingleCharacterNames(context, family, context.database.word1After(mark, excludedGender(gender)));
}

void runFixedCharacterMode(GenerationContext& context, std::string_view familyCharacter, Gender gender,
                           FixedPosition position, std::string_view fixedCharacter) {
    if (position == FixedPosition::Neither) {
        return;
    }
    const WordRow family = familyRow(context, familyCharacter);
    const int mark = context.state.resumeMark(SequentialMode::FixedCharacter, context.series);
    const std::vector<CandidateRow> candidates = context.database.word1After(mark, excludedGender(gender));
    const WordRow fixed = context.database.wordRow(fixedCharacter).value_or(WordRow{});
    generateFixedCharacterNames(context, family, fixed, position == FixedPosition::Second, candidates);
}

void runRandomMode(GenerationContext& context, std::string_view familyCharacter, Gender gender) {
    const WordRow family = familyRow(context, familyCharacter);
    const std::string_view mark = genderText(gender);
    // Neutral rows (中) are drawn with the gender's own: 梓 涵 雨 思 嘉 ... are among the most used name characters,
    // and N counts them too. A table marked only 男 and 女 gives the same rows, and so the same draws, as before.
    const std::vector<CandidateRow> firsts = context.database.word1ForDraws(mark);
    const std::uint64_t n = firsts.size();
    generateRandomNames(context, family, firsts, context.database.word2ForDraws(mark), n * n);
}

} // namespace namewright

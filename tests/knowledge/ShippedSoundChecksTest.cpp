// Measures the sound checks of the shipped characters.db on two name lists written for the purpose
// (tests/data/unfortunate_names.tsv, tests/data/well_known_names.tsv): recall, the share of teasable names that get a
// homophone warning, and false alarms, the share of well-known people's names that get one. Both figures are printed;
// the test holds them to the goals (recall at least 90 %, false alarms at most 1 %).

#include "knowledge/KnowledgeBase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

const KnowledgeBase& shipped() {
    static const KnowledgeBase knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    return knowledge;
}

/// The rows of a list under tests/data: tab-separated fields, after the comment lines and the header line.
std::vector<std::vector<std::string>> rowsOf(const std::string& file) {
    std::ifstream in(std::string(NAMEWRIGHT_TEST_DATA) + "/" + file);
    std::vector<std::vector<std::string>> rows;
    bool header = true;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) {
            fields.push_back(field);
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

/// The homophone warnings of a name (the two word rules), as "heard ≈ word" texts.
std::vector<std::string> homophones(const std::string& family, const std::string& given) {
    std::vector<std::string> out;
    for (const auto& warning : shipped().soundWarnings(family, given)) {
        if (warning.rule == SoundRule::SoundsLikeWord || warning.rule == SoundRule::SoundsLikeWordInOtherTones) {
            out.push_back(warning.text);
        }
    }
    return out;
}

double percent(std::size_t part, std::size_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

TEST(ShippedSoundChecks, HearAtLeastNineInTenTeasableNames) {
    ASSERT_TRUE(shipped().isAvailable()) << shipped().failure();
    const auto rows = rowsOf("unfortunate_names.tsv");
    ASSERT_GE(rows.size(), 300U);
    std::size_t heard = 0;
    std::size_t namedTheWord = 0;
    std::map<std::string, std::pair<std::size_t, std::size_t>> byTones; // 同调 / 近音: heard, all
    std::vector<std::string> missed;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 5U) << row.front();
        const auto found = homophones(row[0], row[1]);
        auto& tally = byTones[row[4]];
        ++tally.second;
        if (found.empty()) {
            missed.push_back(row[0] + row[1] + "≈" + row[2]);
            continue;
        }
        ++heard;
        ++tally.first;
        for (const auto& text : found) {
            if (text.find(" ≈ " + row[2] + "（") != std::string::npos) {
                ++namedTheWord;
                break;
            }
        }
    }
    const double recall = percent(heard, rows.size());
    std::cout << std::fixed << std::setprecision(1) << "recall: " << heard << " of " << rows.size() << " (" << recall
              << " %), the listed word named for " << namedTheWord;
    for (const auto& [tones, tally] : byTones) {
        std::cout << "; " << tones << " " << tally.first << " of " << tally.second;
    }
    std::cout << "\nmissed:";
    for (const auto& name : missed) {
        std::cout << " " << name;
    }
    std::cout << "\n";
    EXPECT_GE(recall, 90.0);
}

TEST(ShippedSoundChecks, WarnOnAtMostOneInAHundredWellKnownNames) {
    ASSERT_TRUE(shipped().isAvailable()) << shipped().failure();
    const auto rows = rowsOf("well_known_names.tsv");
    ASSERT_GE(rows.size(), 1000U);
    std::vector<std::string> alarms;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3U) << row.front();
        for (const auto& text : homophones(row[0], row[1])) {
            alarms.push_back(row[0] + row[1] + " " + text);
        }
    }
    std::size_t names = 0;
    std::string previous;
    for (const auto& alarm : alarms) {
        const auto name = alarm.substr(0, alarm.find(' '));
        names += name != previous ? 1 : 0;
        previous = name;
    }
    const double rate = percent(names, rows.size());
    std::cout << std::fixed << std::setprecision(1) << "false alarms: " << names << " of " << rows.size() << " ("
              << rate << " %)\n";
    for (const auto& alarm : alarms) {
        std::cout << "  " << alarm << "\n";
    }
    EXPECT_LE(rate, 1.0);
}

} // namespace
} // namespace namewright

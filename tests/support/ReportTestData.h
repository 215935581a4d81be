#pragma once
// A small naming database for the report tests: a handful of characters and the `sl` and `3cai` rows their names
// need, with report texts that tell each row apart.
//
//   李 7 火, 明 8 火       李明   heaven 8 person 15 earth 9 outer 2 total 15, key 金土水
//                                 lucks: earth 9 凶 11 + person 15 吉 32 + 11 + key 吉 20 = 74
//   哉 9 金, 栋 12 木      李哉栋 heaven 8 person 16 earth 21 outer 13 total 28, key 金土木
//                                 lucks: 21 吉 32 + 16 吉 16 + 13 吉 16 + 28 半吉 14 + key 吉 20 = 98, capped 100
//   欧 15 土               a second family character
//   ab 5 水                two ASCII letters stored as one character
//   巨 80 土               strokes that push grid numbers beyond the `sl` rows

#include "support/TempDatabase.h"

#include <string>

namespace namewright::testing {

inline void fillReportTestData(TempDatabase& file) {
    file.exec(R"sql(
        INSERT INTO word VALUES ('李', 7, '火'), ('明', 8, '火'), ('哉', 9, '金'), ('栋', 12, '木'),
                                ('欧', 15, '土'), ('ab', 5, '水'), ('巨', 80, '土');
        INSERT INTO sl VALUES
            ('2', '吉', '两仪', '二基', '二家', '二健', '二含'),
            ('8', '吉', '坚刚', '八基', '八家', '八健', '八含'),
            ('9', '凶', '穷乏', '九基', '九家', '九健', '九含'),
            ('13', '吉', '智略', '十三基', '十三家', '十三健', '十三含'),
            ('15', '吉', '福寿', '十五基', '十五家', '十五健', '十五含'),
            ('16', '吉', '厚重', '十六基', '十六家', '十六健', '十六含'),
            ('21', '吉', '明月', '二一基', '二一家', '二一健', '二一含'),
            ('28', '半吉', '遭难', '二八基', '二八家', '二八健', '二八含');
        INSERT INTO "3cai" VALUES (1, '金土水', '金土水之配置，吉', '吉'), (2, '金土木', '金土木之配置，吉', '吉');
    )sql");
}

} // namespace namewright::testing

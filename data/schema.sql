-- Schema of the naming database hun.mdb. The build loads data/tables/<table>.tsv into each table.
-- Texts are declared TEXT(255): short texts of at most 255 characters.

CREATE TABLE bazi (
    bazi    TEXT(255),  -- stem-branch pair, e.g. 甲子
    wuxing  TEXT(255),  -- element of the stem, then of the branch, e.g. 木水
    wuxing1 TEXT(255)   -- nayin, e.g. 海中金
);
CREATE INDEX bazi_by_pair ON bazi (bazi);

CREATE TABLE word (
    zi     TEXT(255),   -- the character
    bh     INTEGER,     -- stroke count for the five grids
    yongtu TEXT(255)    -- element: 金 木 水 火 土
);
CREATE INDEX word_by_character ON word (zi);

CREATE TABLE word1 (
    ID     INTEGER,     -- unique, ascending from 1
    zi     TEXT(255),
    bh     INTEGER,
    yongtu TEXT(255),
    xb     TEXT(255)    -- 男, 女 or 中
);
CREATE UNIQUE INDEX word1_by_id ON word1 (ID);
CREATE INDEX word1_by_gender ON word1 (xb, ID);

CREATE TABLE word2 (
    ID     INTEGER,
    zi     TEXT(255),
    bh     INTEGER,
    yongtu TEXT(255),
    xb     TEXT(255)
);
CREATE UNIQUE INDEX word2_by_id ON word2 (ID);
CREATE INDEX word2_by_gender ON word2 (xb, ID);

CREATE TABLE sl (
    "数理序号" TEXT(255),  -- the number 1..81 as decimal text
    "吉否"     TEXT(255),  -- 吉, 半吉 or 凶
    "一字描述" TEXT(255),
    "基业"     TEXT(255),
    "家庭"     TEXT(255),
    "健康"     TEXT(255),
    "含意"     TEXT(255)
);
CREATE INDEX sl_by_number ON sl ("数理序号");

CREATE TABLE "3cai" (
    ID     INTEGER,
    "属性" TEXT(255),      -- elements of the heaven, person and earth grids, e.g. 金土水
    "解释" TEXT(255),
    "吉否" TEXT(255)
);
CREATE INDEX sancai_by_key ON "3cai" ("属性");

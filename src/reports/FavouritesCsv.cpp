#include "reports/FavouritesCsv.h"

namespace namewright {

namespace {

std::string quoted(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string out = "\"";
    for (const char c : field) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

} // namespace

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += quoted(fields[i]);
    }
    return line + "\r\n";
}

std::string favouritesCsv(const FavouriteList& favourites) {
    std::string out(kUtf8ByteOrderMark);
    out += csvLine({"姓名", "姓", "名", "分数", "天格", "人格", "地格", "外格", "总格", "三才", "五行", "星级", "备注",
                    "收藏时间"});
    for (const Favourite& f : favourites.all()) {
        std::vector<std::string> fields{f.name(), f.familyText, f.given};
        for (const ResultColumn column : kResultColumns) {
            if (column != ResultColumn::Name) {
                fields.push_back(f.cells[column]);
            }
        }
        fields.push_back(std::to_string(f.stars));
        fields.push_back(f.note);
        fields.push_back(f.added);
        out += csvLine(fields);
    }
    return out;
}

} // namespace namewright

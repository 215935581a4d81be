// make_database: builds an SQLite naming database from a schema and tab-separated table sources.
//
//   make_database <schema.sql> <output> [<table>.tsv ...]
//
// Each source file is named after its table; its first line names the columns, every further line is one row with
// the same number of tab-separated fields (UTF-8, no quoting). The output is written to a temporary file first and
// renamed into place, so an interrupted build never leaves a half-built database behind.

#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

std::string quoted(const std::string& identifier) {
    std::string out = "\"";
    for (const char c : identifier) {
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return out + "\"";
}

void loadTable(SQLite::Database& db, const std::filesystem::path& source) {
    std::ifstream in(source);
    if (!in) {
        throw std::runtime_error("cannot read " + source.string());
    }
    std::string line;
    if (!std::getline(in, line)) {
        throw std::runtime_error(source.string() + ": no header line");
    }
    const auto columns = splitTabs(line);
    std::string sql = "INSERT INTO " + quoted(source.stem().string()) + " (";
    std::string marks;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? ", " : "") + quoted(columns[i]);
        marks += i ? ", ?" : "?";
    }
    sql += ") VALUES (" + marks + ")";
    SQLite::Statement insert(db, sql);
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto fields = splitTabs(line);
        if (fields.size() != columns.size()) {
            throw std::runtime_error(source.string() + ":" + std::to_string(lineNumber) + ": expected " +
                                     std::to_string(columns.size()) + " fields, found " +
                                     std::to_string(fields.size()));
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            insert.bind(static_cast<int>(i + 1), fields[i]);
        }
        insert.exec();
        insert.reset();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_database <schema.sql> <output> [<table>.tsv ...]\n";
        return 2;
    }
    const std::filesystem::path output = argv[2];
    const std::filesystem::path temporary = output.string() + ".part";
    try {
        std::filesystem::remove(temporary);
        {
            std::ifstream schemaFile(argv[1]);
            std::stringstream schema;
            schema << schemaFile.rdbuf();
            SQLite::Database db(temporary.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Transaction transaction(db);
            db.exec(schema.str());
            for (int i = 3; i < argc; ++i) {
                loadTable(db, argv[i]);
            }
            transaction.commit();
            db.exec("VACUUM");
        }
        std::filesystem::rename(temporary, output);
    } catch (const std::exception& error) {
        std::cerr << "make_database: " << error.what() << '\n';
        std::filesystem::remove(temporary);
        return 1;
    }
    return 0;
}

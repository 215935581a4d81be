// make_solar_term_table: computes every solar term of SolarTermTable's years with computeSolarTerm (ERFA) and writes
// them as the C++ source of the constant table kBuiltSolarTerms (calendar/BuiltSolarTerms.h).
//
//   make_solar_term_table <output.cpp>
//
// The build runs it and compiles its output into the calendar library. Doubles are written in the shortest form that
// reads back to the same bits, so the table holds exactly what computeSolarTerm gave. The output is written to a
// temporary file first and renamed into place, so an interrupted build never leaves half a table behind.

#include "calendar/BuiltSolarTerms.h"
#include "calendar/SolarTerms.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

using namewright::SolarTermMoment;

/// The shortest decimal text that reads back as the same double.
std::string exactText(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc{} ? std::string(text, end) : std::string("nan");
}

std::string initialiser(const SolarTermMoment& m) {
    return "{solarTermAt(" + std::to_string(namewright::solarTermIndex(m.term)) + "), " + std::to_string(m.year) +
           ", " + exactText(m.ttJulianDay) + ", " + exactText(m.civilUtJulianDay) + ", {{" +
           std::to_string(m.minute.date.year) + ", " + std::to_string(m.minute.date.month) + ", " +
           std::to_string(m.minute.date.day) + "}, " + std::to_string(m.minute.hour) + ", " +
           std::to_string(m.minute.minute) + "}, " + std::to_string(m.minuteCount) + "}";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_solar_term_table <output.cpp>\n";
        return 2;
    }
    const std::filesystem::path output = argv[1];
    const std::filesystem::path temporary = output.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "// Written by make_solar_term_table (tools/make_solar_term_table.cpp) at build time: computeSolarTerm "
               "for "
               "every term\n// of "
            << namewright::SolarTermTable::kFirstYear << "-" << namewright::SolarTermTable::kLastYear
            << ". Not to be edited.\n\n#include \"calendar/BuiltSolarTerms.h\"\n\nnamespace namewright {\n\n"
               "constexpr std::array<SolarTermMoment, kBuiltSolarTermCount> kBuiltSolarTerms{{\n";
        for (int year = namewright::SolarTermTable::kFirstYear; year <= namewright::SolarTermTable::kLastYear; ++year) {
            for (int i = 0; i < namewright::kSolarTermCount; ++i) {
                const auto moment = namewright::computeSolarTerm(year, namewright::solarTermAt(i));
                if (!moment) {
                    std::cerr << "make_solar_term_table: no moment for " << year << " term " << i << "\n";
                    return 1;
                }
                out << "    " << initialiser(*moment) << ",\n";
            }
        }
        out << "}};\n\n} // namespace namewright\n";
        if (!out.flush()) {
            std::cerr << "make_solar_term_table: cannot write " << temporary << "\n";
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, output, error);
    if (error) {
        std::cerr << "make_solar_term_table: cannot write " << output << ": " << error.message() << "\n";
        return 1;
    }
    return 0;
}

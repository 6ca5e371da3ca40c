// Writes sample tables with the engine's writer into a directory and prints,
// as JSON, what each was asked to hold, for a script to check with dbfread.
#include <iostream>
#include <string>

#include "data/dbase/DbfWriter.h"
#include "tests/data/dbase/dbf_tool_json.h"

using namespace dbase;
using dbase::testing::jsonString;

namespace {

NewTable sample(int version, int codePage, const std::vector<std::string>& names) {
    NewTable t;
    t.version = version;
    t.codePage = codePage;
    t.fields = {{"NAME", 'C', 24, 0}, {"COUNT", 'N', 6, 0},  {"FACTOR", 'N', 20, 10},
                {"RATIO", 'F', 19, 6}, {"ACTIVE", 'L', 1, 0}, {"SINCE", 'D', 8, 0}};
    const char* counts[] = {"0", "-42", "123456", ""};
    const char* factors[] = {"1", "0.0000000001", "-123.5", "1e-5"};
    const char* ratios[] = {"3.25", "-0.000001", "", "1234567.5"};
    const char* flags[] = {"T", "F", "", "Y"};
    const char* dates[] = {"20240229", "19000101", "", "20991231"};
    for (std::size_t i = 0; i < names.size(); ++i)
        t.rows.push_back({names[i], counts[i % 4], factors[i % 4], ratios[i % 4], flags[i % 4], dates[i % 4]});
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: dbf_write_sample DIRECTORY\n";
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<std::pair<std::string, NewTable>> tables = {
        {"cyr1251.dbf", sample(4, 1251, {"Килограмм", "ёж Ёлка", "Щит-Ъ", "Метр в секунду"})},
        {"lat1252.dbf", sample(3, 1252, {"Größe", "façade €", "Œuvre ½", "plain"})},
        {"dos866.dbf", sample(4, 866, {"Ёмкость", "Пётр", "│box│", "ЯЮЭ"})},
        {"greek1253.dbf", sample(3, 1253, {"Ωμ", "μέτρο", "ΆΈΉ", "αβγ"})},
        {"greek737.dbf", sample(4, 737, {"Ωμ", "μέτρο", "ψ", "αβγ"})},
    };
    try {
        std::cout << "{";
        bool firstTable = true;
        for (const auto& [name, table] : tables) {
            writeTable(dir + "/" + name, table);
            std::cout << (firstTable ? "" : ", ") << jsonString(name) << ": {\"codePage\": " << table.codePage
                      << ", \"version\": " << table.version << ", \"fields\": [";
            firstTable = false;
            for (std::size_t i = 0; i < table.fields.size(); ++i) {
                const FieldDef& f = table.fields[i];
                std::cout << (i ? ", " : "") << "[" << jsonString(f.name) << ", " << jsonString(std::string(1, f.type))
                          << ", " << f.length << ", " << f.decimals << "]";
            }
            std::cout << "], \"rows\": [";
            for (std::size_t r = 0; r < table.rows.size(); ++r) {
                std::cout << (r ? ", " : "") << "[";
                for (std::size_t i = 0; i < table.rows[r].size(); ++i)
                    std::cout << (i ? ", " : "") << jsonString(table.rows[r][i]);
                std::cout << "]";
            }
            std::cout << "]}";
        }
        std::cout << "}\n";
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}

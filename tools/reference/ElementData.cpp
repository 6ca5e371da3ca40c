#include "tools/reference/ElementData.h"

namespace reference {

namespace {

QString text(const dbase::Table& table, const char* field) {
    return QString::fromStdString(table.asString(field));
}

}  // namespace

ElementRecord readElementRecord(const dbase::Table& table) {
    ElementRecord r;
    r.number = static_cast<int>(table.asInteger("NUMBER"));
    r.letter = text(table, "LETTER");
    r.name = text(table, "NAME");
    r.x = static_cast<int>(table.asInteger("X"));
    r.y = static_cast<int>(table.asInteger("Y"));
    r.color = static_cast<int>(table.asInteger("COLOR"));
    r.mass = table.asFloat("MASS");
    r.valent = text(table, "VALENT");
    r.orbit = text(table, "ORBIT");
    return r;
}

ElementDetails readElementDetails(const dbase::Table& table) {
    return {text(table, "TIP"),        text(table, "TIME"),      text(table, "DIS"),     text(table, "HALFTIME"),
            text(table, "DENSITY"),    text(table, "BOIL_POINT"), text(table, "MEL_POINT"), text(table, "ELECTRO"),
            text(table, "ENERG"),      text(table, "OXI")};
}

std::map<int, ElementRecord> readElementRecords(dbase::Table& table) {
    std::map<int, ElementRecord> records;
    const int here = table.recNo();
    for (int row = 0; row < table.recordCount(); ++row) {
        table.moveTo(row);
        ElementRecord r = readElementRecord(table);
        records.emplace(r.number, std::move(r));
    }
    if (here >= 0) table.moveTo(here);
    return records;
}

std::vector<ElementPlace> placeElements(const std::map<int, ElementRecord>& records) {
    std::vector<ElementPlace> places;
    int n = 1;
    for (int y = 1; y <= kMainRows; ++y) {
        for (int x = 1; x <= kMainColumns; ++x) {
            const auto found = records.find(n);
            if (found == records.end() || found->second.x != x || found->second.y != y) continue;
            places.push_back({n, x, y});
            ++n;
            if (n == 58) n = 72;
            if (n == 90) n = 104;
        }
    }
    n = 58;
    for (int y = kMainRows + 1; y <= kMainRows + 2; ++y) {
        for (int x = 1; x <= kSeriesColumns; ++x) {
            if (!records.count(n)) continue;
            places.push_back({n, x, y});
            ++n;
            if (n == 72) n = 90;
        }
    }
    return places;
}

const ElementRecord* findElement(const std::map<int, ElementRecord>& records, const QString& key) {
    const QString wanted = key.trimmed();
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber) {
        const auto found = records.find(number);
        return found == records.end() ? nullptr : &found->second;
    }
    for (const auto& [n, r] : records)
        if (r.letter.compare(wanted, Qt::CaseInsensitive) == 0 || r.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}

}  // namespace reference

#pragma once

// QtTest rows kept as data: each case of tests/data/rows/<file>.json becomes a row named by its
// "name", with the case itself in the column "row".
#include <QtTest>

#include "tests/support/data_rows.h"

using moltherm::testing::Json;
Q_DECLARE_METATYPE(Json)

inline void JsonRows(const char* file) {
    QTest::addColumn<Json>("row");
    for (const Json& row : moltherm::testing::DataRows(file))
        QTest::newRow(row.at("name").get<std::string>().c_str()) << row;
}

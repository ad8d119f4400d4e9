#pragma once

#include "core/favourites/storeconnection.h"

#include <QString>

#include <functional>
#include <string_view>

namespace tessaron {

// Reads the whole store in store order at the engine's own speed, for the
// exports: the file opened read-only through SQLite itself, each row's three
// fields handed on as the UTF-8 the engine holds, with nothing kept. Failures
// are thrown as StoreError, with the causes the cursor gives.
class StoreReader {
public:
    explicit StoreReader(const QString &path);
    ~StoreReader();
    StoreReader(const StoreReader &) = delete;
    StoreReader &operator=(const StoreReader &) = delete;

    using RowVisitor = std::function<void(std::string_view name, std::string_view family,
                                          std::string_view address)>;
    // Every row, ordered by name, then family, then address.
    void forEachRow(const RowVisitor &visit);

private:
    StoreConnection m_db;
};

} // namespace tessaron

// Read-only access to the streams of a compound document, the container of
// legacy .xls workbooks (and of password-protected .xlsx packages): sectors
// chained through the allocation table, small streams in the mini stream.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tj::sheet {

class CompoundFile {
public:
    // True when the data starts with the compound document signature.
    static bool hasSignature(const QByteArray& data);
    // Reads the allocation tables and the directory; throws SheetError
    // (damaged) when they are broken.
    explicit CompoundFile(QByteArray data);
    // The stream of that name directly in the root storage (compared without
    // case); nullopt when there is none. Throws SheetError for a stream
    // whose sectors are missing or looped.
    std::optional<QByteArray> read(const QString& name) const;
    bool contains(const QString& name) const;

private:
    struct Entry {
        QString name;
        int type = 0;  // 1 storage, 2 stream, 5 root
        quint32 left = 0, right = 0, child = 0, start = 0;
        quint64 size = 0;
    };
    QByteArray chain(quint32 start, quint64 size, bool mini) const;
    const Entry* find(const QString& name) const;

    QByteArray data_;
    int sectorSize_ = 512;
    quint32 miniCutoff_ = 4096;
    std::vector<quint32> fat_, miniFat_;
    std::vector<Entry> entries_;
    std::vector<int> rootChildren_;  // indexes into entries_
    QByteArray miniStream_;
};

}  // namespace tj::sheet

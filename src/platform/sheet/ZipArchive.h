// Read-only access to the members of a zip archive (the container of .xlsx
// workbooks): stored and deflated members, looked up by name.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace tj::sheet {

class ZipArchive {
public:
    // Reads the archive's directory; throws SheetError when the data is no zip archive.
    explicit ZipArchive(QByteArray data);
    bool contains(const QString& name) const;
    // The member's content (name compared case-insensitively); nullopt when
    // there is no such member. Throws SheetError for a damaged member.
    std::optional<QByteArray> read(const QString& name) const;

private:
    struct Entry {
        quint16 method = 0;
        quint32 compressedSize = 0, size = 0, localOffset = 0;
    };
    QByteArray data_;
    QHash<QString, Entry> entries_;  // lower-case name
};

}  // namespace tj::sheet

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
    // Reads the archive's directory; throws SheetError when the data is no
    // zip archive or its directory is cut short.
    explicit ZipArchive(QByteArray data);
    // Names are compared without case; a leading "/" and backslashes, which
    // some programs write, are taken as the same name in "a/b" form.
    bool contains(const QString& name) const;
    // The member's content; nullopt when there is no such member. Throws
    // SheetError for a damaged or encrypted member.
    std::optional<QByteArray> read(const QString& name) const;
    // A name in the form the archive is searched with.
    static QString normalName(const QString& name);

private:
    struct Entry {
        quint16 method = 0, flags = 0;
        quint64 compressedSize = 0, size = 0, localOffset = 0;
    };
    QByteArray data_;
    QHash<QString, Entry> entries_;  // normalName
};

}  // namespace tj::sheet

#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The list of named partitions and its file. A partition is a copy of the
// working data set filed away under a name; the list holds its name,
// description, date and two-character number. An entry named "-" stands for
// the current, unnamed data and is never written to the file.
//
// The file is plain text, one line per partition ended by CR LF: the name
// (20 characters), the description (50), the date (10) and the number (2),
// each blank-padded and cut to its width, with nothing between them.
class PartitionList
{
public:
    static constexpr int NameWidth = 20;
    static constexpr int DescriptionWidth = 50;
    static constexpr int DateWidth = 10;
    static constexpr int NumberWidth = 2;
    static constexpr int LineWidth = NameWidth + DescriptionWidth + DateWidth + NumberWidth;
    // Small icon of the entry whose data is the working data set.
    static constexpr int CurrentIcon = 2;
    static constexpr int HighestNumber = 99;

    struct Entry
    {
        QString name;
        QString description;
        QString date;
        QString number;
        int smallIcon = 0;

        bool operator==(const Entry&) const = default;
    };

    // The entry of the current, unnamed data.
    static QString unnamedText() { return QStringLiteral("-"); }

    const QList<Entry>& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    const Entry& at(int index) const { return m_entries.at(index); }
    void clear();
    void add(const Entry& entry);
    void removeAt(int index);

    // The entry chosen in the list, -1 for none.
    int selectedIndex() const { return m_selected; }
    void select(int index);

    // Empties the list and fills it from the file. The entry whose name,
    // trimmed, is partitionName is marked current; when none is, an entry
    // "-" for the current data is added with today's date. Returns the
    // number of entries; 0 with the list empty when the file does not exist.
    // False in *ok, with the reason in *error, when the file exists but
    // cannot be read.
    int load(const QString& fileName, const QString& partitionName, const QDate& today,
             bool* ok = nullptr, QString* error = nullptr);
    // Rewrites the file from the list, "-" left out. The old file stays
    // when the new one cannot be written; false with the reason in *error.
    bool save(const QString& fileName, QString* error = nullptr) const;

    // The entry of one line of the file, and the line of an entry.
    static Entry parseLine(const QString& line);
    static QString formatLine(const Entry& entry);

    // The highest number from 0 to 99 that no entry carries (an entry's
    // number is read as a number, so "-" with no number holds 0). 0 for an
    // empty list; -1 when every number is taken.
    int freeNumber() const;
    // The first entry other than "-" whose name, trimmed, is name; -1 when
    // there is none or name is empty.
    int indexOfName(const QString& name) const;

private:
    QList<Entry> m_entries;
    int m_selected = -1;
};

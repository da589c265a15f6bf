#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "entry/store/PrintFileLine.h"

class ZRNDBm;

// The print file of the data set in use (PrintFileName): the tickets that
// wait to be printed, one line per entry holding its record number in double
// quotes, then CR LF; no header. An empty list is a file of zero bytes and a
// missing file stands for an empty list.
class PrintFile
{
public:
    // The file's bytes for the given entry texts, in order.
    static QByteArray encode(const QStringList& entries);
    // The record numbers the bytes list, in order. An item whose number is
    // 0 or below names no record and is skipped.
    static QList<qint32> decode(const QByteArray& bytes);

    // Replaces the print file with the entries (a failure keeps the old
    // file). False, with *error, when it cannot be written.
    static bool save(const ZRNDBm& store, const QStringList& entries, QString* error);
    // The lines of the entries that give tickets, in file order, each built
    // from its record. Entries whose record holds no units, or that name no
    // record of the file, are left out; the file keeps them until the next
    // save. False, with *error, when the print file or a record cannot be
    // read; the lines read until then are given.
    static bool load(ZRNDBm& store, QList<PrintFileLine>* lines, QString* error);
};

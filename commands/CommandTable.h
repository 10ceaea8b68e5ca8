#pragma once
// Helpers the builders share for their tables: a list's items are taken from the
// table that gives each row's values, so the two cannot disagree.
#include <QStringList>

#include <array>
#include <cstddef>

// The first column of a table whose rows start with `const char* item`.
template <typename Row, std::size_t N>
QStringList ItemsOf(const std::array<Row, N>& table)
{
    QStringList items;
    for (const Row& row : table)
        items << QString::fromUtf8(row.item);
    return items;
}

inline QStringList ItemsOf(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

// A damaged selection must never read past its table.
template <typename Table>
bool InTable(const Table& table, int index)
{
    return index >= 0 && index < static_cast<int>(table.size());
}

// The encoders' speed presets, fastest first: x264 and x265 share them.
QStringList SpeedPresetItems();

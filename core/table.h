#ifndef CORE_TABLE_H
#define CORE_TABLE_H

#include <cstddef>

namespace core {

// A constant table seen through its first row and its row count, both taken from
// the array it is made from, so that no count is ever typed beside the rows; or
// from rows made at run time, which must outlive it.
template <typename Row>
class Table {
public:
    template <std::size_t N>
    constexpr Table(const Row (&rows)[N]) : m_rows(rows), m_count(N)
    {
    }
    constexpr Table(const Row* rows, std::size_t count) : m_rows(rows), m_count(count) {}

    constexpr std::size_t size() const { return m_count; }
    constexpr const Row* begin() const { return m_rows; }
    constexpr const Row* end() const { return m_rows + m_count; }
    constexpr const Row& operator[](std::size_t i) const { return m_rows[i]; }

private:
    const Row* m_rows;
    std::size_t m_count;
};

// Whether a table indexed by an enum has a row for each of its values, from 0
// to last, each at its value's place: key names the row's own value.
template <typename Row, std::size_t N, typename Enum>
constexpr bool indexedBy(const Row (&rows)[N], Enum Row::*key, Enum last)
{
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].*key != static_cast<Enum>(i))
            return false;
    return N == static_cast<std::size_t>(last) + 1;
}

} // namespace core

#endif

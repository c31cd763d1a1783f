#pragma once

#include <gtest/gtest.h>

#include <string>

#include "instruments/records/record.h"

namespace zel::test {

template <std::size_t R>
std::string text_of(const Record<R>& record) {
    return {record.begin(), record.end()};
}

template <std::size_t R>
std::string text_of(const RecordBlock<R>& block) {
    std::string text;
    for (const auto& record : block) text += text_of(record);
    return text;
}

// A record as the table writes it: columns 0..R-2 without the line feed.
inline std::string line(std::string columns) { return columns + "\n"; }

// Every text record ends in its only line feed and holds printable single bytes before it.
template <std::size_t R>
::testing::AssertionResult is_text_record(const Record<R>& record) {
    if (record[R - 1] != '\n') return ::testing::AssertionFailure() << "no line feed in column " << R - 1;
    for (std::size_t column = 0; column + 1 < R; ++column) {
        const auto byte = static_cast<unsigned char>(record[column]);
        if (byte < 0x20 || byte == 0x7F)
            return ::testing::AssertionFailure() << "control byte " << int(byte) << " in column " << column;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace zel::test

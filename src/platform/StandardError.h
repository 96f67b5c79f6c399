#pragma once

#include <cstdio>
#include <string_view>

// One line on standard error, through stdio rather than std::cerr: a file that
// includes <iostream> sets up its eight streams and the classic locale as the
// program loads, a quarter of a megabyte of the C++ library paged in at every
// start.
inline void printErrorLine(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

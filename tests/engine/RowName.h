#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Names each row of a table-driven test after the row's own `name`.
struct RowName
{
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

// The rows of a table looped over in one test, written as call arguments so several share a line.
template <typename Row, typename... More> std::vector<Row> Rows(Row first, More... more)
{
    return {first, more...};
}

#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a table-driven test after the row's own `name`.
struct RowName
{
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

#include "engine/Currency.h"

#include <gtest/gtest.h>

TEST(Currency, Placeholder)
{
    EXPECT_EQ(CurrencyText(Currency::FromUnits(125000)), "12.5");
}

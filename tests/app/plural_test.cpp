// The Polish form of a noun after a count.
#include "app/plural.h"

#include <gtest/gtest.h>

#include <string>

TEST(PolishPlural, TheFormFollowsTheLastTwoDigitsOfTheCount)
{
    const struct {
        long long n;
        const char *form;
    } cases[] = {
        {0, "warstw"},    {1, "warstwa"},   {2, "warstwy"},   {3, "warstwy"},  {4, "warstwy"},
        {5, "warstw"},    {11, "warstw"},   {12, "warstw"},   {13, "warstw"},  {14, "warstw"},
        {21, "warstw"},   {22, "warstwy"},  {24, "warstwy"},  {25, "warstw"},  {34, "warstwy"},
        {101, "warstw"},  {102, "warstwy"}, {111, "warstw"},  {112, "warstw"}, {122, "warstwy"},
        {1002, "warstwy"}, {65535, "warstw"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(std::string(PolishPlural(c.n, "warstwa", "warstwy", "warstw")), c.form) << c.n;
}

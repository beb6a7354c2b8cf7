#include "app/plural.h"

const char *PolishPlural(long long n, const char *one, const char *few, const char *many)
{
    if (n == 1)
        return one;
    const long long units = n % 10, tens = n % 100;
    if (units >= 2 && units <= 4 && !(tens >= 12 && tens <= 14))
        return few;
    return many;
}
